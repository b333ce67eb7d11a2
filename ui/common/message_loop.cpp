#include "ui/common/message_loop.h"

#include "ui/common/dialog_base.h"

namespace quillet {

std::optional<int> PumpPendingMessages(const std::function<bool(MSG&)>& shortcuts) {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) return static_cast<int>(message.wParam);
    if ((shortcuts && shortcuts(message)) || RouteDialogMessage(message)) continue;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return std::nullopt;
}

int RunMessageLoop(const std::function<bool(MSG&)>& shortcuts, const std::function<std::vector<HANDLE>()>& handles,
                   const std::function<void(HANDLE)>& signalled) {
  for (;;) {
    const std::vector<HANDLE> waited = handles();
    const DWORD count = static_cast<DWORD>(waited.size());
    const DWORD woken = MsgWaitForMultipleObjectsEx(count, waited.data(), INFINITE, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    if (woken < WAIT_OBJECT_0 + count) signalled(waited[woken - WAIT_OBJECT_0]);
    if (const std::optional<int> quit = PumpPendingMessages(shortcuts)) return *quit;
  }
}

}  // namespace quillet
