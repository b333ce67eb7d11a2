#pragma once
// Saving a command under its name: the way every route that makes or changes a command writes it.

#include <string>

#include "store/command_record.h"
#include "store/command_table.h"
#include "store/store_context.h"

namespace quillet {

enum class SaveOutcome {
  Saved,
  NoShortcut,    // the launcher shortcut could not be asked for (the user was told); nothing written
  NoDefinition,  // the definition file could not be written (the user was told)
};

// Requests the launcher shortcut (its start-in folder is the target's folder); when that cannot
// be done nothing else is written. Then writes the App Paths entry and the definition file, and
// replaces any row of the name by a new one at the end of `rows` (without an icon yet).
SaveOutcome SaveNewCommand(const StoreContext& store, const CommandRecord& command, UserCommandList& rows);

// Saves the changed command that was `oldName` (a rename when the name differs): the row keeps
// its place and icon, and a row of the new name that the user agreed to overwrite leaves.
SaveOutcome SaveUpdatedCommand(const StoreContext& store, const CommandRecord& command, const std::string& oldName,
                               UserCommandList& rows);

}  // namespace quillet
