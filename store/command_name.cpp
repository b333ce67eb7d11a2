#include "store/command_name.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "store/text.h"

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

bool IsOwnRunWord(const std::string& name) {
  constexpr std::array<std::string_view, 4> kOwnWords{"create", "remove", "clear", "quillet"};
  // The words are ASCII, so folding the ASCII letters is enough; other bytes stay as they are.
  return std::find(kOwnWords.begin(), kOwnWords.end(), LowerAscii(name)) != kOwnWords.end();
}

std::string OwnRunWordMessage(const std::string& name) {
  return "The command name '" + name +
         "' cannot be used.\r\ncreate, remove, clear and quillet are Quillet's own Run words: they cannot be "
         "made into commands or removed.";
}

}  // namespace quillet
