#pragma once
// Importing the ticked rows of the import list: each shortcut becomes a user command.

#include <windows.h>

#include "store/store_context.h"
#include "ui/common/command_list_owner.h"
#include "ui/common/prompt.h"
#include "ui/import/import_rules.h"

namespace quillet {

// How long the import waits for a script to say it has finished.
inline constexpr DWORD kImportScriptTimeoutMs = 30000;

// For every ticked row, in order: asks before it replaces a command of the same name, copies the
// shortcut into Cmds, writes its App Paths entry, has the import script write the definition
// file and waits for it with the windows kept painted, then lists the command. A row whose name
// cannot be used, or whose script does not finish, is reported by name and leaves nothing
// behind; the other rows go on.
void ImportShortcuts(const StoreContext& store, Prompt& prompt, const ImportList& rows, CommandListOwner& list,
                     DWORD scriptTimeoutMs = kImportScriptTimeoutMs);

}  // namespace quillet
