#pragma once
// Saving a command: the one way in for every route that makes or changes one (the editor, the
// create verb and the Explorer entry, the import, the restore and the repair). It runs the whole
// save in order, launcher shortcut, App Paths entry, definition file, and tells what happened
// instead of telling the user: each caller turns a failure into its own message.
//
// A save that fails leaves nothing of itself behind: no entry that starts nothing, no shortcut
// or definition file half made, and whatever had the name before as it was.

#include <windows.h>

#include <optional>
#include <string>

#include "store/command_name.h"
#include "store/command_record.h"
#include "store/command_table.h"
#include "store/command_writer.h"
#include "store/scoped_handles.h"
#include "store/store_context.h"
#include "store/target_path.h"

namespace quillet {

// How long a save waits for an import script, and the restore and the repair for each launcher
// shortcut a script writes.
inline constexpr DWORD kScriptWaitMs = 30000;

enum class LauncherSource {
  Generate,          // written from the command's fields
  KeepOrGenerate,    // an existing launcher shortcut stays; a missing one is written (the repair)
  ShellLink,         // an imported .lnk: its copy is the launcher, its fields make the definition
  InternetShortcut,  // an imported .url: a browser launcher for its address
};

// Whose App Paths entry of the name a save may rewrite; this copy's own, or none, always.
enum class EntryClaim {
  OwnOrFree,
  OwnFreeOrOrphaned,  // also one a moved or deleted copy of Quillet left (the repair)
  Any,                // the user agreed to replace another program's entry
};

struct SaveRequest {
  // The import reads target, parameters and window mode from its source; the others give them.
  CommandRecord command;
  // An update: the fileName of the row it changes ("" for a new command). A new name is a
  // rename: the old command goes once the new one is whole.
  std::string replacesFile;
  LauncherSource launcher = LauncherSource::Generate;
  std::string source;  // the imported shortcut
  EntryClaim claim = EntryClaim::OwnOrFree;
  bool writeDefinition = true;  // the repair keeps the file it repairs from
};

enum class SaveFailure {
  None,
  NameRefused,       // SaveOutcome::nameRefusal says why
  LauncherRefused,   // SaveOutcome::launcherRefusal: more than a shortcut holds
  ForeignEntry,      // another program has the name in App Paths, and the request may not replace it
  ScriptMissing,     // the companion script is not in the program folder
  NoScriptHost,      // Windows has no program for .vbs files
  SourceUnreadable,  // the imported shortcut could not be read
  CopyFailed,        // the imported shortcut could not be copied into Cmds
  LauncherFailed,    // the launcher shortcut could not be written
  ScriptFailed,      // the import script ended without writing what it writes
  ScriptTimedOut,    // the import script did not end within kScriptWaitMs
  AppPathsFailed,    // the App Paths entry could not be written
  DefinitionFailed,  // the definition file could not be written
};

struct SaveOutcome {
  SaveFailure failure = SaveFailure::None;
  NameRefusal nameRefusal = NameRefusal::None;
  LauncherRefusal launcherRefusal = LauncherRefusal::None;
  // Saved while cshortcut.vbs still writes the launcher shortcut: its process, when the shell
  // gave one, and what it was asked for. Those who need the shortcut (the restore, the repair)
  // wait for it (launcher_queue.h).
  ScopedProcess script;
  LauncherRequest launcher;

  bool Saved() const { return failure == SaveFailure::None; }
};

// Saves the command and brings `rows` up to date: a new command's row goes to the end (without
// an icon yet) in place of any of its name; an updated row keeps its place and icon.
SaveOutcome SaveCommand(const StoreContext& store, const SaveRequest& request, UserCommandList& rows);

}  // namespace quillet
