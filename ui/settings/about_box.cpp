#include "ui/settings/about_box.h"

#include "resources/resource_ids.h"
#include "resources/version.h"
#include "ui/common/dialog_styling.h"
#include "ui/common/dpi.h"
#include "ui/settings/about_ids.h"
#include "ui/settings/addresses.h"
#include "ui/settings/credits_box.h"

namespace quillet {

namespace {
// Set by the code rather than in the template: not every resource compiler joins the two strings.
constexpr const char* kNameAndVersion = "Quillet " QUILLET_VERSION_TEXT;
}  // namespace

AboutBox::AboutBox(ShellLauncher& shell)
    : DialogBase(IDD_ABOUT),
      shell_(shell),
      links_(shell, {{IDC_ABOUT_MAIL, kQuilletMail, kNameAndVersion}, {IDC_ABOUT_HOME, kQuilletHomePage, ""}}) {}

bool AboutBox::OnInit() {
  SetItemText(IDC_ABOUT_NAME, kNameAndVersion);
  links_.Init(Handle(), {IDC_ABOUT_THANKS});
  nameFont_ = DerivedFont(Handle(), {.bold = true, .heightPercent = 150});
  SetControlFont(Handle(), {IDC_ABOUT_NAME}, nameFont_);
  const UINT dpi = WindowDpi(Handle());
  picture_ = SetPicture(Handle(), IDC_ABOUT_PICTURE, IDI_QUILLET, 48, dpi);
  arrow_ = SetPicture(Handle(), IDC_ABOUT_ARROW, IDI_THANKS_ARROW, 16, dpi);
  return true;
}

bool AboutBox::OnCommand(int id, int code, HWND control) {
  if (links_.OnCommand(Handle(), id, code)) return true;
  if (id == IDC_ABOUT_THANKS) {
    if (code == STN_CLICKED) ShowCredits(Handle(), shell_);
    return true;
  }
  return DialogBase::OnCommand(id, code, control);
}

bool AboutBox::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) {
  // The arrow points at "Thanks to" while the mouse is over it, and goes when the mouse moves
  // over anything else of the box (the dialog hears of every move through WM_SETCURSOR).
  if (message == WM_SETCURSOR) {
    const bool overThanks = reinterpret_cast<HWND>(wParam) == Item(IDC_ABOUT_THANKS);
    ShowWindow(Item(IDC_ABOUT_ARROW), overThanks ? SW_SHOWNA : SW_HIDE);
  }
  return links_.OnMessage(Handle(), message, wParam, lParam, result);
}

void ShowAbout(HWND owner, ShellLauncher& shell) {
  AboutBox box(shell);
  box.ShowModal(owner);
}

}  // namespace quillet
