#pragma once

#include <string>

namespace quillet {

// A folder of the user's "Shell Folders" key (HKCU\...\Explorer\Shell Folders), e.g. "Desktop"
// or "Programs", as stored there; "" when the value cannot be read.
std::string ReadShellFolder(const char* valueName);

// A folder of all users from the machine's "Shell Folders" key (HKLM\...\Explorer\Shell
// Folders), e.g. "Common Desktop"; "" when the value cannot be read.
std::string ReadCommonShellFolder(const char* valueName);

}  // namespace quillet
