#pragma once
// The credits box (frmCredits): what Quillet is made of. Its own folder tree takes the place a
// third-party control would have had, and the Tango Desktop Project is credited for the icons,
// with their addresses as links.

#include "ui/common/dialog_base.h"
#include "ui/common/scoped_ui_handles.h"
#include "ui/common/shell_launcher.h"
#include "ui/settings/link_labels.h"

namespace quillet {

class CreditsBox : public DialogBase {
 public:
  explicit CreditsBox(ShellLauncher& shell);

 protected:
  bool OnInit() override;
  bool OnCommand(int id, int code, HWND control) override;
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

 private:
  LinkLabels links_;
  ScopedFont headingFont_;
};

// Shows the credits box modally over `owner`.
void ShowCredits(HWND owner, ShellLauncher& shell);

}  // namespace quillet
