#pragma once
// The "Context Menu" page of the settings dialog: switches the Explorer entry "Create Shortcut
// Command" on and off, through the companion scripts that add and remove it where Windows runs
// them (Quillet's own code where it does not). It shows no state: whether the entry is on is the
// scripts' business, and they report nothing.

#include <string>

#include "store/store_context.h"
#include "ui/common/dialog_base.h"
#include "ui/common/prompt.h"
#include "ui/common/scoped_ui_handles.h"

namespace quillet {

class ContextMenuPage : public DialogBase {
 public:
  ContextMenuPage(const StoreContext& store, Prompt& prompt);

  // Opens the help file at the page's topic.
  void ShowHelp();

 protected:
  bool OnInit() override;
  bool OnCommand(int id, int code, HWND control) override;
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

 private:
  void SwitchEntry(bool on);

  const StoreContext& store_;
  Prompt& prompt_;
  ScopedFont headingFont_;
  ScopedIcon helpPicture_;
  ScopedIcon helpButtonPicture_;
};

}  // namespace quillet
