#include "ui/settings/context_menu_page.h"

#include "resources/resource_ids.h"
#include "store/shell_functions.h"
#include "ui/common/dialog_styling.h"
#include "ui/common/dpi.h"
#include "ui/settings/settings_ids.h"

namespace quillet {

namespace {

constexpr int kContextMenuTopic = 1018;
constexpr DWORD kTabTexture = 6;  // ETDT_ENABLETAB

// Set here rather than in the template: the resource compilers disagree on the code page of a
// template's text, and this one holds an acute accent (0xB4 in code page 1252).
constexpr const char* kExplanation =
    "This will add/remove a right-click feature called 'Create Shortcut Command' to common files and folders that "
    "will speed up the process of creating commands. When enabled, right-click any file/folder in Explorer, select "
    "'Create Shortcut Command', type in a command name and you\xB4re done.";

}  // namespace

ContextMenuPage::ContextMenuPage(std::string programFolder, Prompt& prompt, ShellLauncher& shell)
    : DialogBase(IDD_SETTINGS_CONTEXT_PAGE), programFolder_(std::move(programFolder)), prompt_(prompt), shell_(shell) {}

bool ContextMenuPage::OnInit() {
  SetItemText(IDC_CONTEXT_TEXT, kExplanation);
  headingFont_ = DerivedFont(Handle(), {.bold = true});
  SetControlFont(Handle(), {IDC_CONTEXT_HEADING}, headingFont_);
  const UINT dpi = WindowDpi(Handle());
  helpPicture_ = SetPicture(Handle(), IDC_CONTEXT_HELP_PICTURE, IDI_HELP_PICTURE, 32, dpi);
  helpButtonPicture_ = SetPicture(Handle(), IDC_CONTEXT_HELP, IDI_HELP_PICTURE, 16, dpi);
  // On a themed tab strip the page takes the strip's background, as the pages of Windows' own
  // property sheets do. Without themes (or uxtheme) the dialog colour is right as it is.
  static const auto texture = SystemFunction<HRESULT WINAPI(HWND, DWORD)>("uxtheme.dll", "EnableThemeDialogTexture");
  if (texture) texture(Handle(), kTabTexture);
  return false;  // the settings dialog places the focus
}

void ContextMenuPage::StartScript(const char* script) {
  // The result is not looked at: without the script or the script host the entry stays as it
  // was, and there is nothing the user could do about it here.
  shell_.Open(OpenRestored(GetAncestor(Handle(), GA_ROOT), programFolder_ + "\\" + script));
}

void ContextMenuPage::ShowHelp() { prompt_.ShowHelpTopic(programFolder_ + "\\quillet.chm", kContextMenuTopic); }

bool ContextMenuPage::OnCommand(int id, int code, HWND control) {
  switch (id) {
    case IDC_CONTEXT_ADD:
      StartScript("addcontextmenu.vbs");
      return true;
    case IDC_CONTEXT_REMOVE:
      StartScript("removecontextmenu.vbs");
      return true;
    case IDC_CONTEXT_HELP_PICTURE:  // the picture hands over to the help button
      if (code != STN_CLICKED) return true;
      SetFocus(Item(IDC_CONTEXT_HELP));
      ShowHelp();
      return true;
    case IDC_CONTEXT_HELP:
      ShowHelp();
      return true;
  }
  return DialogBase::OnCommand(id, code, control);
}

bool ContextMenuPage::OnMessage(UINT message, WPARAM, LPARAM, INT_PTR& result) {
  if (message != WM_HELP) return false;
  ShowHelp();
  result = TRUE;
  return true;
}

}  // namespace quillet
