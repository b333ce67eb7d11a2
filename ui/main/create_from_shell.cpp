#include "ui/main/create_from_shell.h"

#include "store/new_command.h"
#include "store/shadowing.h"
#include "store/target_path.h"
#include "ui/common/replace_questions.h"

namespace quillet {

bool CreateFromShell(const StoreContext& store, const std::string& sName, std::string sPath) {
  if (!ConfirmShadowedName(store.notifier, sName, ShadowIndex(SystemSearchOrder()).Find(sName))) return true;
  sPath = ApplyFolderRule(sPath);
  UserCommandList unlisted;  // no list is shown: the program ends once the command is made
  switch (SaveNewCommand(store, {sName, sPath, "", kWindowNormal}, unlisted)) {
    case SaveOutcome::Saved:
      break;
    case SaveOutcome::NoShortcut:
      store.notifier.Message("CreateShortcutLNKFile=false", kAppTitle, kOkOnly);
      return false;
    case SaveOutcome::NoDefinition:
      return false;  // the user has been told, and nothing was added
  }
  store.notifier.Message("Command added...\r\n\r\nName: " + sName + "\r\nPath: " + sPath, kAppTitle, kOkOnly);
  return true;
}

}  // namespace quillet
