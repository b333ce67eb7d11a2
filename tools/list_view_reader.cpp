#include "tools/list_view_reader.h"

#include <commctrl.h>

#include "store/scoped_handles.h"

namespace quillet::tools {

namespace {

constexpr int kTextCapacity = 1024;

// A block of memory in the list view's process, holding an LVITEMA and its text buffer.
class RemoteItem {
 public:
  explicit RemoteItem(HWND list) {
    DWORD processId = 0;
    GetWindowThreadProcessId(list, &processId);
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

  bool Write(const LVITEMA& item) const {
    return WriteProcessMemory(process_.Get(), memory_, &item, sizeof item, nullptr) != 0;
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

bool SelectListViewRow(HWND list, int row) {
  const RemoteItem remote(list);
  LVITEMA item{};
  item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  item.state = LVIS_SELECTED | LVIS_FOCUSED;
  return remote.Valid() && remote.Write(item) &&
         SendMessageA(list, LVM_SETITEMSTATE, static_cast<WPARAM>(row), remote.Item()) != 0;
}

}  // namespace quillet::tools
