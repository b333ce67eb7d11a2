#include "ui/main/create_from_shell.h"

#include "store/app_paths_store.h"
#include "store/command_record.h"
#include "store/definition_store.h"
#include "store/launcher_shortcut.h"
#include "store/shadowing.h"
#include "store/target_path.h"
#include "ui/common/replace_questions.h"

namespace quillet {

bool CreateFromShell(const StoreContext& store, const std::string& sName, std::string sPath) {
  if (!ConfirmShadowedName(store.notifier, sName, ShadowIndex(SystemSearchOrder()).Find(sName))) return true;
  sPath = ApplyFolderRule(sPath);
  const std::string folder = GetFolderOfPath(sPath);
  if (!CreateShortcutLNKFile(store, sName, sPath, "", folder, kWindowNormal)) {
    store.notifier.Message("CreateShortcutLNKFile=false", kAppTitle, kOkOnly);
    return false;
  }
  CreateAppPathsKey(store, sName);
  WriteDefinitionFile(store, sName, sPath, "", kWindowNormal);
  store.notifier.Message("Command added...\r\n\r\nName: " + sName + "\r\nPath: " + sPath, kAppTitle, kOkOnly);
  return true;
}

}  // namespace quillet
