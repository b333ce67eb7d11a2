#pragma once
// Reads a .lnk file back, for checks: once through the shell's own IShellLink, and once through
// lnkinfo (Debian's liblnk-utils), a Linux program that parses the file format independently.
// Also writes one, for tests that need shortcuts made by someone else.

#include <optional>
#include <ostream>
#include <string>

namespace quillet::testing {

inline constexpr int kWindowStyleUnknown = -1;

struct ShortcutFields {
  std::string target;
  std::string arguments;
  std::string workingFolder;
  int windowStyle = kWindowStyleUnknown;  // SW_SHOWNORMAL 1, SW_SHOWMAXIMIZED 3, SW_SHOWMINNOACTIVE 7

  bool operator==(const ShortcutFields&) const = default;
};

void PrintTo(const ShortcutFields& fields, std::ostream* out);

// Target, arguments and working folder through IShellLinkA; the window style from the file
// header (Wine's IShellLink::GetShowCmd always answers 1). Nothing when the file does not load.
std::optional<ShortcutFields> ReadShortcut(const std::string& path);

// Target ("Local path", which a shortcut to an absolute path has), arguments and working folder
// as lnkinfo prints them. The window style
// stays kWindowStyleUnknown: lnkinfo's "Show Window value" is always 0. Only under Wine, which
// can start a Linux program; nothing when lnkinfo fails.
std::optional<ShortcutFields> ReadShortcutWithLnkinfo(const std::string& path);

// Writes a shortcut through IShellLinkA; false when it could not be saved.
bool WriteShortcut(const std::string& path, const ShortcutFields& fields);

}  // namespace quillet::testing
