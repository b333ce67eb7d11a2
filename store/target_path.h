#pragma once
// Rules on a command's target path that need no file system.

#include <string>

namespace quillet {

// The folder part of a path: the text before its last backslash, with "\" added back after a
// bare drive ("C:\app.exe" and "C:\" give "C:\"). A path without any backslash (a web address,
// a bare file name) has no folder part and gives "", so its shortcut gets no start-in folder.
std::string GetFolderOfPath(const std::string& path);

// A path without any "." is taken for a folder and gets a final "\" if it lacks one;
// a path holding a "." is taken for a file and kept as it is.
std::string ApplyFolderRule(const std::string& path);

// A target that names an address rather than a file: it begins with a scheme of two or more
// characters and a colon ("http:", "mailto:", "ms-settings:"), which a drive ("C:") never has.
// cshortcut.vbs makes a browser launcher exactly for these; the health checks never probe them.
bool IsWebAddress(const std::string& target);

// A target of the form "X:\...": the only kind whose existence can be told without the network
// or a search path.
bool IsDriveAbsolute(const std::string& target);

}  // namespace quillet
