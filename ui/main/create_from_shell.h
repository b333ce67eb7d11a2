#pragma once

#include <string>

#include "store/store_context.h"

namespace quillet {

// Makes a complete command from a name and a path (the create verb, or the Explorer entry):
// launcher shortcut, App Paths subkey and definition file, with empty parameters and a normal
// window, then confirms it. A name that another program shadows is asked about first; No makes
// nothing. False when the launcher shortcut could not be requested; nothing has been written then.
bool CreateFromShell(const StoreContext& store, const std::string& sName, std::string sPath);

}  // namespace quillet
