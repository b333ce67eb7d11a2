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

int RunMessageLoop(LoopClient& client) {
  const auto shortcuts = [&client](MSG& message) { return client.TranslateShortcut(message); };
  for (;;) {
    const std::vector<HANDLE> waited = client.WatchHandles();
    const DWORD count = static_cast<DWORD>(waited.size());
    const DWORD woken =
        MsgWaitForMultipleObjectsEx(count, waited.data(), client.MsUntilDue(), QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    if (woken < WAIT_OBJECT_0 + count) client.OnSignalled(waited[woken - WAIT_OBJECT_0]);
    if (client.MsUntilDue() == 0) client.OnDue();
    if (const std::optional<int> quit = PumpPendingMessages(shortcuts)) return *quit;
  }
}

}  // namespace quillet
