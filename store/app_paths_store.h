#pragma once
// Everything the program does under HKLM\Software\Microsoft\Windows\CurrentVersion\App Paths.

#include <string>

#include "store/command_table.h"
#include "store/store_context.h"

namespace quillet {

// Creates or overwrites the subkey N.exe of a user command: default value = its launcher
// shortcut, "Path" = the Cmds folder. Shows "Error creating registry key!" when it cannot.
void CreateAppPathsKey(const StoreContext& store, const std::string& name);
// The same without a message; false when the subkey could not be created or opened.
bool WriteAppPathsKey(const StoreContext& store, const std::string& name);

// True when App Paths holds a subkey N.exe (letter case ignored, as the registry does).
bool HasAppPathsEntry(const std::string& name);

// Deletes only the subkey N.exe; the command's files stay. A rename that changes only the letter
// case needs this: the files of the old and the new name are the same files.
void DeleteAppPathsKey(const std::string& name);

// Deletes the subkey N.exe and the command's launcher shortcut and definition file. Reports
// nothing. A name that is not a safe file name keeps its files: nothing outside Cmds is deleted.
void DeleteCommand(const StoreContext& store, const std::string& name);

// What DeleteCommand would find of a command: a definition file and a launcher shortcut (files
// a plain search sees, and only for a safe name), and its App Paths subkey.
struct StoredCommand {
  bool definitionFile = false;
  bool launcherShortcut = false;
  bool appPathsEntry = false;
};
StoredCommand FindStoredCommand(const StoreContext& store, const std::string& name);

// Writes the Run-dialog verbs create, remove, clear and quillet, stopping at the first subkey
// that cannot be created.
void WriteBuiltInVerbs(const StoreContext& store);

// Appends a row for every App Paths subkey whose name is not that of a user command.
void ListSystemCommands(const StoreContext& store, const UserCommandList& userCommands,
                        SystemCommandList& systemCommands);

// Fills the target of every system row from the default value of its subkey.
void ReadSystemCommandTargets(SystemCommandList& systemCommands);

// Empties the system list and reads it again from App Paths, leaving out the user commands.
void RebuildSystemList(const StoreContext& store, const UserCommandList& userCommands,
                       SystemCommandList& systemCommands);

}  // namespace quillet
