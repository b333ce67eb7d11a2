#include "store/launcher_shortcut.h"


#include <list>

#include "store/companion_scripts.h"
#include "store/shell_functions.h"
#include "store/shortcut_request.h"
#include "store/store_paths.h"

namespace quillet {

namespace {

constexpr INT_PTR kFileNotFound = 2;     // SE_ERR_FNF
constexpr INT_PTR kNoAssociation = 31;   // SE_ERR_NOASSOC
constexpr int kShowWithoutActivating = 4;

constexpr const char* kScriptMissingMessage =
    "Couldn\xB4t find the file 'cshortcut.vbs', please reinstall the program!";
constexpr const char* kScriptHostMissingMessage =
    "Could not locate the Windows Script Host Engine on your computer!\r\n"
    "It can be downloaded for free at https://www.microsoft.com/download/details.aspx?id=8247";

}  // namespace

bool CreateShortcutLNKFile(const StoreContext& store, const std::string& name, const std::string& target,
                           const std::string& parameters, const std::string& folder,
                           std::int16_t windowMode) {
  SetFileAttributesA(GeneratedFilePath(store.programFolder, name, ".vbs").c_str(), FILE_ATTRIBUTE_NORMAL);

  const ShortcutRequest request{GeneratedFilePath(store.programFolder, name, ".lnk"), target, folder,
                                windowMode, parameters};
  std::list<ScopedEnvironmentVariable> fields;
  for (const ShortcutFieldVariable& field : kShortcutFieldVariables) {
    fields.emplace_back(field.variable, (request.*field.field).c_str());
  }
  const std::string mode = std::to_string(windowMode);
  fields.emplace_back(kShortcutModeVariable, mode.c_str());

  const INT_PTR result = StartCompanionScript(store.owner, store.programFolder, "cshortcut.vbs",
                                              ShortcutScriptParameters(request), store.programFolder,
                                              kShowWithoutActivating);
  if (result == kFileNotFound || result == kNoAssociation) {
    store.notifier.Message(result == kFileNotFound ? kScriptMissingMessage : kScriptHostMissingMessage,
                           "Error", kOkOnly | kIconInformation);
    return false;
  }
  return true;
}

void ShowFileProperties(const StoreContext& store, const std::string& path) {
  constexpr int kAttempts = 6;
  for (int attempt = 0; attempt < kAttempts; ++attempt) {
    SHELLEXECUTEINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = SEE_MASK_INVOKEIDLIST | SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI;
    info.hwnd = store.owner;
    info.lpVerb = "properties";
    info.lpFile = path.c_str();
    info.lpParameters = "";
    info.lpDirectory = "";
    info.nShow = 0;
    const bool opened = ShellExecuteExNow(&info) && reinterpret_cast<INT_PTR>(info.hInstApp) > 32;
    if (info.hProcess) CloseHandle(info.hProcess);
    if (opened) return;
    Sleep(500);
  }
}

}  // namespace quillet
