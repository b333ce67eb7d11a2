#include "ui/common/window_base.h"

namespace quillet {

WindowBase::~WindowBase() {
  if (hwnd_) {
    SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
    DestroyWindow(hwnd_);
  }
}

bool WindowBase::Create(const char* className, const char* caption, DWORD style, DWORD exStyle, HMENU menu,
                        HICON icon, HWND owner, const RECT* bounds) {
  const HINSTANCE instance = GetModuleHandleA(nullptr);
  WNDCLASSEXA windowClass{};
  if (!GetClassInfoExA(instance, className, &windowClass)) {
    windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = Procedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = className;
    windowClass.hIcon = icon;
    windowClass.hIconSm = icon;
    if (!RegisterClassExA(&windowClass)) return false;
  }
  const RECT place = bounds ? *bounds : RECT{CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT};
  const int width = bounds ? place.right - place.left : CW_USEDEFAULT;
  const int height = bounds ? place.bottom - place.top : CW_USEDEFAULT;
  return CreateWindowExA(exStyle, className, caption, style, place.left, place.top, width, height, owner, menu,
                         instance, this) != nullptr;
}

LRESULT WindowBase::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcA(hwnd_, message, wParam, lParam);
}

LRESULT CALLBACK WindowBase::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* window = static_cast<WindowBase*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
    window->hwnd_ = hwnd;
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(window));
  }
  auto* window = reinterpret_cast<WindowBase*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (!window) return DefWindowProcA(hwnd, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
    window->hwnd_ = nullptr;
    return DefWindowProcA(hwnd, message, wParam, lParam);
  }
  // An exception must not unwind through the system's code that called us.
  try {
    return window->HandleMessage(message, wParam, lParam);
  } catch (...) {
    return DefWindowProcA(hwnd, message, wParam, lParam);
  }
}

}  // namespace quillet
