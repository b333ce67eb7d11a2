// The main window's category pane, and the status bar whose panels follow the category.

#include "ui/main/main_window.h"

#include <commctrl.h>

#include "ui/main/file_types.h"
#include "ui/common/dpi.h"
#include "ui/common/twips.h"
#include "ui/main/main_menu.h"
#include "store/app_paths_store.h"
#include "ui/common/store_messages.h"
#include "ui/common/scoped_ui_handles.h"

namespace quillet {

namespace {
// The tags of the category entries, kept as their item data.
constexpr LPARAM kUserTag = 1;
constexpr LPARAM kSystemTag = 2;

struct CategoryEntry {
  const char* text;
  LPARAM tag;
  double divisor;  // of the entry's width, for its distance left of the pane's middle
};
constexpr CategoryEntry kCategoryEntries[] = {{"My Commands", kUserTag, 4}, {"System", kSystemTag, 2.7}};
}  // namespace

void MainWindow::SetUpCategoryPane() {
  const HWND pane = Control(kCategoryPaneId);
  for (int index = 0; index < 2; ++index) {
    LVITEMA item{};
    item.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM;
    item.iItem = index;
    item.iImage = index;
    item.pszText = const_cast<char*>(kCategoryEntries[index].text);
    item.lParam = kCategoryEntries[index].tag;
    ListView_InsertItem(pane, &item);
  }
  PlaceCategoryEntries();
  ListView_SetItemState(pane, 0, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
  SetStatus(2, "My Commands");
}

// The pane does not place the entries again by itself when their icons, font or the pane's size
// change with the DPI: they would stay where the old sizes put them, off the middle and on top of
// each other.
void MainWindow::PlaceCategoryEntries() {
  const HWND pane = Control(kCategoryPaneId);
  if (ListView_GetItemCount(pane) == 0) return;  // not set up yet
  const UINT dpi = WindowDpi(Handle());
  RECT paneRect{};
  GetClientRect(pane, &paneRect);
  ListView_SetColumnWidth(pane, 0, paneRect.right);
  // From the places the pane itself gives them at the present icon size, not from the last ones.
  ListView_Arrange(pane, LVA_ALIGNTOP);
  const double half = PixelsToTwips(paneRect.right, dpi) / 2;
  for (int index = 0; index < 2; ++index) {
    RECT bounds{};
    ListView_GetItemRect(pane, index, &bounds, LVIR_BOUNDS);
    POINT position{};
    ListView_GetItemPosition(pane, index, &position);
    const double left = half - PixelsToTwips(bounds.right - bounds.left, dpi) / kCategoryEntries[index].divisor;
    ListView_SetItemPosition(pane, index, TwipsToPixels(left, dpi), position.y + TwipsToPixels(200, dpi));
  }
}

LRESULT MainWindow::OnCategoryNotify(const NMHDR& header) {
  switch (header.code) {
    case NM_CLICK:
      // A click beside the entries would leave none selected: the shown category stays selected.
      if (!Selected(kCategoryPaneId)) Select(kCategoryPaneId, category_ == Category::User ? 0 : 1);
      SwitchCategory();
      return 0;
    case LVN_ITEMCHANGED: {
      // The arrow keys switch as a click does; a click itself switches on NM_CLICK.
      const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
      const bool selected = (change.uNewState & LVIS_SELECTED) && !(change.uOldState & LVIS_SELECTED);
      if (selected && GetKeyState(VK_LBUTTON) >= 0) SwitchCategory();
      return 0;
    }
    case LVN_KEYDOWN:
      if (reinterpret_cast<const NMLVKEYDOWN&>(header).wVKey == VK_SPACE) SwitchCategory();
      return 0;
  }
  return 0;
}

void MainWindow::SwitchCategory() {
  const HWND pane = Control(kCategoryPaneId);
  const std::optional<std::size_t> entry = Selected(kCategoryPaneId);
  if (!entry) return;
  LVITEMA item{};
  item.mask = LVIF_PARAM;
  item.iItem = static_cast<int>(*entry);
  ListView_GetItem(pane, &item);
  const bool user = item.lParam == kUserTag;
  if (!user && item.lParam != kSystemTag) return;
  category_ = user ? Category::User : Category::System;

  const HMENU menu = GetMenu(Handle());
  EnableWindow(Control(kAddButtonId), user);
  EnableMenuItemById(menu, kMenuAddCommand, user);
  EnableMenuItemById(menu, kMenuImport, user);
  EnableMenuItemById(menu, kMenuRestore, user);
  if (user) {
    ShowWindow(Control(kUserListId), SW_SHOW);
    ShowWindow(Control(kSystemListId), SW_HIDE);
    SetStatus(2, "My Commands");
    RefreshStatusBar();
    return;
  }
  // The system list is read again on every click, so it shows what App Paths holds now.
  if (!RebuildSystemList(store_, userCommands_, systemCommands_)) TellSystemListFailure(prompt_);
  ListView_SetItemState(Control(kSystemListId), -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
  ShowRows();
  ShowWindow(Control(kSystemListId), SW_SHOW);
  ShowWindow(Control(kUserListId), SW_HIDE);
  if (!systemCommands_.empty()) Select(kSystemListId, 0);
  SetStatus(0, "Count:", false);
  SetStatus(1, "Type:", false);
  SetStatus(2, "System Commands");
}

void MainWindow::RefreshStatusBar() {
  const StatusTexts texts = StatusBarTexts(userCommands_, Selected(kUserListId));
  SetStatus(0, texts.count);
  SetStatus(1, texts.type);
}

// The texts are the status bar's own, so that other programs (screen readers) read them with
// SB_GETTEXT; a greyed panel is painted over in grey after the status bar has drawn it.
void MainWindow::SetStatus(int panel, const std::string& text, bool enabled) {
  panelEnabled_[static_cast<std::size_t>(panel)] = enabled;
  SendMessageA(Control(kStatusBarId), SB_SETTEXTA, static_cast<WPARAM>(panel), reinterpret_cast<LPARAM>(text.c_str()));
  InvalidateRect(Control(kStatusBarId), nullptr, TRUE);
}

LRESULT CALLBACK MainWindow::StatusBarProcedure(HWND bar, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                                DWORD_PTR window) {
  const LRESULT result = DefSubclassProc(bar, message, wParam, lParam);
  if (message == WM_PAINT) reinterpret_cast<const MainWindow*>(window)->GreyDisabledPanels();
  return result;
}

void MainWindow::GreyDisabledPanels() const {
  const HWND bar = Control(kStatusBarId);
  const ScopedWindowDc barDc(bar);
  const HDC dc = barDc.Get();
  const ScopedSelection font(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(bar, WM_GETFONT, 0, 0)));
  for (int panel = 0; panel < static_cast<int>(panelEnabled_.size()); ++panel) {
    if (panelEnabled_[static_cast<std::size_t>(panel)]) continue;
    RECT area{};
    SendMessageA(bar, SB_GETRECT, static_cast<WPARAM>(panel), reinterpret_cast<LPARAM>(&area));
    char text[256] = {};
    SendMessageA(bar, SB_GETTEXTA, static_cast<WPARAM>(panel), reinterpret_cast<LPARAM>(text));
    InflateRect(&area, -2, -1);
    FillRect(dc, &area, GetSysColorBrush(COLOR_BTNFACE));
    area.left += 1;
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
    DrawTextA(dc, text, -1, &area, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
  }
}

}  // namespace quillet
