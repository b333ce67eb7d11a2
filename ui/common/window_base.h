#pragma once
// A top-level window that owns its HWND and receives its messages in a virtual member.

#include <windows.h>

namespace quillet {

class WindowBase {
 public:
  WindowBase() = default;
  WindowBase(const WindowBase&) = delete;
  WindowBase& operator=(const WindowBase&) = delete;
  virtual ~WindowBase();

  HWND Handle() const { return hwnd_; }

 protected:
  // Registers the class on first use and creates the window; `this` travels in GWLP_USERDATA.
  // An owned window is destroyed with its owner; without `bounds` Windows chooses the place.
  bool Create(const char* className, const char* caption, DWORD style, DWORD exStyle, HMENU menu,
              HICON icon, HWND owner = nullptr, const RECT* bounds = nullptr);
  virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

 private:
  static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  HWND hwnd_ = nullptr;
};

}  // namespace quillet
