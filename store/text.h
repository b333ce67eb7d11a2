#pragma once
// Small text helpers shared by the rules.

#include <algorithm>
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

// A to Z become a to z; every other byte stays (names and file endings are compared this way,
// whatever the code page).
inline std::string LowerAscii(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
  return text;
}

// Equal when the names differ at most in the case of A to Z: the registry and the file system
// treat such names as one.
inline bool SameNameIgnoringCase(std::string_view a, std::string_view b) {
  const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [&](char x, char y) { return lower(x) == lower(y); });
}

// Whether `text` ends in `ending`, A to Z matched in either case (".LNK" ends in ".lnk").
inline bool EndsWithIgnoringCase(std::string_view text, std::string_view ending) {
  return text.size() >= ending.size() && SameNameIgnoringCase(text.substr(text.size() - ending.size()), ending);
}

}  // namespace quillet
