#include "ui/common/replace_questions.h"

#include <windows.h>

#include "store/app_paths_store.h"

namespace quillet {

bool ConfirmReplacingSystemCommand(Prompt& prompt, const std::string& name) {
  return prompt.Message("The command: '" + name + "' is a system command, added by other applications than Quillet!\r\n"
                        "Do you want to replace it with this command?",
                        kAppTitle, kYesNo | kIconExclamation) == IDYES;
}

bool ConfirmOverwritingCommand(Prompt& prompt, const std::string& name, unsigned iconFlags) {
  return prompt.Message("The command: '" + name + "' already exists, do you want to overwrite it?", kAppTitle,
                        kYesNo | iconFlags) == IDYES;
}

bool ConfirmShadowedName(Notifier& prompt, const std::string& name, const std::string& shadowingFile) {
  return shadowingFile.empty() ||
         prompt.Message(ShadowedNameQuestion(name, shadowingFile), kAppTitle, kYesNo | kIconExclamation) == IDYES;
}

bool ConfirmReplacingName(Prompt& prompt, const std::string& name, const UserCommandList& rows,
                          const ShadowIndex& shadows, unsigned overwriteIconFlags) {
  const bool replaces = ListsCommand(rows, name) ? ConfirmOverwritingCommand(prompt, name, overwriteIconFlags)
                                                 : !HasAppPathsEntry(name) || ConfirmReplacingSystemCommand(prompt, name);
  return replaces && ConfirmShadowedName(prompt, name, shadows.Find(name));
}

}  // namespace quillet
