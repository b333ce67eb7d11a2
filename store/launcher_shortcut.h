#pragma once
// The Properties sheet of a launcher shortcut, P\Cmds\run_N.lnk, where the user sets its security.

#include <string>

#include "store/store_context.h"

namespace quillet {

// Opens the shell's Properties sheet of a file. Where a script writes the shortcut it may not be
// there yet, so the sheet is tried for about three seconds; Quillet's own writer has written it
// already, so one try tells. Gives up silently.
void ShowFileProperties(const StoreContext& store, const std::string& path);

}  // namespace quillet
