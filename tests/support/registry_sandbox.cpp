#include "tests/support/registry_sandbox.h"

#include "tests/support/temp_program_folder.h"

namespace quillet::testing {

namespace {
HKEY CreateKey(HKEY parent, const std::string& path) {
  HKEY key = nullptr;
  RegCreateKeyExA(parent, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr);
  return key;
}
}  // namespace

LocalMachineSandbox::LocalMachineSandbox() : path_("Software\\QuilletTestSandbox\\" + UniqueName("hklm")) {
  root_.Reset(CreateKey(HKEY_CURRENT_USER, path_));
  RegCloseKey(CreateKey(root_.Get(), kAppPathsKey));
  RegOverridePredefKey(HKEY_LOCAL_MACHINE, root_.Get());
}

void LocalMachineSandbox::MakeUnwritable() {
  // Windows refuses subkeys under a handle opened without KEY_CREATE_SUB_KEY, but Wine does not
  // check that; a handle to a deleted key refuses new subkeys on both.
  const std::string gone = path_ + "-gone";
  const ScopedRegistryKey deleted(CreateKey(HKEY_CURRENT_USER, gone));
  RegDeleteKeyA(HKEY_CURRENT_USER, gone.c_str());
  RegOverridePredefKey(HKEY_LOCAL_MACHINE, deleted.Get());
}

LocalMachineSandbox::~LocalMachineSandbox() {
  RegOverridePredefKey(HKEY_LOCAL_MACHINE, nullptr);
  root_.Reset();
  RegDeleteTreeA(HKEY_CURRENT_USER, path_.c_str());
}

std::string RegistryBytes(HKEY root, const std::string& key, const char* valueName) {
  HKEY opened = nullptr;
  RegOpenKeyExA(root, key.c_str(), 0, KEY_READ, &opened);
  const ScopedRegistryKey closer(opened);
  DWORD size = 0;
  if (!opened || RegQueryValueExA(opened, valueName, nullptr, nullptr, nullptr, &size) != ERROR_SUCCESS) return {};
  std::string bytes(size, '\0');  // RegGetValue would add a NUL the value may lack: read it as stored
  RegQueryValueExA(opened, valueName, nullptr, nullptr, reinterpret_cast<BYTE*>(bytes.data()), &size);
  bytes.resize(size);
  return bytes;
}

}  // namespace quillet::testing
