#pragma once

#include <windows.h>

namespace quillet {

// Keeps a window from taking input while it lives, as a modal dialog keeps its owner: for the
// waits that handle messages in the middle of an action.
class InputBlocked {
 public:
  explicit InputBlocked(HWND window) : window_(window && !EnableWindow(window, FALSE) ? window : nullptr) {}
  InputBlocked(const InputBlocked&) = delete;
  InputBlocked& operator=(const InputBlocked&) = delete;
  ~InputBlocked() {
    if (window_) EnableWindow(window_, TRUE);
  }

 private:
  HWND window_;  // null when it was disabled already
};

}  // namespace quillet
