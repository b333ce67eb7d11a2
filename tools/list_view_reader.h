#pragma once
// Reading and selecting the rows of another process's list view. List-view messages carry
// pointers, so the item record and its text buffer are placed in the owner's memory.

#include <windows.h>

#include <string>
#include <vector>

namespace quillet::tools {

// The texts of every row, `columns` sub-items each; empty when the list cannot be read.
std::vector<std::vector<std::string>> ReadListViewRows(HWND list, int columns);

// Selects and focuses one row, as a click on it would.
bool SelectListViewRow(HWND list, int row);

// Clicks a row with the left mouse button, once or twice, through the list view's own mouse
// handling (which selects the row and tells the parent of the click).
enum class Clicks { Single, Double };
bool ClickListViewRow(HWND list, int row, Clicks clicks = Clicks::Single);

}  // namespace quillet::tools
