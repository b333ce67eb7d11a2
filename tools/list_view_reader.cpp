#include "tools/list_view_reader.h"

#include <commctrl.h>

#include "tools/remote_item.h"

namespace quillet::tools {

std::vector<std::vector<std::string>> ReadListViewRows(HWND list, int columns) {
  std::vector<std::vector<std::string>> rows;
  const RemoteItem remote(list);
  if (!remote.Valid()) return rows;
  const int count = static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
  for (int row = 0; row < count; ++row) {
    std::vector<std::string>& texts = rows.emplace_back();
    for (int column = 0; column < columns; ++column) {
      LVITEMA item{};
      item.iSubItem = column;
      item.pszText = remote.Text();
      item.cchTextMax = kTextCapacity;
      if (!remote.Write(item)) return {};
      SendMessageA(list, LVM_GETITEMTEXTA, static_cast<WPARAM>(row), remote.Item());
      texts.push_back(remote.ReadText());
    }
  }
  return rows;
}

bool SelectListViewRow(HWND list, int row) {
  const RemoteItem remote(list);
  LVITEMA item{};
  item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  item.state = LVIS_SELECTED | LVIS_FOCUSED;
  return remote.Valid() && remote.Write(item) &&
         SendMessageA(list, LVM_SETITEMSTATE, static_cast<WPARAM>(row), remote.Item()) != 0;
}

bool ClickListViewRow(HWND list, int row, Clicks clicks) {
  const RemoteItem remote(list);
  RECT bounds{};
  bounds.left = LVIR_LABEL;  // which part of the row LVM_GETITEMRECT measures
  if (!remote.Valid() || !remote.Write(bounds) ||
      !SendMessageA(list, LVM_GETITEMRECT, static_cast<WPARAM>(row), remote.Item())) {
    return false;
  }
  const RECT rect = remote.ReadRect();
  const LPARAM point = MAKELPARAM((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
  PostMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, point);
  PostMessageA(list, WM_LBUTTONUP, 0, point);
  if (clicks == Clicks::Double) {
    PostMessageA(list, WM_LBUTTONDBLCLK, MK_LBUTTON, point);
    PostMessageA(list, WM_LBUTTONUP, 0, point);
  }
  return true;
}

}  // namespace quillet::tools
