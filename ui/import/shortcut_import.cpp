#include "ui/import/shortcut_import.h"

#include <list>

#include "store/app_paths_store.h"
#include "store/command_name.h"
#include "store/companion_scripts.h"
#include "store/definition_store.h"
#include "store/shell_link.h"
#include "store/store_paths.h"
#include "store/text.h"
#include "ui/common/message_pump.h"
#include "ui/common/replace_questions.h"

namespace quillet {

namespace {

constexpr int kShowWithoutActivating = 4;
constexpr DWORD kLongestAddress = 2084;  // INTERNET_MAX_URL_LENGTH and its NUL

// Refuses a name that would write outside Cmds or into nested registry keys, an empty one and
// Quillet's own Run words; true when the row may be imported.
bool AcceptName(Prompt& prompt, const std::string& name, const std::string& fileName) {
  std::string refusal;
  if (name.empty()) {
    refusal = "The shortcut '" + fileName + "' has no command name, so it was not imported.\r\n"
              "Right-click its row in the list to give it one.";
  } else if (IsOwnRunWord(name)) {
    refusal = OwnRunWordMessage(name);
  } else if (!IsSafeCommandName(name)) {
    refusal = UnsafeNameMessage(name);
  }
  if (refusal.empty()) return true;
  prompt.Message(refusal, kAppTitle, kOkOnly | kIconExclamation);
  return false;
}

// The script host cannot read a shortcut under Wine, so the program reads it and hands the
// fields over in the script's environment, as for the launcher shortcut; a script without them
// reads the shortcut itself, as it can on Windows.
std::list<ScopedEnvironmentVariable> ShortcutFieldsForScript(const std::string& name, const ImportRow& row) {
  std::list<ScopedEnvironmentVariable> variables;
  std::string target, arguments, mode = "1";
  if (IsInternetShortcut(row.fileName)) {
    char address[kLongestAddress] = {};
    GetPrivateProfileStringA("InternetShortcut", "URL", "", address, sizeof address, TrimSpaces(row.shortcutPath).c_str());
    target = address;
  } else if (const auto link = ReadShellLink(TrimSpaces(row.shortcutPath))) {
    target = link->target;
    arguments = link->arguments;
    mode = std::to_string(link->windowStyle);
  } else {
    return variables;
  }
  for (const auto& [variable, value] : {std::pair<const char*, const std::string&>{"QUILLET_IMPORT_NAME", name},
                                        {"QUILLET_IMPORT_TARGET", target},
                                        {"QUILLET_IMPORT_ARGUMENTS", arguments},
                                        {"QUILLET_IMPORT_MODE", mode}}) {
    variables.emplace_back(variable, value.c_str());
  }
  return variables;
}

void DeleteFiles(const std::string& programFolder, const std::string& name, std::initializer_list<const char*> endings) {
  for (const char* ending : endings) DeleteFileA(GeneratedFilePath(programFolder, name, ending).c_str());
}

void ImportOneRow(const StoreContext& store, Prompt& prompt, const ImportRow& row, CommandListOwner& list,
               DWORD scriptTimeoutMs) {
  const std::string name = TrimSpaces(row.name);
  if (!AcceptName(prompt, name, row.fileName)) return;
  UserCommandList& commands = list.UserCommandRows();
  // Every question comes before anything changes: a No leaves the command of that name whole.
  const bool replacesCommand = ListsCommand(commands, name);
  if (!ConfirmReplacingName(prompt, name, commands, list.ShadowingPrograms(), 0)) return;
  const bool internet = IsInternetShortcut(row.fileName);
  const std::string& folder = store.programFolder;
  if (!CopyFileA(TrimSpaces(row.shortcutPath).c_str(),
                 GeneratedFilePath(folder, name, internet ? ".url" : ".lnk").c_str(), FALSE)) {
    prompt.Message("The shortcut '" + row.fileName + "' could not be imported as the command '" + name +
                       "': it could not be copied into the Cmds folder.\r\nNothing was changed.",
                   kAppTitle, kOkOnly | kIconExclamation);
    return;
  }
  if (replacesCommand) DeleteFiles(folder, name, {".cfg"});
  CreateAppPathsKey(store, name);
  if (RemoveFromCommandList(commands, name)) list.UserCommandsSaved();
  const std::string marker = GeneratedFilePath(folder, name, ".tmp");
  DeleteFileA(marker.c_str());

  const char* script = internet ? "cishortcutu.vbs" : "cishortcut.vbs";
  bool started = false;
  {
    const auto fields = ShortcutFieldsForScript(name, row);
    // Quoted, so that a script without the fields gets a name with blanks whole.
    const std::string quotedName = "\"" + name + "\"";
    started = StartCompanionScript(store.owner, folder, script, quotedName, folder, kShowWithoutActivating) > 32;
  }
  const bool finished = started && WaitForFileWithMessages(marker, scriptTimeoutMs);
  // The script host may still hold the marker it has just made, and then it cannot be deleted yet.
  const ULONGLONG giveUp = GetTickCount64() + 2000;
  while (!DeleteFileA(marker.c_str()) && GetLastError() == ERROR_SHARING_VIOLATION && GetTickCount64() < giveUp) {
    Sleep(10);
  }
  DeleteFiles(folder, name, {".url"});
  if (!finished) {
    // Nothing half-made stays behind: no entry that starts nothing, no stray copy.
    DeleteAppPathsKey(name);
    DeleteFiles(folder, name, {".lnk", ".cfg"});
    prompt.Message("The shortcut '" + row.fileName + "' could not be imported as the command '" + name +
                       "': the script " + script +
                       (started ? " did not finish within " + std::to_string(scriptTimeoutMs / 1000) + " seconds."
                                : " could not be started.") +
                       "\r\nNothing of this command was kept.",
                   kAppTitle, kOkOnly | kIconExclamation);
    return;
  }
  // The whole definition, not only the target: an update of the new row keeps its parameters
  // and window mode.
  const DefinitionFields fields = ReadDefinitionFile(store, name).value_or(DefinitionFields{name, {}, {}, {}});
  commands.push_back({name, fields.target, fields.parameters, fields.windowModeText, 0});
  list.UserCommandsSaved();
}

}  // namespace

void ImportShortcuts(const StoreContext& store, Prompt& prompt, const ImportList& rows, CommandListOwner& list,
                     DWORD scriptTimeoutMs) {
  for (const ImportRow& row : rows) {
    if (row.ticked) ImportOneRow(store, prompt, row, list, scriptTimeoutMs);
  }
}

}  // namespace quillet
