#pragma once
// Removing a command: the selected one of the visible list, or one named by the remove verb.

#include <cstddef>
#include <optional>
#include <string>

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

// The remove verb. A user command (one with a definition file) or the launcher shortcut left of
// one goes at once; another program's App Paths entry only after the main window's question
// about system commands; a name under which nothing is stored is reported and nothing changes.
void RemoveNamedCommand(const StoreContext& store, Prompt& prompt, const std::string& name);

}  // namespace quillet
