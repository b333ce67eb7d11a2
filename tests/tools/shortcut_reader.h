#pragma once
// Reads a .lnk file back, for checks: once through the shell's own IShellLink, and once through
// lnkinfo (Debian's liblnk-utils), a Linux program that parses the file format independently.
// Also writes one, for tests that need shortcuts made by someone else.

#include <optional>
#include <ostream>
#include <string>

#include "store/shell_link.h"

namespace quillet {
// How a failed comparison shows one.
inline void PrintTo(const ShellLinkFields& fields, std::ostream* out) {
  *out << "{target \"" << fields.target << "\", arguments \"" << fields.arguments << "\", working folder \""
       << fields.workingFolder << "\", window style " << fields.windowStyle << "}";
}
}  // namespace quillet

namespace quillet::testing {

using ShortcutFields = ShellLinkFields;

// Target, arguments and working folder through IShellLinkA; the window style from the file
// header (Wine's IShellLink::GetShowCmd always answers 1). Nothing when the file does not load.
inline std::optional<ShortcutFields> ReadShortcut(const std::string& path) { return ReadShellLink(path); }

// The shortcut as IShellLink reads it, when lnkinfo finds the same target, arguments and working
// folder in the file; nothing when either cannot read it or the two disagree. Only under Wine,
// which can start lnkinfo, a Linux program.
std::optional<ShortcutFields> ReadShortcutTwice(const std::string& path);

// Writes a shortcut through IShellLinkA, as another program would; false when it could not be saved.
inline bool WriteShortcut(const std::string& path, const ShortcutFields& fields) { return WriteShellLink(path, fields); }

}  // namespace quillet::testing
