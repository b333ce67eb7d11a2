#include "tests/scripts/script_runner.h"

#include <shellapi.h>

namespace quillet::testing {

namespace {
constexpr DWORD kScriptTimeoutMs = 30000;
}

HANDLE StartScript(const std::string& programFolder, const std::string& script,
                   const std::string& parameters) {
  const std::string path = programFolder + "\\" + script;
  SHELLEXECUTEINFOA info{};
  info.cbSize = sizeof info;
  info.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI;
  info.lpVerb = "open";
  info.lpFile = path.c_str();
  info.lpParameters = parameters.c_str();
  info.lpDirectory = programFolder.c_str();
  info.nShow = SW_SHOWNOACTIVATE;
  if (!ShellExecuteExA(&info)) return nullptr;
  return info.hProcess;
}

bool RunScript(const std::string& programFolder, const std::string& script, const std::string& parameters) {
  const HANDLE process = StartScript(programFolder, script, parameters);
  if (!process) return false;
  const bool ended = WaitForSingleObject(process, kScriptTimeoutMs) == WAIT_OBJECT_0;
  CloseHandle(process);
  return ended;
}

std::optional<std::string> ReadDefaultValue(HKEY root, const std::string& key) {
  char value[2048];
  DWORD size = sizeof value;
  if (RegGetValueA(root, key.c_str(), nullptr, RRF_RT_REG_SZ, nullptr, value, &size) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  return std::string(value);
}

void WriteDefaultValue(HKEY root, const std::string& key, const std::string& value) {
  RegSetKeyValueA(root, key.c_str(), nullptr, REG_SZ, value.c_str(), static_cast<DWORD>(value.size() + 1));
}

bool KeyExists(HKEY root, const std::string& key) {
  HKEY opened;
  if (RegOpenKeyExA(root, key.c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS) return false;
  RegCloseKey(opened);
  return true;
}

void DeleteKeyTree(HKEY root, const std::string& key) {
  RegDeleteTreeA(root, key.c_str());  // with a subkey named, the key itself goes too
}

}  // namespace quillet::testing
