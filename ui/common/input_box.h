#pragma once
// A small modal dialog that asks for one line of text: prompt, edit box, OK and Cancel.

#include <windows.h>

#include <optional>
#include <string>

namespace quillet {

// The edit box starts with defaultText, all of it selected. Returns the text on OK,
// nothing on Cancel or when the dialog could not be shown.
std::optional<std::string> ShowInputBox(HWND owner, const std::string& prompt, const std::string& title,
                                        const std::string& defaultText);

}  // namespace quillet
