#pragma once
// A block of memory in another process that holds a control's item record (LVITEMA, TVITEMA,
// RECT) and its text buffer, for the control messages that carry pointers.

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "store/scoped_handles.h"

namespace quillet::tools {

inline constexpr int kTextCapacity = 1024;

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

}  // namespace quillet::tools
