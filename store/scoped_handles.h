#pragma once
// One owning type per kind of Windows handle: closed on scope exit, never copied.

#include <windows.h>

#include <utility>

namespace quillet {

template <typename Handle, typename Traits>
class ScopedHandle {
 public:
  ScopedHandle() = default;
  explicit ScopedHandle(Handle handle) : handle_(handle) {}
  ScopedHandle(const ScopedHandle&) = delete;
  ScopedHandle& operator=(const ScopedHandle&) = delete;
  ScopedHandle(ScopedHandle&& other) noexcept : handle_(std::exchange(other.handle_, Traits::Invalid())) {}
  ScopedHandle& operator=(ScopedHandle&& other) noexcept {
    if (this != &other) Reset(std::exchange(other.handle_, Traits::Invalid()));
    return *this;
  }
  ~ScopedHandle() { Reset(); }

  Handle Get() const { return handle_; }
  bool Valid() const { return handle_ != Traits::Invalid(); }
  explicit operator bool() const { return Valid(); }
  void Reset(Handle handle = Traits::Invalid()) {
    if (Valid()) Traits::Close(handle_);
    handle_ = handle;
  }

 private:
  Handle handle_ = Traits::Invalid();
};

struct KernelHandleTraits {
  static HANDLE Invalid() { return INVALID_HANDLE_VALUE; }
  static void Close(HANDLE h) { CloseHandle(h); }
};
struct FindHandleTraits {
  static HANDLE Invalid() { return INVALID_HANDLE_VALUE; }
  static void Close(HANDLE h) { FindClose(h); }
};
struct ChangeNotificationTraits {
  static HANDLE Invalid() { return INVALID_HANDLE_VALUE; }
  static void Close(HANDLE h) { FindCloseChangeNotification(h); }
};
struct RegistryKeyTraits {
  static HKEY Invalid() { return nullptr; }
  static void Close(HKEY key) { RegCloseKey(key); }
};
struct IconTraits {
  static HICON Invalid() { return nullptr; }
  static void Close(HICON icon) { DestroyIcon(icon); }
};

using ScopedFile = ScopedHandle<HANDLE, KernelHandleTraits>;       // CreateFile results
using ScopedFind = ScopedHandle<HANDLE, FindHandleTraits>;         // FindFirstFile results
using ScopedRegistryKey = ScopedHandle<HKEY, RegistryKeyTraits>;
using ScopedIcon = ScopedHandle<HICON, IconTraits>;
// FindFirstChangeNotification results
using ScopedChangeNotification = ScopedHandle<HANDLE, ChangeNotificationTraits>;

// Process, thread and event handles use NULL, not INVALID_HANDLE_VALUE, for "none".
struct ProcessHandleTraits {
  static HANDLE Invalid() { return nullptr; }
  static void Close(HANDLE h) { CloseHandle(h); }
};
using ScopedProcess = ScopedHandle<HANDLE, ProcessHandleTraits>;
using ScopedEvent = ScopedHandle<HANDLE, ProcessHandleTraits>;

}  // namespace quillet
