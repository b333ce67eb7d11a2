#pragma once
// The command record the program passes around, and the window-mode codes it carries.

#include <cstdint>
#include <string>

namespace quillet {

// Windows show-window codes, as the launcher shortcut stores them.
enum WindowMode : std::int16_t { kWindowNormal = 1, kWindowMaximized = 3, kWindowMinimized = 7 };

struct CommandRecord {
  std::string name;
  std::string target;
  std::string parameters;
  std::int16_t windowMode = kWindowNormal;

  bool operator==(const CommandRecord&) const = default;
};

// The window mode of a stored text: "3" or "7" with or without blanks around it; anything else
// counts as Normal. Every reader of a definition file's line 5 goes through this.
std::int16_t WindowModeFromText(const std::string& text);

}  // namespace quillet
