#include "store/new_command.h"

#include <algorithm>

#include "store/app_paths_store.h"
#include "store/definition_store.h"
#include "store/launcher_shortcut.h"
#include "store/store_paths.h"
#include "store/target_path.h"
#include "store/text.h"

namespace quillet {

namespace {

bool RequestShortcut(const StoreContext& store, const CommandRecord& command) {
  return CreateShortcutLNKFile(store, command.name, command.target, command.parameters,
                               GetFolderOfPath(command.target), command.windowMode);
}

// The definition file is what lists the command: without it the command would be gone from the
// list at the next look at the folder, so a failure is told rather than passed over.
bool WriteDefinition(const StoreContext& store, const CommandRecord& command) {
  if (WriteDefinitionFile(store, command.name, command.target, command.parameters, command.windowMode)) return true;
  store.notifier.Message("The command '" + command.name + "' could not be saved: its definition file could not be "
                         "written in " + CmdsFolder(store.programFolder) + ".",
                         kAppTitle, kOkOnly | kIconExclamation);
  return false;
}

UserCommandRow RowOf(const CommandRecord& command) {
  return {command.name, command.target, command.parameters, std::to_string(command.windowMode), 0};
}

}  // namespace

SaveOutcome SaveNewCommand(const StoreContext& store, const CommandRecord& command, UserCommandList& rows) {
  if (!RequestShortcut(store, command)) return SaveOutcome::NoShortcut;
  CreateAppPathsKey(store, command.name);
  if (!WriteDefinition(store, command)) return SaveOutcome::NoDefinition;
  RemoveFromCommandList(rows, command.name);
  rows.push_back(RowOf(command));
  return SaveOutcome::Saved;
}

SaveOutcome SaveUpdatedCommand(const StoreContext& store, const CommandRecord& command, const std::string& oldName,
                               UserCommandList& rows) {
  const std::string& name = command.name;
  if (!RequestShortcut(store, command)) return SaveOutcome::NoShortcut;
  if (name != oldName) {
    if (SameNameIgnoringCase(name, oldName)) {
      // Only the case changes: the old name's files are this command's files, and the script
      // may already have rewritten its shortcut; only the registry entry takes the new case.
      DeleteAppPathsKey(oldName);
    } else {
      DeleteCommand(store, oldName);
      // A command of the new name that the user agreed to overwrite leaves the list.
      rows.erase(std::remove_if(rows.begin(), rows.end(),
                                [&](const UserCommandRow& row) {
                                  return SameNameIgnoringCase(row.name, name) && row.name != oldName;
                                }),
                 rows.end());
    }
    CreateAppPathsKey(store, name);
  }
  if (!WriteDefinition(store, command)) return SaveOutcome::NoDefinition;
  UserCommandRow saved = RowOf(command);
  const auto edited =
      std::find_if(rows.begin(), rows.end(), [&](const UserCommandRow& row) { return row.name == oldName; });
  if (edited == rows.end()) {
    rows.push_back(std::move(saved));  // the row went while the editor was open
  } else {
    saved.icon = edited->icon;
    *edited = std::move(saved);
  }
  return SaveOutcome::Saved;
}

}  // namespace quillet
