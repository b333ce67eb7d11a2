#include "ui/settings/credits_box.h"

#include "resources/version.h"
#include "ui/common/dialog_styling.h"
#include "ui/settings/about_ids.h"
#include "ui/settings/addresses.h"

namespace quillet {

CreditsBox::CreditsBox(ShellLauncher& shell)
    : DialogBase(IDD_CREDITS),
      links_(shell, {{IDC_CREDITS_PARTS_LINK, kQuilletHomePage, ""},
                     {IDC_CREDITS_ICONS_PAGE, kTangoHomePage, ""},
                     {IDC_CREDITS_ICONS_MAIL, kTangoMail, ""}}) {}

bool CreditsBox::OnInit() {
  SetItemText(IDC_CREDITS_PARTS_VERSION, "Version " QUILLET_VERSION_TEXT);  // in code, as the About box's name is
  links_.Init(Handle());
  headingFont_ = DerivedFont(Handle(), {.bold = true});
  SetControlFont(Handle(), {IDC_CREDITS_PARTS_HEADING, IDC_CREDITS_ICONS_HEADING}, headingFont_);
  return true;
}

bool CreditsBox::OnCommand(int id, int code, HWND control) {
  return links_.OnCommand(Handle(), id, code) || DialogBase::OnCommand(id, code, control);
}

bool CreditsBox::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) {
  return links_.OnMessage(Handle(), message, wParam, lParam, result);
}

void ShowCredits(HWND owner, ShellLauncher& shell) {
  CreditsBox box(shell);
  box.ShowModal(owner);
}

}  // namespace quillet
