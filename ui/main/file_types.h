#pragma once
// What kind of target a command has, judged from its path alone: a type name for the status bar
// and one of the thirteen built-in icons for the command lists.

#include <optional>
#include <string>

#include "store/command_table.h"

namespace quillet {

// The last four characters of the path (all of it when shorter), lower-cased: ".exe", "html".
std::string PathKey(const std::string& path);

// How the type and icon tables tell an address: the path, without its surrounding blanks, is a
// web address of any scheme by the rule that cshortcut.vbs shares (IsWebAddress,
// store/target_path.h), so that what the list shows is what the command does.
bool ShowsAsWebAddress(const std::string& path);

// "Executable", "Webpage", ..., "Folder" for a path ending in "\", else "Other"; "URL" for a
// path that shows as a web address.
std::string FileTypeName(const std::string& path);

// Positions of the built-in icons in the command image list (1-based, as the rows store them).
enum BuiltInIcon : int {
  kIconFolder = 1, kIconHelp, kIconWeb, kIconFilm, kIconOffice, kIconImage, kIconSound,
  kIconRegistry, kIconText, kIconScript, kIconGeneric, kIconProgram, kIconShortcut,
};
inline constexpr int kBuiltInIconCount = 13;

// The built-in icon for a path: the folder icon for a final "\", the web icon for a web address.
int IconIndexForPath(const std::string& path);

// Programs (".exe", ".dll", but not at a web address) show their own icon, extracted from the file.
bool HasOwnIcon(const std::string& path);

// The texts of the status bar's count and type panels for the user list and its selected row.
struct StatusTexts {
  std::string count;
  std::string type;
};
StatusTexts StatusBarTexts(const UserCommandList& rows, std::optional<std::size_t> selected);

}  // namespace quillet
