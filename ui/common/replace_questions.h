#pragma once
// The questions asked before a new command replaces something of the same name.

#include <string>

#include "ui/common/prompt.h"

namespace quillet {

// The name is another program's Run word (an App Paths entry without a definition file).
bool ConfirmReplacingSystemCommand(Prompt& prompt, const std::string& name);

// The name is a command of the user's own; `flags` adds the icon the asking window shows.
bool ConfirmOverwritingCommand(Prompt& prompt, const std::string& name, unsigned iconFlags);

// Windows would start `shadowingFile` when the name is typed (see store/shadowing.h); true when
// nothing shadows the name or the user saves it anyway.
bool ConfirmShadowedName(Notifier& prompt, const std::string& name, const std::string& shadowingFile);

}  // namespace quillet
