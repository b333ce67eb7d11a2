#pragma once
// What every store operation works with: the program folder P, the window that owns
// anything the shell shows, and the way to tell the user about a failure.

#include <windows.h>

#include <string>

#include "store/notifier.h"

namespace quillet {

struct StoreContext {
  std::string programFolder;  // without a trailing backslash
  HWND owner = nullptr;
  Notifier& notifier;
};

}  // namespace quillet
