#pragma once
// Definition files on disk: P\Cmds\run_N.cfg, the program's own record of each user command.

#include <cstdint>
#include <optional>
#include <string>

#include "store/command_table.h"
#include "store/command_record.h"
#include "store/definition_file.h"
#include "store/store_context.h"

namespace quillet {

// Writes the definition file of a command, replacing any file of that name. The text goes to a
// temporary file first, which then replaces the old file in one step, so a crash or a full disk
// never leaves a torn file behind. False on any error, with no message.
bool WriteDefinitionFile(const StoreContext& store, const std::string& name, const std::string& target,
                         const std::string& parameters, std::int16_t windowMode);

// Lines 2 to 5 of the definition file of `name`; nothing when it cannot be read.
std::optional<DefinitionFields> ReadDefinitionFile(const StoreContext& store, const std::string& name);

// Appends one row per definition file, in the order the file search returns them.
void LoadDefinitionFiles(const StoreContext& store, UserCommandList& rows);

}  // namespace quillet
