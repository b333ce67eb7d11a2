#include "ui/main/removal.h"

#include <windows.h>

#include "store/app_paths_store.h"

namespace quillet {

namespace {

constexpr const char* kConfirmTitle = "Confirm removal";

// The same question wherever a command that another program added is about to go.
bool ConfirmSystemCommandRemoval(Prompt& prompt, const std::string& name) {
  return prompt.Message("This is a system command, added by other applications than Quillet!\r\n"
                        "Are you sure you want to delete the command: " + name + "?",
                        kConfirmTitle, kYesNo | kIconExclamation) == IDYES;
}

}  // namespace

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
  if (!ConfirmSystemCommandRemoval(prompt, name)) return RemovalResult::Nothing;
  DeleteCommand(store, name);
  RebuildSystemList(store, userCommands, systemCommands);
  return RemovalResult::SystemListRebuilt;
}

void RemoveNamedCommand(const StoreContext& store, Prompt& prompt, const std::string& name) {
  const StoredCommand stored = FindStoredCommand(store, name);
  if (!stored.definitionFile && !stored.launcherShortcut && !stored.appPathsEntry) {
    prompt.Message("There is no command named '" + name + "', so nothing was removed.\r\n"
                   "One word after create, remove or quillet removes the command of that name; "
                   "quillet ? shows the syntax.",
                   kAppTitle, kOkOnly | kIconExclamation);
    return;
  }
  // Without a definition file the entry is not Quillet's: the main window lists it among the
  // system commands, and a mistyped name must not delete it unasked.
  if (!stored.definitionFile && stored.appPathsEntry && !ConfirmSystemCommandRemoval(prompt, name)) return;
  DeleteCommand(store, name);
  prompt.Message("The command: ' " + name + " ' was removed.", kAppTitle, kOkOnly);
}

}  // namespace quillet
