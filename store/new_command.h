#pragma once
// Saving a command under its name: the way every route that makes a new command writes it.

#include "store/command_record.h"
#include "store/command_table.h"
#include "store/store_context.h"

namespace quillet {

// Requests the launcher shortcut (its start-in folder is the target's folder); when that cannot
// be done the user has been told, nothing else is written and the result is false. Then writes
// the App Paths entry, replaces any row of the name by a new one at the end of `rows` (without an
// icon yet), and writes the definition file.
bool SaveNewCommand(const StoreContext& store, const CommandRecord& command, UserCommandList& rows);

}  // namespace quillet
