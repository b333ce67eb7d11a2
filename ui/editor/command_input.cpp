#include "ui/editor/command_input.h"

#include <windows.h>

#include <algorithm>

#include "store/command_name.h"
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

// Saving over another user command by renaming, or over another program's Run word, replaces it:
// the user is asked first. Saving a command under its own name replaces nothing, and in new mode
// the question about a listed name has been asked already.
bool ConfirmReplacing(const EditorInput& input, EditorMode mode, const std::string& oldName,
                      const UserCommandList& rows, const ShadowIndex& shadows, Prompt& prompt) {
  const std::string& name = input.name;
  const bool nothingLeftToAsk = mode == EditorMode::Update ? SameNameIgnoringCase(name, oldName)
                                                              : ListsCommand(rows, name);
  return nothingLeftToAsk ? ConfirmShadowedName(prompt, name, shadows.Find(name))
                            : ConfirmReplacingName(prompt, name, rows, shadows, kIconQuestion);
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
  return ConfirmReplacing(input, mode, oldName, rows, shadows, prompt);
}

bool SaveCommand(const StoreContext& store, const EditorInput& input, EditorMode mode, const std::string& oldName,
                 UserCommandList& rows) {
  const std::string& name = input.name;
  const CommandRecord command{name, input.path, JoinParameters(input.parameters), WindowModeOfBoxText(input.windowMode)};
  const SaveOutcome outcome =
      mode == EditorMode::New ? SaveNewCommand(store, command, rows) : SaveUpdatedCommand(store, command, oldName, rows);
  return outcome == SaveOutcome::Saved;
}

}  // namespace quillet
