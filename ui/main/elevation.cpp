#include "ui/main/elevation.h"

#include <windows.h>
#include <shellapi.h>

#include <vector>

#include "store/registry_values.h"
#include "store/scoped_handles.h"
#include "store/shell_functions.h"
#include "store/store_paths.h"
#include "store/wide_text.h"

namespace quillet {

bool SystemElevation::IsElevated() const {
  HANDLE raw = nullptr;
  if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &raw)) return false;
  const ScopedProcess token(raw);
  TOKEN_ELEVATION elevation{};
  DWORD size = 0;
  return GetTokenInformation(token.Get(), TokenElevation, &elevation, sizeof elevation, &size) &&
         elevation.TokenIsElevated != 0;
}

Elevation::Restart SystemElevation::RestartElevated(const std::string& argumentText) const {
  std::vector<wchar_t> path(MAX_PATH);
  while (GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size())) >= path.size()) {
    path.resize(path.size() * 2);
  }
  const std::wstring parameters = WideFromUtf8(argumentText);
  SHELLEXECUTEINFOW info{};
  info.cbSize = sizeof info;
  info.fMask = SEE_MASK_FLAG_NO_UI;
  info.lpVerb = L"runas";
  info.lpFile = path.data();
  info.lpParameters = parameters.c_str();
  info.nShow = SW_SHOWNORMAL;
  static const auto execute = SystemFunction<decltype(ShellExecuteExW)>("shell32.dll", "ShellExecuteExW");
  return execute && execute(&info) ? Restart::Started : Restart::Declined;
}

bool CanWriteCommands(const StoreContext& store) {
  return OpenSubkey(store.Root(), kAppPathsKey, KEY_CREATE_SUB_KEY | KEY_SET_VALUE).Valid();
}

bool GoOnWithRights(const StoreContext& store, Prompt& prompt, const Elevation& elevation,
                    const std::string& argumentText) {
  if (store.scope != StoreScope::MachineWide || CanWriteCommands(store) || elevation.IsElevated()) return true;
  if (elevation.RestartElevated(argumentText) == Elevation::Restart::Started) return false;
  prompt.Message("Quillet is installed for all users, so its commands live in HKEY_LOCAL_MACHINE, which only an "
                 "administrator may change.\r\nWithout administrator rights nothing was changed.",
                 kAppTitle, kOkOnly | kIconExclamation);
  return false;
}

}  // namespace quillet
