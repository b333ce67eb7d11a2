#pragma once
// The DPI functions of Windows 10 (1607 and later), bound when first used and replaced by the
// system DPI where they are missing, so that Quillet also starts on Windows 7 SP1 and 8.1.

#include <windows.h>

namespace quillet {

// The window's DPI: its monitor's with per-monitor awareness, else the system's.
UINT WindowDpi(HWND window);

// A system metric at that DPI; without GetSystemMetricsForDpi the system's metric, scaled.
int SystemMetricAtDpi(int index, UINT dpi);

// The outer rectangle of a window whose client area is `area`, at that DPI.
void AdjustRectForDpi(RECT& area, DWORD style, bool hasMenu, DWORD exStyle, UINT dpi);

}  // namespace quillet
