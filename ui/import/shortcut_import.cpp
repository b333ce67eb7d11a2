#include "ui/import/shortcut_import.h"

#include "store/command_name.h"
#include "store/save_command.h"
#include "store/text.h"
#include "ui/common/replace_questions.h"
#include "ui/common/store_messages.h"

namespace quillet {

namespace {

// Why the row's shortcut could not become the command; "" when the store's own words say it.
std::string Reason(const SaveOutcome& outcome, const std::string& script) {
  switch (outcome.failure) {
    case SaveFailure::SourceUnreadable: return "it could not be read.\r\nNothing was changed.";
    case SaveFailure::CopyFailed: return "it could not be copied into the Cmds folder.\r\nNothing was changed.";
    case SaveFailure::ScriptMissing:
    case SaveFailure::NoScriptHost: return "the script " + script + " could not be started.";
    case SaveFailure::ScriptTimedOut:
      return "the script " + script + " did not finish within " + std::to_string(kScriptWaitMs / 1000) + " seconds.";
    case SaveFailure::ScriptFailed: return "the script " + script + " ended without writing the command.";
    case SaveFailure::LauncherFailed:
    case SaveFailure::DefinitionFailed: return "its files could not be written in the Cmds folder.";
    default: return "";
  }
}

void ImportOneRow(const StoreContext& store, Prompt& prompt, const ImportRow& row, CommandListOwner& list) {
  const std::string name = TrimSpaces(row.name);
  const NameRefusal refusal = RefuseName(name, store.programFolder);
  if (refusal != NameRefusal::None) {
    prompt.Message(refusal == NameRefusal::Empty
                       ? "The shortcut '" + row.fileName + "' has no command name, so it was not imported.\r\n"
                         "Right-click its row in the list to give it one."
                       : NameRefusalMessage(refusal, name),
                   kAppTitle, kOkOnly | kIconExclamation);
    return;
  }
  UserCommandList& commands = list.UserCommandRows();
  // Every question comes before anything changes: a No leaves the command of that name whole.
  const std::optional<EntryClaim> claim = ConfirmReplacingName(
      prompt, store, name, ListsCommand(commands, name), list.ShadowingPrograms(), OverwriteWords::Import, 0);
  if (!claim) return;
  const bool internet = IsInternetShortcut(row.fileName);
  SaveRequest request{{name}, "", internet ? LauncherSource::InternetShortcut : LauncherSource::ShellLink,
                      TrimSpaces(row.shortcutPath), *claim};
  const SaveOutcome outcome = SaveCommand(store, request, commands);
  if (outcome.Saved()) {
    list.UserCommandsSaved();
    return;
  }
  const std::string reason = Reason(outcome, internet ? "cishortcutu.vbs" : "cishortcut.vbs");
  if (reason.empty()) {
    TellSaveFailure(prompt, store, outcome, name);
    return;
  }
  const bool nothingChanged = reason.find("Nothing was changed") != std::string::npos;
  prompt.Message("The shortcut '" + row.fileName + "' could not be imported as the command '" + name + "': " + reason +
                     (nothingChanged ? "" : "\r\nNothing of this command was kept."),
                 kAppTitle, kOkOnly | kIconExclamation);
}

}  // namespace

void ImportShortcuts(const StoreContext& store, Prompt& prompt, const ImportList& rows, CommandListOwner& list) {
  for (const ImportRow& row : rows) {
    if (row.ticked) ImportOneRow(store, prompt, row, list);
  }
}

}  // namespace quillet
