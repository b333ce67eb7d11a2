#pragma once
// Starting a companion script the way the shell does.

#include <windows.h>

#include <string>

namespace quillet::testing {

// Starts a script and waits for it to end; false when it did not start or is still running after
// 30 seconds. (A script error ends the script silently under Wine: check what it wrote instead.)
bool RunScript(const std::string& programFolder, const std::string& script, const std::string& parameters = "");

}  // namespace quillet::testing
