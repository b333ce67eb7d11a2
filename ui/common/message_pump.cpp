#include "ui/common/message_pump.h"

#include "store/scoped_handles.h"
#include "store/target_path.h"
#include "ui/common/message_loop.h"

namespace quillet {

namespace {

bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

}  // namespace

bool WaitForFileWithMessages(const std::string& path, DWORD timeoutMs) {
  const ScopedChangeNotification change(
      FindFirstChangeNotificationA(GetFolderOfPath(path).c_str(), FALSE, FILE_NOTIFY_CHANGE_FILE_NAME));
  const HANDLE wake = change.Get();
  const ULONGLONG deadline = GetTickCount64() + timeoutMs;
  for (;;) {
    if (Exists(path)) return true;
    if (GetTickCount64() >= deadline) return false;
    const DWORD woken = MsgWaitForMultipleObjects(change ? 1 : 0, change ? &wake : nullptr, FALSE, 50, QS_ALLINPUT);
    if (change && woken == WAIT_OBJECT_0) FindNextChangeNotification(wake);
    // The main window's shortcuts are not offered here: they would start another action in the
    // middle of the one that waits.
    if (const std::optional<int> quit = PumpPendingMessages(nullptr)) {
      PostQuitMessage(*quit);
      return false;
    }
  }
}

}  // namespace quillet
