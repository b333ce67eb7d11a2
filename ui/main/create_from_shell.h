#pragma once

#include <string>

#include "store/store_context.h"
#include "ui/common/prompt.h"

namespace quillet {

// Makes a complete command from a name and a path (the create verb, or the Explorer entry):
// launcher shortcut, App Paths subkey and definition file, with empty parameters and a normal
// window, then confirms it. It asks what the editor asks before the name replaces a command of
// the user's, another program's entry, or a name another program shadows; No makes nothing.
// False when the command could not be made (the user has been told); nothing has been written then.
bool CreateFromShell(const StoreContext& store, Prompt& prompt, const std::string& sName, std::string sPath);

}  // namespace quillet
