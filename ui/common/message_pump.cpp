#include "ui/common/message_pump.h"

#include "ui/common/dialog_base.h"

namespace quillet {

bool PumpMessagesUntil(const std::function<bool()>& done, DWORD timeoutMs) {
  const ULONGLONG deadline = GetTickCount64() + timeoutMs;
  for (;;) {
    if (done()) return true;
    if (GetTickCount64() >= deadline) return false;
    // Wakes for any message, and at least every 50 ms to look again.
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (message.message == WM_QUIT) {
        PostQuitMessage(static_cast<int>(message.wParam));
        return false;
      }
      if (RouteDialogMessage(message)) continue;
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
  }
}

}  // namespace quillet
