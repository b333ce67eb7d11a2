#pragma once
// The main window: owner of the user and system command lists for the whole run.

#include <string>

#include "store/command_table.h"
#include "store/store_context.h"
#include "ui/common/window_base.h"

namespace quillet {

class MainWindow : public WindowBase {
 public:
  // Creates the window hidden, at its design size, centred on the screen.
  bool Create();

  // The rest of a normal start: show the window, fill the user list, caption, verbs.
  void FinishNormalStart(const StoreContext& store);

  const UserCommandList& UserCommands() const { return userCommands_; }

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  UserCommandList userCommands_;
  SystemCommandList systemCommands_;
};

}  // namespace quillet
