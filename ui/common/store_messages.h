#pragma once
// What the user is told when a store operation fails, in the words the program has always used for each
// step; the store only says which step failed.

#include <string>

#include "store/save_command.h"
#include "ui/common/prompt.h"

namespace quillet {

// The message of a failed save of the command `name` that generates its launcher shortcut (the
// editor, the verbs, the restore). The import names its shortcut in messages of its own.
void TellSaveFailure(Prompt& prompt, const StoreContext& store, const SaveOutcome& outcome, const std::string& name);

// "Error creating registry key!": App Paths could not be written.
void TellRegistryFailure(Prompt& prompt);

// The machine's App Paths key could not be read for the system list.
void TellSystemListFailure(Prompt& prompt);

}  // namespace quillet
