#pragma once
// Start-up before the main window is filled: the first-start question, the Cmds folder, and the
// one verb of the argument text.

#include <string>

#include "store/store_context.h"
#include "ui/common/prompt.h"

namespace quillet {

enum class StartOutcome {
  EndProgram,           // a verb was carried out (or cancelled): end at once
  NormalStart,          // no arguments: fill and show the main window
  EmptyMainWindow,      // a command could not be made: show the main window unfilled
};

struct StartupSettings {
  const char* userKey;  // where the first-start record lives (tests use their own key)
};

// Creates P\Cmds unless an entry of that name, folder or file, already exists.
void CreateCmdsFolder(const std::string& programFolder);

// `store.notifier` must be `prompt`: every message of start-up goes through the one seam.
// `argumentText` is UTF-8, as the system hands it over; a name or path that the ANSI code page
// of the store cannot hold is refused.
StartOutcome RunStartup(const StoreContext& store, Prompt& prompt, const std::string& argumentText,
                        const StartupSettings& settings);

}  // namespace quillet
