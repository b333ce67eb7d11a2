#include "ui/main/create_from_shell.h"

#include "store/app_paths_store.h"
#include "store/save_command.h"
#include "store/shadowing.h"
#include "store/target_path.h"
#include "ui/common/replace_questions.h"
#include "ui/common/store_messages.h"

namespace quillet {

bool CreateFromShell(const StoreContext& store, Prompt& prompt, const std::string& sName, std::string sPath) {
  const bool listed = FindStoredCommand(store, sName).definitionFile;
  const std::optional<EntryClaim> claim =
      ConfirmReplacingName(prompt, store, sName, listed, ShadowsOf(store), OverwriteWords::Editor, kIconQuestion);
  if (!claim) return true;  // the user said No: nothing to make, nothing failed
  sPath = ApplyFolderRule(sPath);
  SaveRequest request{{sName, sPath, "", kWindowNormal}};
  request.claim = *claim;
  UserCommandList unlisted;  // no list is shown: the program ends once the command is made
  const SaveOutcome outcome = SaveCommand(store, request, unlisted);
  if (!outcome.Saved()) {
    TellSaveFailure(prompt, store, outcome, sName);
    if (outcome.failure == SaveFailure::ScriptMissing || outcome.failure == SaveFailure::NoScriptHost) {
      prompt.Message("CreateShortcutLNKFile=false", kAppTitle, kOkOnly);
    }
    return false;
  }
  prompt.Message("Command added...\r\n\r\nName: " + sName + "\r\nPath: " + sPath, kAppTitle, kOkOnly);
  return true;
}

}  // namespace quillet
