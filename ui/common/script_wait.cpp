#include "ui/common/script_wait.h"

#include <algorithm>

#include "store/scoped_handles.h"
#include "store/target_path.h"
#include "ui/common/message_loop.h"
#include "store/whole_file.h"

namespace quillet {

bool WaitForScriptWithMessages(HANDLE process, const std::string& file, DWORD timeoutMs) {
  // Without the process, a file made in the file's folder wakes the wait, and so does a look every 50 ms.
  const ScopedChangeNotification change(
      process ? INVALID_HANDLE_VALUE
              : FindFirstChangeNotificationA(GetFolderOfPath(file).c_str(), FALSE, FILE_NOTIFY_CHANGE_FILE_NAME));
  const HANDLE wake = process ? process : change.Get();
  const DWORD waited = process || change ? 1 : 0;
  const ULONGLONG deadline = GetTickCount64() + timeoutMs;
  for (;;) {
    if (process ? WaitForSingleObject(process, 0) == WAIT_OBJECT_0 : FileExists(file)) return true;
    const ULONGLONG now = GetTickCount64();
    if (now >= deadline) return false;
    const DWORD slice = static_cast<DWORD>(std::min<ULONGLONG>(deadline - now, process ? INFINITE : 50));
    const DWORD woken = MsgWaitForMultipleObjects(waited, waited ? &wake : nullptr, FALSE, slice, QS_ALLINPUT);
    if (!process && change && woken == WAIT_OBJECT_0) FindNextChangeNotification(wake);
    // The main window's shortcuts are not offered here: they would start another action in the
    // middle of the one that waits.
    if (const std::optional<int> quit = PumpPendingMessages(nullptr)) {
      PostQuitMessage(*quit);
      return false;
    }
  }
}

}  // namespace quillet
