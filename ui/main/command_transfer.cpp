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

// Keeps a window from taking input while it lives, as a modal dialog keeps its owner.
class InputBlocked {
 public:
  explicit InputBlocked(HWND window) : window_(window && !EnableWindow(window, FALSE) ? window : nullptr) {}
  InputBlocked(const InputBlocked&) = delete;
  InputBlocked& operator=(const InputBlocked&) = delete;
  ~InputBlocked() {
    if (window_) EnableWindow(window_, TRUE);
  }

 private:
  HWND window_;  // null when it was disabled already
};

std::string Commands(std::size_t count) {
  return count == 1 ? "1 command" : std::to_string(count) + " commands";
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
  const auto waitForOldest = [&] {
    // Messages are handled while waiting; meanwhile the main window takes no input, so that no
    // second restore, removal or exit starts inside this one.
    const InputBlocked busy(store.owner);
    if (WaitForFileWithMessages(pending.front(), kShortcutWaitMs)) ++restored;
    pending.pop_front();
  };
  for (const CommandRecord& command : std::get<std::vector<CommandRecord>>(parsed)) {
    if (!ConfirmReplacingName(prompt, command.name, list.UserCommandRows(), list.ShadowingPrograms(), kIconQuestion)) {
      continue;
    }
    if (pending.size() == kScriptsAtOnce) waitForOldest();
    // The wait is for the new shortcut, so an old one of the name is put aside until the script
    // that writes the new one has started.
    const std::string shortcut = GeneratedFilePath(store.programFolder, command.name, ".lnk");
    const std::string aside = shortcut + ".old";
    MoveFileExA(shortcut.c_str(), aside.c_str(), MOVEFILE_REPLACE_EXISTING);
    const SaveOutcome outcome = SaveNewCommand(store, command, list.UserCommandRows());
    if (outcome == SaveOutcome::NoShortcut) MoveFileExA(aside.c_str(), shortcut.c_str(), MOVEFILE_REPLACE_EXISTING);
    DeleteFileA(aside.c_str());
    if (outcome != SaveOutcome::Saved) break;  // no script, or no writable Cmds folder: none would work
    pending.push_back(shortcut);
    list.UserCommandsSaved();
  }
  while (!pending.empty()) waitForOldest();
  prompt.Message(Commands(restored) + (restored == 1 ? " was" : " were") + " restored.", kAppTitle,
                 kOkOnly | kIconInformation);
}

}  // namespace quillet
