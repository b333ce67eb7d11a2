#include "store/command_name.h"

#include <string_view>

namespace quillet {

bool IsSafeCommandName(const std::string& name) {
  if (name.empty() || name == "." || name == "..") return false;
  constexpr std::string_view kForbidden = "\\/:*?\"<>|";
  for (unsigned char c : name) {
    if (c < 0x20 || kForbidden.find(static_cast<char>(c)) != std::string_view::npos) return false;
  }
  return true;
}

std::string UnsafeNameMessage(const std::string& name) {
  return "The command name '" + name +
         "' cannot be used.\r\nA command name must not be . or .. and must not contain any of "
         "these characters: \\ / : * ? \" < > |";
}

}  // namespace quillet
