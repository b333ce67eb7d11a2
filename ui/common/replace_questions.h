#pragma once
// The questions asked before a new command replaces something of the same name.

#include <string>

#include "store/command_table.h"
#include "store/shadowing.h"
#include "ui/common/prompt.h"

namespace quillet {

// The name is another program's Run word (an App Paths entry without a definition file).
bool ConfirmReplacingSystemCommand(Prompt& prompt, const std::string& name);

// The name is a command of the user's own; `flags` adds the icon the asking window shows.
bool ConfirmOverwritingCommand(Prompt& prompt, const std::string& name, unsigned iconFlags);

// Windows would start `shadowingFile` when the name is typed (see store/shadowing.h); true when
// nothing shadows the name or the user saves it anyway.
bool ConfirmShadowedName(Notifier& prompt, const std::string& name, const std::string& shadowingFile);

// Every question before a command named `name` takes the place of what has that name now: a
// command of the user's own (one of `rows`), else another program's Run word; then what Windows
// would start instead. True when nothing stands in the way or the user said yes to each.
bool ConfirmReplacingName(Prompt& prompt, const std::string& name, const UserCommandList& rows,
                          const ShadowIndex& shadows, unsigned overwriteIconFlags);

}  // namespace quillet
