#include "ui/common/replace_questions.h"

#include <windows.h>

#include "store/app_paths_store.h"

namespace quillet {

bool ConfirmReplacingSystemCommand(Prompt& prompt, const std::string& name) {
  return prompt.Message("The command: '" + name + "' is a system command, added by other applications than Quillet!\r\n"
                        "Do you want to replace it with this command?",
                        kAppTitle, kYesNo | kIconExclamation) == IDYES;
}

bool ConfirmOverwritingCommand(Prompt& prompt, const std::string& name, OverwriteWords words, unsigned iconFlags) {
  if (words == OverwriteWords::AskedAlready) return true;
  const char* question = words == OverwriteWords::Editor ? "' already exists, do want to overwrite it?"
                                                         : "' already exists, do you want to overwrite it?";
  return prompt.Message("The command: '" + name + question, kAppTitle, kYesNo | iconFlags) == IDYES;
}

bool ConfirmShadowedName(Prompt& prompt, const std::string& name, const std::string& shadowingFile) {
  return shadowingFile.empty() ||
         prompt.Message(ShadowedNameQuestion(name, shadowingFile), kAppTitle, kYesNo | kIconExclamation) == IDYES;
}

std::optional<EntryClaim> ConfirmReplacingName(Prompt& prompt, const StoreContext& store, const std::string& name,
                                               bool listed, const ShadowIndex& shadows, OverwriteWords words,
                                               unsigned overwriteIconFlags) {
  const EntryOwner owner = OwnerOfEntry(store, name);
  EntryClaim claim = EntryClaim::OwnOrFree;
  if ((listed || owner == EntryOwner::ThisCopy) && !ConfirmOverwritingCommand(prompt, name, words, overwriteIconFlags)) {
    return std::nullopt;
  }
  // A command of the user's whose entry another program has taken since is that program's now.
  if (owner == EntryOwner::Other || owner == EntryOwner::Orphaned) {
    if (!ConfirmReplacingSystemCommand(prompt, name)) return std::nullopt;
    claim = EntryClaim::Any;
  }
  if (!ConfirmShadowedName(prompt, name, shadows.Find(name))) return std::nullopt;
  return claim;
}

}  // namespace quillet
