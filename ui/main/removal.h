#pragma once
// Removing the selected command of the visible list, after asking.

#include <cstddef>
#include <optional>

#include "store/command_table.h"
#include "store/store_context.h"
#include "ui/common/prompt.h"

namespace quillet {

enum class RemovalResult {
  Nothing,            // no selection, or the user said No
  UserRowRemoved,     // the row is out of the user list: redraw it and the status bar
  SystemListRebuilt,  // the system list was read again from the registry
};

// With no selected row there is no command to name, so nothing is asked and nothing deleted.
RemovalResult RemoveSelectedCommand(const StoreContext& store, Prompt& prompt, bool userListVisible,
                                    UserCommandList& userCommands, std::optional<std::size_t> selectedUser,
                                    SystemCommandList& systemCommands, std::optional<std::size_t> selectedSystem);

// Empties the system list and reads it again from App Paths, leaving out the user commands.
void RebuildSystemList(const StoreContext& store, const UserCommandList& userCommands,
                       SystemCommandList& systemCommands);

}  // namespace quillet
