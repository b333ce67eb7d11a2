#pragma once
// Importing the ticked rows of the import list: each shortcut becomes a user command.

#include "store/store_context.h"
#include "ui/common/command_list_owner.h"
#include "ui/common/prompt.h"
#include "ui/import/import_rules.h"

namespace quillet {

// For every ticked row, in order: asks before it replaces a command of the same name or another
// program's entry, then saves the shortcut as a command (its copy is the launcher; the import
// script, or Quillet's own code, writes the definition file) and lists it. A row whose name
// cannot be used, or that cannot be imported, is reported by name and leaves nothing behind;
// the other rows go on.
void ImportShortcuts(const StoreContext& store, Prompt& prompt, const ImportList& rows, CommandListOwner& list);

}  // namespace quillet
