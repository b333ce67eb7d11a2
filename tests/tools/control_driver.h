#pragma once
// Reading and using another process's list and tree views. Their messages carry pointers, so the
// item records and their text buffers are placed in the owner's memory (see ui_driver.cpp).

#include <windows.h>

#include <string>
#include <vector>

namespace quillet::tools {

// The texts of every row, `columns` sub-items each; "" for a text that cannot be read.
std::vector<std::vector<std::string>> ReadListViewRows(HWND list, int columns);

// The text of one status-bar part, as a screen reader reads it (SB_GETTEXT).
std::string StatusBarText(HWND status, int part);

// Clicks a row with the left mouse button, once or twice, through the list view's own mouse
// handling (which selects the row and tells the parent of the click).
enum class Clicks { Single, Double };
bool ClickListViewRow(HWND list, int row, Clicks clicks = Clicks::Single);

// Opens the selected node of a tree view and selects its child with that text (case ignored).
// False when there is no such child.
bool SelectTreeChild(HWND tree, const std::string& text);

}  // namespace quillet::tools
