#include "tests/support/registry_sandbox.h"

#include "store/store_paths.h"
#include "tests/support/temp_program_folder.h"

namespace quillet::testing {

namespace {
constexpr const char* kSandboxParent = "Software\\QuilletTestSandbox\\";

HKEY CreateKey(HKEY parent, const std::string& path, REGSAM access) {
  HKEY key = nullptr;
  RegCreateKeyExA(parent, path.c_str(), 0, nullptr, 0, access, nullptr, &key, nullptr);
  return key;
}
}  // namespace

LocalMachineSandbox::LocalMachineSandbox() : path_(kSandboxParent + UniqueName("hklm")) {
  root_ = CreateKey(HKEY_CURRENT_USER, path_, KEY_ALL_ACCESS);
  RegCloseKey(CreateKey(root_, kAppPathsKey, KEY_ALL_ACCESS));
  RegOverridePredefKey(HKEY_LOCAL_MACHINE, root_);
}

void LocalMachineSandbox::MakeUnwritable() {
  // Windows refuses subkeys under a handle opened without KEY_CREATE_SUB_KEY, but Wine does not
  // check that; a handle to a deleted key refuses new subkeys on both.
  const std::string gone = path_ + "-gone";
  const HKEY deleted = CreateKey(HKEY_CURRENT_USER, gone, KEY_ALL_ACCESS);
  RegDeleteKeyA(HKEY_CURRENT_USER, gone.c_str());
  RegOverridePredefKey(HKEY_LOCAL_MACHINE, deleted);
  RegCloseKey(deleted);
}

LocalMachineSandbox::~LocalMachineSandbox() {
  RegOverridePredefKey(HKEY_LOCAL_MACHINE, nullptr);
  RegCloseKey(root_);
  RegDeleteTreeA(HKEY_CURRENT_USER, path_.c_str());
}

void AddAppPathsEntry(const std::string& subkeyName, const std::string& defaultValue) {
  const HKEY key = CreateKey(HKEY_LOCAL_MACHINE, std::string(kAppPathsKey) + "\\" + subkeyName, KEY_ALL_ACCESS);
  RegSetValueExA(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(defaultValue.c_str()),
                 static_cast<DWORD>(defaultValue.size() + 1));
  RegCloseKey(key);
}

bool AppPathsEntryExists(const std::string& subkeyName) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, (std::string(kAppPathsKey) + "\\" + subkeyName).c_str(), 0, KEY_READ,
                    &key) != ERROR_SUCCESS) {
    return false;
  }
  RegCloseKey(key);
  return true;
}

RegistryValue ReadLocalMachineValue(const std::string& subkey, const char* valueName) {
  RegistryValue result;
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, subkey.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return result;
  DWORD size = 0;
  if (RegQueryValueExA(key, valueName, nullptr, &result.type, nullptr, &size) == ERROR_SUCCESS) {
    result.data.resize(size);
    RegQueryValueExA(key, valueName, nullptr, &result.type, reinterpret_cast<BYTE*>(result.data.data()), &size);
    result.data.resize(size);
    result.found = true;
  }
  RegCloseKey(key);
  return result;
}

}  // namespace quillet::testing
