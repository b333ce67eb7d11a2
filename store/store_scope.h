#pragma once
// Where a copy of Quillet keeps its commands and its Run words. A copy installed for all users
// (its folder under Program Files) keeps them in HKEY_LOCAL_MACHINE, which only administrators
// may change; every other copy (installed for one user, or unpacked into a folder of the user's)
// keeps them in the user's own HKEY_CURRENT_USER, which the shell consults first.

#include <string>
#include <vector>

namespace quillet {

enum class StoreScope { PerUser, MachineWide };

// The scope of a copy in `programFolder`, given the Program Files folders of the system.
StoreScope ScopeOfFolder(const std::string& programFolder, const std::vector<std::string>& programFilesFolders);

// How a row of the system list tells the user where an entry lives.
const char* ScopeDescription(StoreScope scope);

}  // namespace quillet
