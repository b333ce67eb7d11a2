#include "store/script_writer.h"

#include <list>

#include "store/companion_scripts.h"
#include "store/shortcut_request.h"
#include "store/store_context.h"
#include "store/store_paths.h"

namespace quillet {

namespace {

WriteResult ResultOf(ScriptStart start) {
  WriteResult result;
  if (start.result == SE_ERR_FNF || start.result == SE_ERR_PNF) {
    result.status = WriteStatus::ScriptMissing;
  } else if (start.result == SE_ERR_NOASSOC) {
    result.status = WriteStatus::NoScriptHost;
  } else {
    // Any other answer of the shell, an error code included, counts as a script on its way: the
    // wait for its result tells.
    result.status = WriteStatus::Started;
    result.script = std::move(start.process);
  }
  return result;
}

}  // namespace

WriteResult CreateShortcutLNKFile(const StoreContext& store, const std::string& name, const std::string& target,
                                  const std::string& parameters, const std::string& folder, std::int16_t windowMode) {
  const ShortcutRequest request{GeneratedFilePath(store.programFolder, name, ".lnk"), target, folder, windowMode,
                                parameters};
  std::list<ScopedEnvironmentVariable> fields;
  for (const ShortcutFieldVariable& field : kShortcutFieldVariables) {
    fields.emplace_back(field.variable, (request.*field.field).c_str());
  }
  const std::string mode = std::to_string(windowMode);
  fields.emplace_back(kShortcutModeVariable, mode.c_str());
  return ResultOf(StartCompanionScript(store.owner, store.programFolder, "cshortcut.vbs",
                                       ShortcutScriptParameters(request), store.programFolder, SW_SHOWNOACTIVATE));
}

WriteResult ScriptWriter::WriteLauncher(const StoreContext& store, const std::string& name,
                                        const LauncherRequest& request) const {
  return CreateShortcutLNKFile(store, name, request.target, request.parameters, request.workingFolder,
                               request.windowMode);
}

WriteResult ScriptWriter::CompleteImport(const StoreContext& store, const std::string& name, bool internetShortcut,
                                         const ImportedFields& fields) const {
  // The script host cannot read a shortcut under Wine, so the program reads it and hands the
  // fields over in the script's environment, as for the launcher shortcut; a script without them
  // reads the shortcut itself, as it can on Windows.
  std::list<ScopedEnvironmentVariable> variables;
  const std::string mode = std::to_string(fields.windowStyle);
  if (fields.known) {
    for (const auto& [variable, value] : {std::pair<const char*, const std::string&>{"QUILLET_IMPORT_NAME", name},
                                          {"QUILLET_IMPORT_TARGET", fields.target},
                                          {"QUILLET_IMPORT_ARGUMENTS", fields.arguments},
                                          {"QUILLET_IMPORT_MODE", mode}}) {
      variables.emplace_back(variable, value.c_str());
    }
  }
  return ResultOf(StartCompanionScript(store.owner, store.programFolder,
                                       internetShortcut ? "cishortcutu.vbs" : "cishortcut.vbs", name,
                                       store.programFolder, SW_SHOWNOACTIVATE));
}

bool ScriptWriter::SwitchExplorerEntry(const StoreContext& store, bool on) const {
  return StartCompanionScript(store.owner, store.programFolder, on ? "addcontextmenu.vbs" : "removecontextmenu.vbs",
                              "", "", SW_RESTORE)
      .Started();
}

std::string ScriptWriter::PrepareClearWord(const StoreContext& store) const {
  return store.programFolder + "\\clear.vbs";
}

}  // namespace quillet
