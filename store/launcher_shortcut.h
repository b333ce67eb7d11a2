#pragma once
// Launcher shortcuts, P\Cmds\run_N.lnk: what the shell starts for a user command.

#include <cstdint>
#include <string>

#include "store/command_record.h"
#include "store/store_context.h"

namespace quillet {

// Asks cshortcut.vbs to write the launcher shortcut of a command and does not wait for it.
// False only when the script or the Script Host is missing (after telling the user so).
bool CreateShortcutLNKFile(const StoreContext& store, const std::string& name, const std::string& target,
                           const std::string& parameters, const std::string& folder,
                           std::int16_t windowMode);

// Opens the shell's Properties sheet of a file, retrying for about three seconds while the
// script may still be writing it; gives up silently.
void ShowFileProperties(const StoreContext& store, const std::string& path);

}  // namespace quillet
