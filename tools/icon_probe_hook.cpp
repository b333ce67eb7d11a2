// quillet_icon_probe.dll: loaded into a dialog's process by a hook (see icon_probe.h).

#include <windows.h>

#include "tools/icon_probe.h"

using quillet::tools::kIconProbeAnswerTag;

extern "C" __declspec(dllexport) LRESULT CALLBACK QuilletIconProbeHook(int code, WPARAM wParam,
                                                                       LPARAM lParam) {
  if (code == HC_ACTION) {
    const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (sent->message == RegisterWindowMessageA(quillet::tools::kIconProbeMessageName)) {
      const auto icon = reinterpret_cast<HICON>(SendMessageA(sent->hwnd, STM_GETICON, 0, 0));
      // Answered here because the Static's own procedure would just return 0.
      ReplyMessage(kIconProbeAnswerTag | static_cast<LRESULT>(quillet::tools::SystemIconKind(icon)));
    }
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}
