#pragma once
// Everything the program does under Software\Microsoft\Windows\CurrentVersion\App Paths, in the
// key of this copy's scope (StoreContext::Root) and, for the system list, in both.

#include <string>

#include "store/command_table.h"
#include "store/store_context.h"

namespace quillet {

// Creates or overwrites the subkey N.exe of a user command: default value = its launcher
// shortcut, "Path" = the Cmds folder. False when the subkey could not be created or a value not
// written.
bool CreateAppPathsKey(const StoreContext& store, const std::string& name);

// Whose the subkey N.exe of this copy's scope is. Quillet changes only its own entries, or an
// entry of another after the user said yes.
enum class EntryOwner {
  None,       // there is no such entry
  ThisCopy,   // its default value is this copy's launcher shortcut of that name
  Orphaned,   // it points at a launcher shortcut P'\Cmds\run_N.lnk that no longer exists: a copy of
              // Quillet that was moved or deleted
  Other,      // another program's, or another copy's of Quillet
};
EntryOwner OwnerOfEntry(const StoreContext& store, const std::string& name);

enum class DeleteResult { Deleted, Missing, Denied };
// Deletes only the subkey N.exe under `root`.
DeleteResult DeleteAppPathsKey(HKEY root, const std::string& name);

// Deletes the files of a user command whose definition file is run_N.cfg (N the row's
// fileName): its launcher shortcut and its definition file (files a plain search sees), and its
// App Paths entry N.exe when that is this copy's. Reports nothing. A name that is not a safe
// file name keeps its files: nothing outside Cmds is deleted.
void DeleteCommand(const StoreContext& store, const std::string& fileName);

// What DeleteCommand would find of a command.
struct StoredCommand {
  bool definitionFile = false;
  bool launcherShortcut = false;
  EntryOwner entry = EntryOwner::None;
};
StoredCommand FindStoredCommand(const StoreContext& store, const std::string& name);

// Writes the Run-dialog verbs create, remove, clear and quillet, stopping at the first subkey
// that cannot be created; false then.
bool WriteBuiltInVerbs(const StoreContext& store);

// Appends a row for every App Paths subkey of both scopes, the user's first as the shell looks
// there first, except this copy's scope's entries that have a row in the user list. False when
// the machine's App Paths key cannot be read (the user's may simply not exist yet).
bool ListSystemCommands(const StoreContext& store, const UserCommandList& userCommands,
                        SystemCommandList& systemCommands);

// Fills the target of every system row from the default value of its subkey.
void ReadSystemCommandTargets(const StoreContext& store, SystemCommandList& systemCommands);

// Empties the system list and reads it again, leaving out the user commands.
bool RebuildSystemList(const StoreContext& store, const UserCommandList& userCommands,
                       SystemCommandList& systemCommands);

}  // namespace quillet
