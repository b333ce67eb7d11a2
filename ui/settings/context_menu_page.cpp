#include "ui/settings/context_menu_page.h"

#include <uxtheme.h>

#include "resources/resource_ids.h"
#include "store/command_writer.h"
#include "store/shell_functions.h"
#include "ui/common/dialog_styling.h"
#include "ui/common/dpi.h"
#include "ui/settings/settings_ids.h"

namespace quillet {

namespace {

constexpr int kContextMenuTopic = 1018;

// Set here rather than in the template: the resource compilers disagree on the code page of a
// template's text, and this one holds an acute accent (0xB4 in code page 1252).
constexpr const char* kExplanation =
    "This will add/remove a right-click feature called 'Create Shortcut Command' to common files and folders that "
    "will speed up the process of creating commands. When enabled, right-click any file/folder in Explorer, select "
    "'Create Shortcut Command', type in a command name and you\xB4re done.";

}  // namespace

ContextMenuPage::ContextMenuPage(const StoreContext& store, Prompt& prompt)
    : DialogBase(IDD_SETTINGS_CONTEXT_PAGE), store_(store), prompt_(prompt) {}

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
  if (texture) texture(Handle(), ETDT_ENABLETAB);
  return false;  // the settings dialog places the focus
}

void ContextMenuPage::SwitchEntry(bool on) {
  // The result is not looked at: without the script or the script host the entry stays as it
  // was, and there is nothing the user could do about it here. The settings window owns what
  // the shell shows.
  StoreContext fromHere = store_;
  fromHere.owner = GetAncestor(Handle(), GA_ROOT);
  store_.writer.SwitchExplorerEntry(fromHere, on);
}

void ContextMenuPage::ShowHelp() { prompt_.ShowHelpTopic(store_.programFolder + "\\quillet.chm", kContextMenuTopic); }

bool ContextMenuPage::OnCommand(int id, int code, HWND control) {
  switch (id) {
    case IDC_CONTEXT_ADD:
    case IDC_CONTEXT_REMOVE:
      SwitchEntry(id == IDC_CONTEXT_ADD);
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
