#pragma once
// Reading a shortcut (.lnk) file: what the import hands to its script, and what a shortcut the
// program wrote holds.

#include <optional>
#include <string>

namespace quillet {

struct ShellLinkFields {
  std::string target;
  std::string arguments;
  std::string workingFolder;
  int windowStyle = 1;  // SW_SHOWNORMAL 1, SW_SHOWMAXIMIZED 3, SW_SHOWMINNOACTIVE 7

  bool operator==(const ShellLinkFields&) const = default;
};

// Target, arguments and start-in folder through the shell's IShellLink; the window style from
// the file's header, since Wine's IShellLink reports 1 for every shortcut. Nothing when the file
// is not a shortcut the shell can load.
std::optional<ShellLinkFields> ReadShellLink(const std::string& path);

}  // namespace quillet
