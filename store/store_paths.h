#pragma once
// Where the store keeps a command: plain concatenations of the program folder P and the name N.

#include <string>

namespace quillet {

inline constexpr const char* kAppPathsKey = "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths";

// P & "\Cmds"
std::string CmdsFolder(const std::string& programFolder);

// P & "\Cmds\run_" & N & extension, the extension with its dot (".cfg", ".lnk", ...).
std::string GeneratedFilePath(const std::string& programFolder, const std::string& name,
                              const std::string& extension);

// kAppPathsKey & "\" & N & ".exe"
std::string AppPathsSubkey(const std::string& name);

}  // namespace quillet
