#pragma once
// The command editor's input rules that need no window: the name box, the window-mode box and
// the four parameter boxes.

#include <array>
#include <cstdint>
#include <string>

namespace quillet {

// The name box as the user types: lower case, without leading and trailing blanks.
std::string NameBoxText(const std::string& typed);

// Only a to z and 0 to 9 make a command name in the editor.
bool HasOnlyNameCharacters(const std::string& name);

// The window-mode box after it loses the focus: anything but exactly "Normal", "Minimized" or
// "Maximized" becomes "Normal".
std::string WindowModeBoxText(const std::string& text);
// The code a window-mode text stands for: 7 "Minimized", 3 "Maximized", 1 for anything else.
std::int16_t WindowModeOfBoxText(const std::string& text);
// The box text for a window mode: Maximized, Minimized, else Normal.
std::string WindowModeBoxTextOf(std::int16_t windowMode);

using ParameterBoxes = std::array<std::string, 4>;

// A stored parameter string split into the four boxes at blanks. Runs of blanks make no empty
// boxes, and a string ending in a blank keeps it on its last word. A double-quoted run is one
// word with its blanks, so that saving again gives back the same string; the words after the
// third all go into the fourth box, so that none is lost.
ParameterBoxes SplitParameters(const std::string& parameters);

// The boxes joined in order: each non-empty box trimmed, then one blank between them.
std::string JoinParameters(const ParameterBoxes& boxes);

}  // namespace quillet
