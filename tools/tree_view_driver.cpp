#include "tools/tree_view_driver.h"

#include "tools/remote_item.h"

namespace quillet::tools {

namespace {

std::string ItemText(HWND tree, const RemoteItem& remote, HTREEITEM item) {
  TVITEMA record{};
  record.mask = TVIF_TEXT;
  record.hItem = item;
  record.pszText = remote.Text();
  record.cchTextMax = kTextCapacity;
  if (!remote.Write(record) || !SendMessageA(tree, TVM_GETITEMA, 0, remote.Item())) return {};
  return remote.ReadText();
}

}  // namespace

bool SelectTreeChild(HWND tree, const std::string& text) {
  const RemoteItem remote(tree);
  const auto selected = reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_GETNEXTITEM, TVGN_CARET, 0));
  if (!remote.Valid() || !selected) return false;
  // Opening the node lets its owner list the folders in it.
  SendMessageA(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(selected));
  for (auto child = reinterpret_cast<HTREEITEM>(
           SendMessageA(tree, TVM_GETNEXTITEM, TVGN_CHILD, reinterpret_cast<LPARAM>(selected)));
       child; child = reinterpret_cast<HTREEITEM>(
                  SendMessageA(tree, TVM_GETNEXTITEM, TVGN_NEXT, reinterpret_cast<LPARAM>(child)))) {
    if (lstrcmpiA(ItemText(tree, remote, child).c_str(), text.c_str()) == 0) {
      return SendMessageA(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(child)) != 0;
    }
  }
  return false;
}

}  // namespace quillet::tools
