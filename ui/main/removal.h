#pragma once
// Removing a command: a row of the user list, a row of the system list, or one named by the
// remove verb. A command of the user's goes with its own files, and its App Paths entry when that
// is this copy's; another program's entry goes only after the system-command question.

#include <string>

#include "store/command_table.h"
#include "store/store_context.h"
#include "ui/common/prompt.h"

namespace quillet {

// Asks, then removes the command of that row: its definition file and launcher shortcut, and its
// App Paths entry if it is this copy's. True when it was removed (the caller takes the row out).
bool RemoveUserCommand(const StoreContext& store, Prompt& prompt, const UserCommandRow& row);

// Asks the sterner question, then deletes that App Paths entry in its own scope. Quillet's own
// Run words are refused, and so is an entry the user has no rights to delete, with a message.
// True when it was deleted (the caller reads the system list again).
bool RemoveSystemCommand(const StoreContext& store, Prompt& prompt, const SystemCommandRow& row);

// The remove verb. A user command (one with a definition file) or the launcher shortcut left of
// one goes at once; another program's App Paths entry only after the main window's question
// about system commands; a name under which nothing is stored is reported and nothing changes.
void RemoveNamedCommand(const StoreContext& store, Prompt& prompt, const std::string& name);

}  // namespace quillet
