#pragma once
// Start-up before the main window is filled: the first-start question, the Cmds folder, and the
// one verb of the argument text.

#include <string>

#include "store/store_context.h"
#include "ui/common/prompt.h"
#include "ui/main/elevation.h"

namespace quillet {

enum class StartOutcome {
  EndProgram,   // a verb was carried out, refused or cancelled: end at once
  NormalStart,  // no arguments, or a command that could not be made: fill and show the main window
};

struct StartupSettings {
  const char* userKey;         // where the first-start record lives (tests use their own key)
  const Elevation& elevation;  // how a copy of all users gets an administrator's rights
};

// Creates P\Cmds unless an entry of that name, folder or file, already exists.
void CreateCmdsFolder(const std::string& programFolder);

// Every message of start-up goes through `prompt`. `argumentText` is UTF-8, as the system hands
// it over; a name or path that the ANSI code page of the store cannot hold is refused.
StartOutcome RunStartup(const StoreContext& store, Prompt& prompt, const std::string& argumentText,
                        const StartupSettings& settings);

}  // namespace quillet
