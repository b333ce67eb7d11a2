#pragma once
// Starting a companion script the way the shell does, and the registry look-ups its checks need.

#include <windows.h>

#include <optional>
#include <string>

namespace quillet::testing {

// Opens programFolder\script with the shell; the script's process, or nullptr when it did not start.
HANDLE StartScript(const std::string& programFolder, const std::string& script,
                   const std::string& parameters = "");

// Starts a script and waits for it to end; false when it did not start or is still running after
// the timeout. (A script error ends the script silently under Wine: check what it wrote instead.)
bool RunScript(const std::string& programFolder, const std::string& script,
               const std::string& parameters = "");

// Registry helpers on a key's default value.
std::optional<std::string> ReadDefaultValue(HKEY root, const std::string& key);
void WriteDefaultValue(HKEY root, const std::string& key, const std::string& value);
bool KeyExists(HKEY root, const std::string& key);
void DeleteKeyTree(HKEY root, const std::string& key);

}  // namespace quillet::testing
