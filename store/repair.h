#pragma once
// Bringing every command of the Cmds folder back to working order: after the program folder was
// moved (each App Paths entry holds its absolute path) or a registry cleaner took entries away.

#include <string>
#include <vector>

#include "store/store_context.h"

namespace quillet {

struct RepairResult {
  int repaired = 0;
  std::vector<std::string> failed;  // names, in the order their definition files were found
};

// For every definition file: points the App Paths entry at this program folder's launcher
// shortcut again, and writes the launcher shortcut where it is missing, a few scripts at a time.
// An entry is claimed only when it is free, this copy's, or left by a copy of Quillet that is
// gone; a definition file that names another command than its own file does is not followed.
// A command counts as repaired once its shortcut is there. Reports nothing itself.
RepairResult RepairCommands(const StoreContext& store);

// The one message that ends a repair.
std::string RepairMessage(const RepairResult& result);

}  // namespace quillet
