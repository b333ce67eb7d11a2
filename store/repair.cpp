#include "store/repair.h"

#include <windows.h>

#include "store/app_paths_store.h"
#include "store/command_name.h"
#include "store/definition_store.h"
#include "store/launcher_shortcut.h"
#include "store/store_paths.h"
#include "store/target_path.h"

namespace quillet {

namespace {

// The repair reports once, at the end; what the single steps would say is left out.
class QuietNotifier : public Notifier {
 public:
  int Message(const std::string&, const std::string&, unsigned) override { return IDOK; }
};

bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

}  // namespace

RepairResult RepairCommands(const StoreContext& store) {
  QuietNotifier quiet;
  const StoreContext quietStore{store.programFolder, store.owner, quiet};
  UserCommandList commands;
  LoadDefinitionFiles(quietStore, commands);
  RepairResult result;
  for (const UserCommandRow& command : commands) {
    // A definition file left from before Quillet's own Run words were refused must not take one over.
    const bool repaired =
        IsSafeCommandName(command.name) && !IsOwnRunWord(command.name) && WriteAppPathsKey(quietStore, command.name) &&
        (Exists(GeneratedFilePath(store.programFolder, command.name, ".lnk")) ||
         CreateShortcutLNKFile(quietStore, command.name, command.target, command.parameters,
                               GetFolderOfPath(command.target), WindowModeFromText(command.windowModeText)));
    if (repaired) {
      ++result.repaired;
    } else {
      result.failed.push_back(command.name);
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
