#include "tests/tools/control_driver.h"

#include <commctrl.h>

#include "store/scoped_handles.h"

namespace quillet::tools {

namespace {

// A block of memory in the control's process that holds an item record (LVITEMA, TVITEMA, RECT)
// and its text buffer, for the control messages that carry pointers.
constexpr int kTextCapacity = 1024;

class RemoteItem {
 public:
  explicit RemoteItem(HWND control) {
    DWORD processId = 0;
    GetWindowThreadProcessId(control, &processId);
    process_.Reset(OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId));
    if (process_) {
      memory_ = static_cast<char*>(VirtualAllocEx(process_.Get(), nullptr, sizeof(LVITEMA) + kTextCapacity,
                                                  MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
    }
  }
  RemoteItem(const RemoteItem&) = delete;
  RemoteItem& operator=(const RemoteItem&) = delete;
  ~RemoteItem() {
    if (memory_) VirtualFreeEx(process_.Get(), memory_, 0, MEM_RELEASE);
  }

  bool Valid() const { return memory_ != nullptr; }
  LPARAM Item() const { return reinterpret_cast<LPARAM>(memory_); }
  char* Text() const { return memory_ + sizeof(LVITEMA); }

  // The record at the start of the block: an item record, or a RECT for LVM_GETITEMRECT.
  template <typename Record>
  bool Write(const Record& record) const {
    static_assert(sizeof(Record) <= sizeof(LVITEMA));
    return WriteProcessMemory(process_.Get(), memory_, &record, sizeof record, nullptr) != 0;
  }
  RECT ReadRect() const {
    RECT rect{};
    ReadProcessMemory(process_.Get(), memory_, &rect, sizeof rect, nullptr);
    return rect;
  }
  std::string ReadText() const {
    char text[kTextCapacity] = {};
    if (!ReadProcessMemory(process_.Get(), Text(), text, sizeof text - 1, nullptr)) return {};
    return text;
  }

 private:
  ScopedProcess process_;
  char* memory_ = nullptr;
};

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

std::string StatusBarText(HWND status, int part) {
  const RemoteItem remote(status);
  if (!remote.Valid()) return {};
  SendMessageA(status, SB_GETTEXTA, static_cast<WPARAM>(part), reinterpret_cast<LPARAM>(remote.Text()));
  return remote.ReadText();
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
