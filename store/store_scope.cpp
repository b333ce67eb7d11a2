#include "store/store_scope.h"

#include <algorithm>

#include "store/target_path.h"

namespace quillet {

StoreScope ScopeOfFolder(const std::string& programFolder, const std::vector<std::string>& programFilesFolders) {
  const bool underProgramFiles =
      std::any_of(programFilesFolders.begin(), programFilesFolders.end(),
                  [&](const std::string& folder) { return IsInsideFolder(programFolder, folder); });
  return underProgramFiles ? StoreScope::MachineWide : StoreScope::PerUser;
}

const char* ScopeDescription(StoreScope scope) {
  return scope == StoreScope::PerUser ? "For you only (HKEY_CURRENT_USER)" : "For all users (HKEY_LOCAL_MACHINE)";
}

}  // namespace quillet
