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
// shortcut again, and has the companion script write the launcher shortcut where it is missing.
// Reports nothing itself.
RepairResult RepairCommands(const StoreContext& store);

// The one message that ends a repair.
std::string RepairMessage(const RepairResult& result);

}  // namespace quillet
