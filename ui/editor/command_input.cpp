#include "ui/editor/command_input.h"

#include <windows.h>

#include <algorithm>

#include "store/app_paths_store.h"
#include "store/command_name.h"
#include "store/definition_store.h"
#include "store/launcher_shortcut.h"
#include "store/new_command.h"
#include "store/target_path.h"
#include "store/text.h"
#include "ui/common/replace_questions.h"

namespace quillet {

namespace {

bool Confirmed(Prompt& prompt, const std::string& text, unsigned icon) {
  return prompt.Message(text, kAppTitle, kYesNo | icon) == IDYES;
}

bool Refuse(Prompt& prompt, const std::string& text, const char* title = kAppTitle) {
  prompt.Message(text, title, kOkOnly | kIconInformation);
  return false;
}

bool ListsName(const UserCommandList& rows, const std::string& name) {
  return std::any_of(rows.begin(), rows.end(), [&](const UserCommandRow& row) { return SameNameIgnoringCase(row.name, name); });
}

// What the Parts leave open: saving over another user command by renaming, or over another
// program's Run word, replaces it; the user is asked first.
bool ConfirmReplacing(const EditorInput& input, EditorMode mode, const std::string& oldName,
                      const UserCommandList& rows, Prompt& prompt) {
  const std::string& name = input.name;
  if (mode == EditorMode::Update && SameNameIgnoringCase(name, oldName)) return true;
  if (ListsName(rows, name)) {
    // New mode asked its own question already.
    return mode == EditorMode::New || ConfirmOverwritingCommand(prompt, name, kIconQuestion);
  }
  return !HasAppPathsEntry(name) || ConfirmReplacingSystemCommand(prompt, name);
}

}  // namespace

bool ValidateInput(EditorInput& input, EditorMode mode, const std::string& oldName, const UserCommandList& rows,
                   const ShadowIndex& shadows, Prompt& prompt) {
  if (!HasOnlyNameCharacters(input.name)) {
    return Refuse(prompt, "You may only use A-Z and 0-9 when naming your command!", "Illegal character");
  }
  if (IsOwnRunWord(input.name)) {
    prompt.Message(OwnRunWordMessage(input.name), kAppTitle, kOkOnly | kIconExclamation);
    return false;
  }
  if (mode == EditorMode::New) {
    // Letter case is ignored: the registry and the file system would make the two names one.
    for (const UserCommandRow& row : rows) {
      if (SameNameIgnoringCase(row.name, input.name) &&
          !Confirmed(prompt, "The command: '" + input.name + "' already exists, do want to overwrite it?",
                     kIconQuestion)) {
        return false;
      }
    }
  }
  if (input.path.empty() || input.name.empty()) return Refuse(prompt, "Please fill in all required fields!");
  if (input.path.find('.') == std::string::npos) {
    input.path = ApplyFolderRule(input.path);
    const bool hasParameters = std::any_of(input.parameters.begin(), input.parameters.end(),
                                           [](const std::string& box) { return !box.empty(); });
    if (hasParameters) return Refuse(prompt, "You can\xB4t assign parameters to folders!");
  }
  return ConfirmReplacing(input, mode, oldName, rows, prompt) &&
         ConfirmShadowedName(prompt, input.name, shadows.Find(input.name));
}

bool SaveCommand(const StoreContext& store, const EditorInput& input, EditorMode mode, const std::string& oldName,
                 UserCommandList& rows) {
  const std::string& name = input.name;
  const CommandRecord command{name, input.path, JoinParameters(input.parameters), WindowModeOfBoxText(input.windowMode)};
  if (mode == EditorMode::New) return SaveNewCommand(store, command, rows);
  if (!CreateShortcutLNKFile(store, name, command.target, command.parameters, GetFolderOfPath(command.target),
                             command.windowMode)) {
    return false;
  }
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
  UserCommandRow saved{name, command.target, command.parameters, std::to_string(command.windowMode), 0};
  const auto edited =
      std::find_if(rows.begin(), rows.end(), [&](const UserCommandRow& row) { return row.name == oldName; });
  if (edited == rows.end()) {
    rows.push_back(std::move(saved));  // the row went while the editor was open
  } else {
    saved.icon = edited->icon;
    *edited = std::move(saved);
  }
  WriteDefinitionFile(store, name, command.target, command.parameters, command.windowMode);
  return true;
}

}  // namespace quillet
