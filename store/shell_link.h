#pragma once
// Reading and writing shortcut (.lnk) files: what the import reads of a shortcut, and the
// launcher shortcuts Quillet writes itself where Windows cannot run its scripts.

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

// Writes a shortcut through IShellLinkA and IPersistFile::Save, as the Script Host's
// CreateShortcut does; an empty start-in folder is left unset. False when it could not be saved.
bool WriteShellLink(const std::string& path, const ShellLinkFields& fields);

}  // namespace quillet
