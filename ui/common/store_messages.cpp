#include "ui/common/store_messages.h"

#include "store/store_paths.h"

namespace quillet {

void TellRegistryFailure(Prompt& prompt) {
  prompt.Message("Error creating registry key!", kAppTitle, kOkOnly | kIconCritical);
}

void TellSystemListFailure(Prompt& prompt) {
  prompt.Message("Couldn\xB4t recieve the list of system commands!", kAppTitle, kOkOnly | kIconInformation);
}

void TellSaveFailure(Prompt& prompt, const StoreContext& store, const SaveOutcome& outcome, const std::string& name) {
  const std::string notSaved = "The command '" + name + "' could not be saved: ";
  const std::string cmds = CmdsFolder(store.programFolder);
  switch (outcome.failure) {
    case SaveFailure::None:
      return;
    case SaveFailure::NameRefused:
      prompt.Message(NameRefusalMessage(outcome.nameRefusal, name), kAppTitle, kOkOnly | kIconExclamation);
      return;
    case SaveFailure::LauncherRefused:
      prompt.Message(LauncherRefusalMessage(outcome.launcherRefusal, name), kAppTitle, kOkOnly | kIconExclamation);
      return;
    case SaveFailure::ForeignEntry:
      prompt.Message(notSaved + "another program's command of that name is in App Paths.", kAppTitle,
                     kOkOnly | kIconExclamation);
      return;
    case SaveFailure::ScriptMissing:
      prompt.Message("Couldn\xB4t find the file 'cshortcut.vbs', please reinstall the program!", "Error",
                     kOkOnly | kIconInformation);
      return;
    case SaveFailure::NoScriptHost:
      prompt.Message("Could not locate the Windows Script Host Engine on your computer!\r\n"
                     "It can be downloaded for free at https://www.microsoft.com/download/details.aspx?id=8247",
                     "Error", kOkOnly | kIconInformation);
      return;
    case SaveFailure::AppPathsFailed:
      TellRegistryFailure(prompt);
      return;
    case SaveFailure::DefinitionFailed:
      prompt.Message(notSaved + "its definition file could not be written in " + cmds + ".", kAppTitle,
                     kOkOnly | kIconExclamation);
      return;
    case SaveFailure::SourceUnreadable:
    case SaveFailure::CopyFailed:
    case SaveFailure::LauncherFailed:
    case SaveFailure::ScriptFailed:
    case SaveFailure::ScriptTimedOut:
      prompt.Message(notSaved + "its launcher shortcut could not be written in " + cmds + ".", kAppTitle,
                     kOkOnly | kIconExclamation);
      return;
  }
}

}  // namespace quillet
