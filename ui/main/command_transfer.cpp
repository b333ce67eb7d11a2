#include "ui/main/command_transfer.h"

#include <commdlg.h>

#include <algorithm>

#include "store/app_paths_store.h"
#include "store/command_list_file.h"
#include "store/launcher_queue.h"
#include "store/save_command.h"
#include "store/whole_file.h"
#include "ui/common/replace_questions.h"
#include "ui/common/store_messages.h"

namespace quillet {

namespace {

constexpr const char* kFilter = "Command lists (*.txt)|*.txt|All Files (*.*)|*.*";
constexpr unsigned kSaveFlags = OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
constexpr unsigned kOpenFlags = OFN_FILEMUSTEXIST | OFN_HIDEREADONLY;
constexpr std::size_t kLargestList = 64u << 20;

std::string Commands(std::size_t count) {
  return count == 1 ? "1 command" : std::to_string(count) + " commands";
}

std::string Listed(const std::vector<std::string>& names) {
  std::string list;
  for (std::size_t i = 0; i < names.size(); ++i) list += (i == 0 ? " " : ", ") + names[i];
  return list;
}

}  // namespace

DWORD LongestRestoreMs(std::size_t commands) { return static_cast<DWORD>((commands + 1) * kScriptWaitMs); }

void ExportCommands(Prompt& prompt, const UserCommandList& rows) {
  const auto file = prompt.SaveFile({kFilter, 1, kSaveFlags, "txt"});
  if (!file) return;
  std::vector<CommandRecord> commands;
  std::vector<std::string> leftOut;
  for (const UserCommandRow& row : rows) {
    // What a restore would refuse would make it refuse the whole file.
    if (CommandListRefusal(row.Command())) {
      leftOut.push_back(row.name);
    } else {
      commands.push_back(row.Command());
    }
  }
  if (!ReplaceFileContents(*file, CommandListText(commands))) {
    prompt.Message("The commands could not be written to " + *file + ".", kAppTitle, kOkOnly | kIconExclamation);
    return;
  }
  std::string message = Commands(commands.size()) + (commands.size() == 1 ? " was" : " were") + " exported to " +
                        *file + ".";
  if (!leftOut.empty()) message += "\r\nThese were left out, since they could not be restored:" + Listed(leftOut);
  prompt.Message(message, kAppTitle, kOkOnly | (leftOut.empty() ? kIconInformation : kIconExclamation));
}

void RestoreCommands(const StoreContext& store, Prompt& prompt, CommandListOwner& list) {
  const auto file = prompt.OpenFile({kFilter, 1, kOpenFlags, "txt"});
  if (!file) return;
  const std::optional<std::string> text = ReadFileContents(*file, kLargestList);
  const auto parsed = text ? ParseCommandList(*text) : CommandListError{0, "it cannot be read"};
  if (const auto* error = std::get_if<CommandListError>(&parsed)) {
    prompt.Message("The file " + *file + " cannot be restored: " +
                       (error->line > 0 ? "line " + std::to_string(error->line) + ": " : std::string()) +
                       error->reason + ".\r\nNothing of it was restored.",
                   kAppTitle, kOkOnly | kIconExclamation);
    return;
  }
  const auto& commands = std::get<std::vector<CommandRecord>>(parsed);
  LauncherQueue launchers(store);
  std::vector<std::string> saved, failed;
  for (std::size_t i = 0; i < commands.size(); ++i) {
    const CommandRecord& command = commands[i];
    UserCommandList& rows = list.UserCommandRows();
    const std::optional<EntryClaim> claim = ConfirmReplacingName(
        prompt, store, command.name, ListsCommand(rows, command.name), list.ShadowingPrograms(),
        OverwriteWords::Import, kIconQuestion);
    if (!claim) continue;
    SaveRequest request{command};
    request.claim = *claim;
    SaveOutcome outcome = SaveCommand(store, request, rows);
    if (!outcome.Saved()) {
      // No script, no script host, no writable key or folder: none of the rest would work either.
      TellSaveFailure(prompt, store, outcome, command.name);
      for (std::size_t rest = i; rest < commands.size(); ++rest) failed.push_back(commands[rest].name);
      break;
    }
    saved.push_back(command.name);
    launchers.Add(command.name, outcome);
    list.UserCommandsSaved();
  }
  // A command whose launcher shortcut never came cannot start: it is not kept.
  const std::vector<std::string> missing = launchers.Finish();
  for (const std::string& name : missing) {
    DeleteCommand(store, name);
    RemoveFromCommandList(list.UserCommandRows(), name);
  }
  if (!missing.empty()) list.UserCommandsSaved();
  failed.insert(failed.begin(), missing.begin(), missing.end());
  const std::size_t restored = saved.size() - missing.size();
  std::string message = Commands(restored) + (restored == 1 ? " was" : " were") + " restored.";
  if (!failed.empty()) message += "\r\nThese could not be restored:" + Listed(failed);
  prompt.Message(message, kAppTitle, kOkOnly | (failed.empty() ? kIconInformation : kIconExclamation));
}

}  // namespace quillet
