#pragma once
// The command record the program passes around, and the window-mode codes it carries.

#include <cstdint>
#include <string>

namespace quillet {

enum class CommandKind { User, System };

// Windows show-window codes, as the launcher shortcut stores them.
enum WindowMode : std::int16_t { kWindowNormal = 1, kWindowMaximized = 3, kWindowMinimized = 7 };

struct CommandRecord {
  std::string name;
  std::string target;
  std::string parameters;
  std::int16_t windowMode = kWindowNormal;
  CommandKind kind = CommandKind::User;

  bool operator==(const CommandRecord&) const = default;
};

// A stored window-mode text other than "3" or "7" counts as Normal.
std::int16_t WindowModeFromText(const std::string& text);

}  // namespace quillet
