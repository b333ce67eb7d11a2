#include "ui/main/removal.h"

#include <windows.h>

#include "store/app_paths_store.h"

namespace quillet {

namespace {
constexpr const char* kConfirmTitle = "Confirm removal";
}

void RebuildSystemList(const StoreContext& store, const UserCommandList& userCommands,
                       SystemCommandList& systemCommands) {
  systemCommands.clear();
  ListSystemCommands(store, userCommands, systemCommands);
  ReadSystemCommandTargets(systemCommands);
}

RemovalResult RemoveSelectedCommand(const StoreContext& store, Prompt& prompt, bool userListVisible,
                                    UserCommandList& userCommands, std::optional<std::size_t> selectedUser,
                                    SystemCommandList& systemCommands, std::optional<std::size_t> selectedSystem) {
  if (userListVisible) {
    if (!selectedUser || *selectedUser >= userCommands.size()) return RemovalResult::Nothing;
    const std::string name = userCommands[*selectedUser].name;
    if (prompt.Message("Do you want to delete the command: " + name + "?", kConfirmTitle,
                       kYesNo | kIconInformation) != IDYES) {
      return RemovalResult::Nothing;
    }
    DeleteCommand(store, name);
    userCommands.erase(userCommands.begin() + static_cast<std::ptrdiff_t>(*selectedUser));
    return RemovalResult::UserRowRemoved;
  }
  if (!selectedSystem || *selectedSystem >= systemCommands.size()) return RemovalResult::Nothing;
  const std::string name = systemCommands[*selectedSystem].name;
  if (prompt.Message("This is a system command, added by other applications than Quillet!\r\n"
                     "Are you sure you want to delete the command: " + name + "?",
                     kConfirmTitle, kYesNo | kIconExclamation) != IDYES) {
    return RemovalResult::Nothing;
  }
  DeleteCommand(store, name);
  RebuildSystemList(store, userCommands, systemCommands);
  return RemovalResult::SystemListRebuilt;
}

}  // namespace quillet
