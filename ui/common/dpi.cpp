#include "ui/common/dpi.h"

#include "store/shell_functions.h"
#include "ui/common/scoped_ui_handles.h"

namespace quillet {

namespace {

UINT SystemDpi() {
  const int dpi = GetDeviceCaps(ScopedWindowDc().Get(), LOGPIXELSY);
  return dpi > 0 ? static_cast<UINT>(dpi) : USER_DEFAULT_SCREEN_DPI;
}

}  // namespace

UINT WindowDpi(HWND window) {
  static const auto forWindow = SystemFunction<UINT WINAPI(HWND)>("user32.dll", "GetDpiForWindow");
  const UINT dpi = forWindow && window ? forWindow(window) : 0;
  return dpi != 0 ? dpi : SystemDpi();
}

int SystemMetricAtDpi(int index, UINT dpi) {
  static const auto forDpi = SystemFunction<int WINAPI(int, UINT)>("user32.dll", "GetSystemMetricsForDpi");
  if (forDpi) return forDpi(index, dpi);
  return MulDiv(GetSystemMetrics(index), static_cast<int>(dpi), static_cast<int>(SystemDpi()));
}

void AdjustRectForDpi(RECT& area, DWORD style, bool hasMenu, DWORD exStyle, UINT dpi) {
  static const auto forDpi =
      SystemFunction<BOOL WINAPI(LPRECT, DWORD, BOOL, DWORD, UINT)>("user32.dll", "AdjustWindowRectExForDpi");
  if (forDpi) {
    forDpi(&area, style, hasMenu, exStyle, dpi);
  } else {
    AdjustWindowRectEx(&area, style, hasMenu, exStyle);
  }
}

}  // namespace quillet
