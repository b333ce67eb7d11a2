#pragma once
// Small text helpers shared by the rules.

#include <string>
#include <string_view>

namespace quillet {

// Removes leading and trailing blanks (spaces only, as the command line and the stored texts use them).
inline std::string TrimSpaces(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(' ');
  return std::string(text.substr(first, last - first + 1));
}

}  // namespace quillet
