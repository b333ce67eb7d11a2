#pragma once
// Reading windows of any process: class, text, children, control kinds.

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

namespace quillet::tools {

std::string ClassNameOf(HWND window);

// The text through WM_GETTEXT, which the system carries across processes. GetWindowText
// would not do: for another process's window it returns the stored caption, which for an
// Edit control is only the text it was created with.
std::string TextOf(HWND window);
// The same through the wide functions: what the window shows, whatever the ANSI code page holds.
std::wstring WideTextOf(HWND window);

// A caption as shown: single '&' (accelerator marks) removed, "&&" kept as one '&'.
std::string WithoutAccelerators(std::string_view caption);
// Captions compared as shown and without regard to case ("&Yes" matches "yes").
bool SameCaption(std::string_view a, std::string_view b);

// The direct children in child (Z) order.
std::vector<HWND> ChildrenOf(HWND window);

// A Static showing a picture (icon, bitmap, metafile) rather than text.
bool IsPictureStatic(HWND control);
// A Button control of a push-button kind (not a check box, radio button or group box).
bool IsPushButton(HWND control);
bool HasVisibleStyle(HWND window);

// Returns once the window's thread has handled a message, which it does only after
// WM_INITDIALOG has finished filling in the dialog. False if the window is gone or hung.
bool SyncWithOwnerThread(HWND window);

}  // namespace quillet::tools
