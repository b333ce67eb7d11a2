#pragma once
// Redirects this test process's HKEY_LOCAL_MACHINE to a fresh, empty key of its own, so store
// tests see an App Paths key that holds exactly what they put there; and the registry look-ups
// that checks need.

#include <windows.h>

#include <string>

namespace quillet::testing {

class LocalMachineSandbox {
 public:
  LocalMachineSandbox();
  LocalMachineSandbox(const LocalMachineSandbox&) = delete;
  LocalMachineSandbox& operator=(const LocalMachineSandbox&) = delete;
  ~LocalMachineSandbox();

  // From now on no subkey can be created under the redirected HKLM (as for a user without
  // write access to it).
  void MakeUnwritable();

 private:
  std::string path_;  // under HKEY_CURRENT_USER
  HKEY root_ = nullptr;
};

bool KeyExists(HKEY root, const std::string& key);
void DeleteKeyTree(HKEY root, const std::string& key);
// A text value (valueName null: the default value); "" when missing.
std::string RegistryText(HKEY root, const std::string& key, const char* valueName = nullptr);
void SetRegistryText(HKEY root, const std::string& key, const char* valueName, const std::string& text);
// Exactly the stored bytes of a value, a terminating NUL included if stored; "" when missing.
std::string RegistryBytes(HKEY root, const std::string& key, const char* valueName);

// The same on the (possibly redirected) App Paths key, by subkey name ("notes.exe").
void AddAppPathsEntry(const std::string& subkeyName, const std::string& defaultValue);
bool AppPathsEntryExists(const std::string& subkeyName);

}  // namespace quillet::testing
