#pragma once
// Walking another process's tree view of folders, as a user does with the keyboard.

#include <windows.h>

#include <string>

namespace quillet::tools {

// Opens the selected node and selects its child with that text (case ignored). False when there
// is no such child.
bool SelectTreeChild(HWND tree, const std::string& text);

}  // namespace quillet::tools
