#include "store/repair.h"

#include <algorithm>

#include "store/definition_store.h"
#include "store/launcher_queue.h"
#include "store/save_command.h"
#include "store/text.h"

namespace quillet {

RepairResult RepairCommands(const StoreContext& store) {
  UserCommandList commands;
  LoadDefinitionFiles(store, commands);
  RepairResult result;
  LauncherQueue launchers(store);
  std::vector<std::string> saved;
  for (const UserCommandRow& command : commands) {
    // A file whose line 2 names another command would make the repair write that command's entry.
    if (!SameNameIgnoringCase(command.name, command.fileName)) {
      result.failed.push_back(command.name);
      continue;
    }
    SaveRequest request{command.Command(), "", LauncherSource::KeepOrGenerate};
    request.command.name = command.fileName;
    request.claim = EntryClaim::OwnFreeOrOrphaned;
    request.writeDefinition = false;
    UserCommandList unchanged;
    SaveOutcome outcome = SaveCommand(store, request, unchanged);
    if (!outcome.Saved()) {
      result.failed.push_back(command.name);
      continue;
    }
    saved.push_back(command.fileName);
    launchers.Add(command.fileName, outcome);
  }
  const std::vector<std::string> missing = launchers.Finish();
  for (const std::string& name : saved) {
    if (std::find(missing.begin(), missing.end(), name) == missing.end()) {
      ++result.repaired;
    } else {
      result.failed.push_back(name);
    }
  }
  return result;
}

std::string RepairMessage(const RepairResult& result) {
  std::string message = result.repaired == 1 ? "1 command was repaired."
                                             : std::to_string(result.repaired) + " commands were repaired.";
  if (!result.failed.empty()) {
    message += "\r\nThese could not be repaired:";
    for (std::size_t i = 0; i < result.failed.size(); ++i) message += (i == 0 ? " " : ", ") + result.failed[i];
  }
  return message;
}

}  // namespace quillet
