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

RegistrySandbox::RegistrySandbox() : path_("Software\\QuilletTestSandbox\\" + UniqueName("roots")) {
  user_.Reset(CreateKey(HKEY_CURRENT_USER, path_ + "\\user"));
  machine_.Reset(CreateKey(HKEY_CURRENT_USER, path_ + "\\machine"));
  RegCloseKey(CreateKey(machine_.Get(), kAppPathsKey));  // the machine always has one; a user may not
  roots_ = {user_.Get(), machine_.Get()};
}

void RegistrySandbox::MakeUnwritable(StoreScope scope) {
  // Windows refuses subkeys under a handle opened without KEY_CREATE_SUB_KEY, but Wine does not
  // check that; a handle to a deleted key refuses new subkeys and deletions on both.
  const std::string gone = path_ + "-gone";
  deleted_.Reset(CreateKey(HKEY_CURRENT_USER, gone));
  RegDeleteKeyA(HKEY_CURRENT_USER, gone.c_str());
  (scope == StoreScope::PerUser ? roots_.user : roots_.machine) = deleted_.Get();
}

RegistrySandbox::~RegistrySandbox() {
  user_.Reset();
  machine_.Reset();
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
