#pragma once
// The About box (frmAbout): the program's name and version, its makers and their addresses as
// links, "Thanks to", which opens the credits box, and a legal notice. It changes nothing.

#include "ui/common/dialog_base.h"
#include "ui/common/scoped_ui_handles.h"
#include "ui/common/shell_launcher.h"
#include "ui/settings/link_labels.h"

namespace quillet {

class AboutBox : public DialogBase {
 public:
  explicit AboutBox(ShellLauncher& shell);

 protected:
  bool OnInit() override;
  bool OnCommand(int id, int code, HWND control) override;
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

 private:
  ShellLauncher& shell_;
  LinkLabels links_;
  ScopedFont nameFont_;
  ScopedIcon picture_;
  ScopedIcon arrow_;
};

// Shows the About box modally over `owner`.
void ShowAbout(HWND owner, ShellLauncher& shell);

}  // namespace quillet
