#include "ui/settings/settings_dialog.h"

#include <commctrl.h>

#include "ui/settings/settings_ids.h"

namespace quillet {

SettingsDialog::SettingsDialog(const StoreContext& store, Prompt& prompt)
    : DialogBase(IDD_SETTINGS), page_(store, prompt) {
  // The template's tab strip needs its window class before the dialog is made.
  const INITCOMMONCONTROLSEX controls{sizeof controls, ICC_TAB_CLASSES};
  InitCommonControlsEx(&controls);
}

bool SettingsDialog::OnInit() {
  const HWND tabs = Item(IDC_SETTINGS_TABS);
  TCITEMA tab{};
  tab.mask = TCIF_TEXT;
  tab.pszText = const_cast<char*>("Context Menu");
  TabCtrl_InsertItem(tabs, 0, &tab);
  if (!page_.CreateModeless(Handle())) return true;
  // The page fills the strip's display area and lies above it: first in the tab order, and
  // clipped out of the strip's painting (WS_CLIPSIBLINGS).
  RECT area{};
  GetWindowRect(tabs, &area);
  MapWindowPoints(nullptr, Handle(), reinterpret_cast<POINT*>(&area), 2);
  TabCtrl_AdjustRect(tabs, FALSE, &area);
  SetWindowPos(page_.Handle(), HWND_TOP, area.left, area.top, area.right - area.left, area.bottom - area.top,
               SWP_SHOWWINDOW);
  return true;
}

bool SettingsDialog::OnCommand(int id, int code, HWND control) {
  if (id == IDOK) {
    Close(IDOK);
    return true;
  }
  return DialogBase::OnCommand(id, code, control);
}

bool SettingsDialog::OnMessage(UINT message, WPARAM, LPARAM, INT_PTR& result) {
  if (message != WM_HELP) return false;
  page_.ShowHelp();  // the page's topic is the dialog's only one
  result = TRUE;
  return true;
}

void ShowSettings(HWND owner, const StoreContext& store, Prompt& prompt) {
  SettingsDialog dialog(store, prompt);
  dialog.ShowModal(owner);
}

}  // namespace quillet
