#pragma once
// File > Export Commands... and File > Restore Commands...: every user command into one file
// (store/command_list_file.h), and the commands of such a file made again, on this machine or
// another.

#include <windows.h>

#include "store/store_context.h"
#include "ui/common/command_list_owner.h"
#include "ui/common/prompt.h"

namespace quillet {

// Asks for a file and writes every row into it that a restore could make again; the closing
// message names the rows left out.
void ExportCommands(Prompt& prompt, const UserCommandList& rows);

// Asks for a file and makes each of its commands as a save does, asking before one replaces a
// command of the user's, another program's entry, or a name another program shadows. A file that
// is not whole and well-formed is reported with its line, and nothing of it is made. A command
// counts as restored once its launcher shortcut is there; the closing message names the others,
// and nothing of them is kept.
void RestoreCommands(const StoreContext& store, Prompt& prompt, CommandListOwner& list);

// The longest a restore can take before its closing message: every launcher shortcut waited
// for in turn.
DWORD LongestRestoreMs(std::size_t commands);

}  // namespace quillet
