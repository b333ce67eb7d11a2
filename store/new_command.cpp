#include "store/new_command.h"

#include "store/app_paths_store.h"
#include "store/definition_store.h"
#include "store/launcher_shortcut.h"
#include "store/target_path.h"

namespace quillet {

bool SaveNewCommand(const StoreContext& store, const CommandRecord& command, UserCommandList& rows) {
  if (!CreateShortcutLNKFile(store, command.name, command.target, command.parameters,
                             GetFolderOfPath(command.target), command.windowMode)) {
    return false;
  }
  CreateAppPathsKey(store, command.name);
  RemoveFromCommandList(rows, command.name);
  rows.push_back({command.name, command.target, command.parameters, std::to_string(command.windowMode), 0});
  WriteDefinitionFile(store, command.name, command.target, command.parameters, command.windowMode);
  return true;
}

}  // namespace quillet
