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

}  // namespace quillet
