// The main window's category pane, and the status bar whose panels follow the category.

#include "ui/main/main_window.h"

#include <commctrl.h>

#include "ui/main/file_types.h"
#include "ui/common/dpi.h"
#include "ui/common/twips.h"
#include "ui/main/main_menu.h"
#include "store/app_paths_store.h"

namespace quillet {

namespace {
// The tags of the category entries, kept as their item data.
constexpr LPARAM kUserTag = 1;
constexpr LPARAM kSystemTag = 2;
}  // namespace

void MainWindow::SetUpCategoryPane() {
  const HWND pane = Control(kCategoryPaneId);
  const UINT dpi = WindowDpi(Handle());
  RECT paneRect{};
  GetClientRect(pane, &paneRect);
  ListView_SetColumnWidth(pane, 0, paneRect.right);
  struct Entry {
    const char* text;
    LPARAM tag;
    double divisor;  // of the entry's width, for its distance left of the pane's middle
  };
  const Entry entries[] = {{"My Commands", kUserTag, 4}, {"System", kSystemTag, 2.7}};
  for (int index = 0; index < 2; ++index) {
    LVITEMA item{};
    item.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM;
    item.iItem = index;
    item.iImage = index;
    item.pszText = const_cast<char*>(entries[index].text);
    item.lParam = entries[index].tag;
    ListView_InsertItem(pane, &item);
  }
  const double half = PixelsToTwips(paneRect.right, dpi) / 2;
  for (int index = 0; index < 2; ++index) {
    RECT bounds{};
    ListView_GetItemRect(pane, index, &bounds, LVIR_BOUNDS);
    POINT position{};
    ListView_GetItemPosition(pane, index, &position);
    const double left = half - PixelsToTwips(bounds.right - bounds.left, dpi) / entries[index].divisor;
    ListView_SetItemPosition(pane, index, TwipsToPixels(left, dpi), position.y + TwipsToPixels(200, dpi));
  }
  ListView_SetItemState(pane, 0, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
  SetStatus(2, "My Commands");
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
  RebuildSystemList(Store(), userCommands_, systemCommands_);
  ShowRows();
  const HWND systemList = Control(kSystemListId);
  ShowWindow(systemList, SW_SHOW);
  ShowWindow(Control(kUserListId), SW_HIDE);
  if (!systemCommands_.empty()) ListView_SetItemState(systemList, 0, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
  SetStatus(0, "Count:", false);
  SetStatus(1, "Type:", false);
  SetStatus(2, "System Commands");
}

void MainWindow::RefreshStatusBar() {
  const StatusTexts texts = StatusBarTexts(userCommands_, Selected(kUserListId));
  SetStatus(0, texts.count);
  SetStatus(1, texts.type);
}

// The panels are drawn by the window, since a status bar cannot grey one panel by itself.
void MainWindow::SetStatus(int panel, const std::string& text, bool enabled) {
  status_[static_cast<std::size_t>(panel)] = {text, enabled};
  SendMessageA(Control(kStatusBarId), SB_SETTEXTA, static_cast<WPARAM>(panel) | SBT_OWNERDRAW, panel);
}

void MainWindow::DrawStatusPanel(const DRAWITEMSTRUCT& item) const {
  if (item.itemID >= status_.size()) return;
  const StatusPanel& panel = status_[item.itemID];
  RECT area = item.rcItem;
  area.left += 3;
  SetBkMode(item.hDC, TRANSPARENT);
  SetTextColor(item.hDC, GetSysColor(panel.enabled ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
  const HGDIOBJ previous = SelectObject(item.hDC, font_ ? font_.Get() : GetStockObject(DEFAULT_GUI_FONT));
  DrawTextA(item.hDC, panel.text.c_str(), -1, &area, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
  SelectObject(item.hDC, previous);
}

}  // namespace quillet
