#include "ui/main/command_transfer.h"

#include <windows.h>

#include <algorithm>
#include <deque>

#include "store/app_paths_store.h"
#include "store/command_list_file.h"
#include "store/new_command.h"
#include "store/store_paths.h"
#include "store/text.h"
#include "store/whole_file.h"
#include "ui/common/message_pump.h"
#include "ui/common/replace_questions.h"

namespace quillet {

namespace {

constexpr const char* kFilter = "Command lists (*.txt)|*.txt|All Files (*.*)|*.*";
constexpr unsigned kSaveFlags = OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
constexpr unsigned kOpenFlags = OFN_FILEMUSTEXIST | OFN_HIDEREADONLY;
constexpr std::size_t kLargestList = 64u << 20;
// A restore lets two scripts write launcher shortcuts at a time, rather than hundreds at once:
// before it starts another, it waits (at most this long) for the shortcut of the one before last.
constexpr std::size_t kScriptsAtOnce = 2;
constexpr DWORD kShortcutWaitMs = 30000;

std::string Commands(std::size_t count) {
  return count == 1 ? "1 command" : std::to_string(count) + " commands";
}

bool ConfirmRestoring(const CommandRecord& command, const UserCommandList& rows, const ShadowIndex& shadows,
                      Prompt& prompt) {
  const bool listed = std::any_of(rows.begin(), rows.end(),
                                  [&](const UserCommandRow& row) { return SameNameIgnoringCase(row.name, command.name); });
  if (listed ? !ConfirmOverwritingCommand(prompt, command.name, kIconQuestion)
             : HasAppPathsEntry(command.name) && !ConfirmReplacingSystemCommand(prompt, command.name)) {
    return false;
  }
  return ConfirmShadowedName(prompt, command.name, shadows.Find(command.name));
}

}  // namespace

void ExportCommands(Prompt& prompt, const UserCommandList& rows) {
  const auto file = prompt.SaveFile({kFilter, 1, kSaveFlags, "txt"});
  if (!file) return;
  std::vector<CommandRecord> commands;
  for (const UserCommandRow& row : rows) {
    commands.push_back({row.name, row.target, row.parameters, WindowModeFromText(TrimSpaces(row.windowModeText))});
  }
  if (ReplaceFileContents(*file, CommandListText(commands))) {
    prompt.Message(Commands(commands.size()) + (commands.size() == 1 ? " was" : " were") + " exported to " + *file +
                       ".",
                   kAppTitle, kOkOnly | kIconInformation);
  } else {
    prompt.Message("The commands could not be written to " + *file + ".", kAppTitle, kOkOnly | kIconExclamation);
  }
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
  std::size_t restored = 0;
  std::deque<std::string> pending;  // shortcuts asked for and not yet seen
  for (const CommandRecord& command : std::get<std::vector<CommandRecord>>(parsed)) {
    if (!ConfirmRestoring(command, list.UserCommandRows(), list.ShadowingPrograms(), prompt)) continue;
    if (pending.size() == kScriptsAtOnce) {
      WaitForFileWithMessages(pending.front(), kShortcutWaitMs);
      pending.pop_front();
    }
    const std::string shortcut = GeneratedFilePath(store.programFolder, command.name, ".lnk");
    DeleteFileA(shortcut.c_str());  // so that the wait is for the new one
    if (!SaveNewCommand(store, command, list.UserCommandRows())) break;  // no script: none would work
    ++restored;
    pending.push_back(shortcut);
    list.UserCommandsSaved();
  }
  for (const std::string& shortcut : pending) WaitForFileWithMessages(shortcut, kShortcutWaitMs);
  prompt.Message(Commands(restored) + (restored == 1 ? " was" : " were") + " restored.", kAppTitle,
                 kOkOnly | kIconInformation);
}

}  // namespace quillet
