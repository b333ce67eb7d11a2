#pragma once
// Redirects this test process's HKEY_LOCAL_MACHINE to a fresh, empty key of its own, so store
// tests see an App Paths key that holds exactly what they put there.

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

// Registry helpers for checks, on the (possibly redirected) HKLM.
void AddAppPathsEntry(const std::string& subkeyName, const std::string& defaultValue);
bool AppPathsEntryExists(const std::string& subkeyName);
// The raw data of a value, type and all; the returned size counts what the registry holds.
struct RegistryValue {
  bool found = false;
  DWORD type = 0;
  std::string data;  // exactly the stored bytes, a terminating NUL included if stored
};
RegistryValue ReadLocalMachineValue(const std::string& subkey, const char* valueName);

}  // namespace quillet::testing
