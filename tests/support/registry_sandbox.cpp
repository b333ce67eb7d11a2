#include "tests/support/registry_sandbox.h"

#include "store/store_paths.h"
#include "tests/support/temp_program_folder.h"

namespace quillet::testing {

namespace {
constexpr const char* kSandboxParent = "Software\\QuilletTestSandbox\\";

HKEY CreateKey(HKEY parent, const std::string& path) {
  HKEY key = nullptr;
  RegCreateKeyExA(parent, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr);
  return key;
}
}  // namespace

LocalMachineSandbox::LocalMachineSandbox() : path_(kSandboxParent + UniqueName("hklm")) {
  root_ = CreateKey(HKEY_CURRENT_USER, path_);
  RegCloseKey(CreateKey(root_, kAppPathsKey));
  RegOverridePredefKey(HKEY_LOCAL_MACHINE, root_);
}

void LocalMachineSandbox::MakeUnwritable() {
  // Windows refuses subkeys under a handle opened without KEY_CREATE_SUB_KEY, but Wine does not
  // check that; a handle to a deleted key refuses new subkeys on both.
  const std::string gone = path_ + "-gone";
  const HKEY deleted = CreateKey(HKEY_CURRENT_USER, gone);
  RegDeleteKeyA(HKEY_CURRENT_USER, gone.c_str());
  RegOverridePredefKey(HKEY_LOCAL_MACHINE, deleted);
  RegCloseKey(deleted);
}

LocalMachineSandbox::~LocalMachineSandbox() {
  RegOverridePredefKey(HKEY_LOCAL_MACHINE, nullptr);
  RegCloseKey(root_);
  RegDeleteTreeA(HKEY_CURRENT_USER, path_.c_str());
}

bool KeyExists(HKEY root, const std::string& key) {
  HKEY opened = nullptr;
  if (RegOpenKeyExA(root, key.c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS) return false;
  RegCloseKey(opened);
  return true;
}

void DeleteKeyTree(HKEY root, const std::string& key) {
  RegDeleteTreeA(root, key.c_str());
  RegDeleteKeyA(root, key.c_str());
}

std::string RegistryText(HKEY root, const std::string& key, const char* valueName) {
  char text[2048] = {};
  DWORD size = sizeof text - 1;
  if (RegGetValueA(root, key.c_str(), valueName, RRF_RT_REG_SZ, nullptr, text, &size) != ERROR_SUCCESS) return {};
  return text;
}

void SetRegistryText(HKEY root, const std::string& key, const char* valueName, const std::string& text) {
  RegSetKeyValueA(root, key.c_str(), valueName, REG_SZ, text.c_str(), static_cast<DWORD>(text.size() + 1));
}

std::string RegistryBytes(HKEY root, const std::string& key, const char* valueName) {
  HKEY opened = nullptr;
  if (RegOpenKeyExA(root, key.c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS) return {};
  DWORD size = 0;
  std::string bytes;
  if (RegQueryValueExA(opened, valueName, nullptr, nullptr, nullptr, &size) == ERROR_SUCCESS) {
    bytes.resize(size);  // RegGetValue would add a NUL the value may lack: read it as stored
    RegQueryValueExA(opened, valueName, nullptr, nullptr, reinterpret_cast<BYTE*>(bytes.data()), &size);
    bytes.resize(size);
  }
  RegCloseKey(opened);
  return bytes;
}

void AddAppPathsEntry(const std::string& subkeyName, const std::string& defaultValue) {
  SetRegistryText(HKEY_LOCAL_MACHINE, std::string(kAppPathsKey) + "\\" + subkeyName, nullptr, defaultValue);
}

bool AppPathsEntryExists(const std::string& subkeyName) {
  return KeyExists(HKEY_LOCAL_MACHINE, std::string(kAppPathsKey) + "\\" + subkeyName);
}

}  // namespace quillet::testing
