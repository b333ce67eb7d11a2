#pragma once
// The "Context Menu" page of the settings dialog: switches the Explorer entry "Create Shortcut
// Command" on and off by starting the companion scripts that add and remove it. It shows no
// state: whether the entry is on is the scripts' business, and they report nothing.

#include <string>

#include "ui/common/dialog_base.h"
#include "ui/common/prompt.h"
#include "ui/common/scoped_ui_handles.h"
#include "ui/common/shell_launcher.h"

namespace quillet {

class ContextMenuPage : public DialogBase {
 public:
  ContextMenuPage(std::string programFolder, Prompt& prompt, ShellLauncher& shell);

  // Opens the help file at the page's topic.
  void ShowHelp();

 protected:
  bool OnInit() override;
  bool OnCommand(int id, int code, HWND control) override;
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

 private:
  void StartScript(const char* script);

  std::string programFolder_;
  Prompt& prompt_;
  ShellLauncher& shell_;
  ScopedFont headingFont_;
  ScopedIcon helpPicture_;
  ScopedIcon helpButtonPicture_;
};

}  // namespace quillet
