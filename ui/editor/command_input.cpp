#include "ui/editor/command_input.h"

#include <windows.h>

#include <algorithm>

#include "store/command_name.h"
#include "store/target_path.h"
#include "store/text.h"
#include "ui/common/replace_questions.h"
#include "ui/common/store_messages.h"

namespace quillet {

namespace {

bool Refuse(Prompt& prompt, const std::string& text, const char* title = kAppTitle) {
  prompt.Message(text, title, kOkOnly | kIconInformation);
  return false;
}

}  // namespace

std::optional<EntryClaim> ValidateInput(EditorInput& input, EditorMode mode, const EditedCommand& edited,
                                        const UserCommandList& rows, const ShadowIndex& shadows,
                                        const StoreContext& store, Prompt& prompt) {
  const std::string& name = input.name;
  const bool keepsItsName = mode == EditorMode::Update && SameNameIgnoringCase(name, edited.name);
  if (!keepsItsName && !HasOnlyNameCharacters(name)) {
    Refuse(prompt, "You may only use A-Z and 0-9 when naming your command!", "Illegal character");
    return std::nullopt;
  }
  const NameRefusal refusal = RefuseName(name, store.programFolder);
  if (refusal != NameRefusal::None && refusal != NameRefusal::Empty) {
    prompt.Message(NameRefusalMessage(refusal, name), kAppTitle, kOkOnly | kIconExclamation);
    return std::nullopt;
  }
  if (mode == EditorMode::New) {
    // Letter case is ignored: the registry and the file system would make the two names one.
    for (const UserCommandRow& row : rows) {
      if (SameNameIgnoringCase(row.name, name) &&
          !ConfirmOverwritingCommand(prompt, name, OverwriteWords::Editor, kIconQuestion)) {
        return std::nullopt;
      }
    }
  }
  if (input.path.empty() || name.empty()) {
    Refuse(prompt, "Please fill in all required fields!");
    return std::nullopt;
  }
  if (input.path.find('.') == std::string::npos) {
    input.path = ApplyFolderRule(input.path);
    const bool hasParameters = std::any_of(input.parameters.begin(), input.parameters.end(),
                                           [](const std::string& box) { return !box.empty(); });
    if (hasParameters) {
      Refuse(prompt, "You can\xB4t assign parameters to folders!");
      return std::nullopt;
    }
  }
  const LauncherRefusal tooLong = RefuseLauncher(input.path, JoinParameters(input.parameters));
  if (tooLong != LauncherRefusal::None) {
    prompt.Message(LauncherRefusalMessage(tooLong, name), kAppTitle, kOkOnly | kIconExclamation);
    return std::nullopt;
  }
  // Saving a command under its own name replaces nothing; in new mode the question about a
  // listed name has been asked already.
  if (keepsItsName) {
    return ConfirmShadowedName(prompt, name, shadows.Find(name)) ? std::optional(EntryClaim::OwnOrFree) : std::nullopt;
  }
  // In new mode the question about a listed name has been asked above, once per row.
  return ConfirmReplacingName(prompt, store, name, ListsCommand(rows, name), shadows,
                              mode == EditorMode::New ? OverwriteWords::AskedAlready : OverwriteWords::Import,
                              kIconQuestion);
}

bool SaveCommand(const StoreContext& store, Prompt& prompt, const EditorInput& input, EditorMode mode,
                 const EditedCommand& edited, EntryClaim claim, UserCommandList& rows) {
  SaveRequest request{{input.name, input.path, JoinParameters(input.parameters), WindowModeOfBoxText(input.windowMode)},
                      mode == EditorMode::Update ? edited.fileName : ""};
  request.claim = claim;
  const SaveOutcome outcome = quillet::SaveCommand(store, request, rows);
  TellSaveFailure(prompt, store, outcome, input.name);
  return outcome.Saved();
}

}  // namespace quillet
