#pragma once
// Two fresh, empty keys of this test's own that stand in for the user's and the machine's roots
// of App Paths (the store takes its roots through StoreContext), and the registry look-ups that
// checks need.

#include <windows.h>

#include <optional>
#include <string>

#include "store/scoped_handles.h"
#include "store/store_context.h"
#include "store/store_paths.h"

namespace quillet::testing {

class RegistrySandbox {
 public:
  RegistrySandbox();
  ~RegistrySandbox();
  RegistrySandbox(const RegistrySandbox&) = delete;
  RegistrySandbox& operator=(const RegistrySandbox&) = delete;

  const RegistryRoots& Roots() const { return roots_; }
  // From now on no subkey can be created under that scope's root, and none deleted (as for a
  // user without the rights to change it).
  void MakeUnwritable(StoreScope scope);

 private:
  std::string path_;  // under HKEY_CURRENT_USER
  ScopedRegistryKey user_, machine_, deleted_;
  RegistryRoots roots_;
};

inline bool KeyExists(HKEY root, const std::string& key) {
  HKEY opened = nullptr;
  RegOpenKeyExA(root, key.c_str(), 0, KEY_READ, &opened);
  return ScopedRegistryKey(opened).Valid();
}
// A text value (valueName null: the default value); "" when missing.
inline std::string RegistryText(HKEY root, const std::string& key, const char* valueName = nullptr) {
  char text[2048] = {};
  DWORD size = sizeof text - 1;
  return RegGetValueA(root, key.c_str(), valueName, RRF_RT_REG_SZ, nullptr, text, &size) == ERROR_SUCCESS ? text : "";
}
inline void SetRegistryText(HKEY root, const std::string& key, const char* valueName, const std::string& text) {
  RegSetKeyValueA(root, key.c_str(), valueName, REG_SZ, text.c_str(), static_cast<DWORD>(text.size() + 1));
}
// Exactly the stored bytes of a value, a terminating NUL included if stored; "" when missing.
std::string RegistryBytes(HKEY root, const std::string& key, const char* valueName);

// The same on an App Paths key, by subkey name ("notes.exe").
inline void AddAppPathsEntry(HKEY root, const std::string& subkeyName, const std::string& defaultValue) {
  SetRegistryText(root, std::string(kAppPathsKey) + "\\" + subkeyName, nullptr, defaultValue);
}
inline bool AppPathsEntryExists(HKEY root, const std::string& subkeyName) {
  return KeyExists(root, std::string(kAppPathsKey) + "\\" + subkeyName);
}

// Puts record_args.exe in the place of the browser for http while it lives: it records the
// address it was given (as its argument text) like any other start.
class HttpHandlerSwap {
 public:
  HttpHandlerSwap() {
    if (KeyExists(HKEY_CLASSES_ROOT, kKey)) previous_ = RegistryText(HKEY_CLASSES_ROOT, kKey);
    // %1 bare: the argument text is then exactly the address.
    SetRegistryText(HKEY_CLASSES_ROOT, kKey, nullptr, "\"" QUILLET_BUILT_TOOLS_DIR "\\record_args.exe\" %1");
  }
  HttpHandlerSwap(const HttpHandlerSwap&) = delete;
  HttpHandlerSwap& operator=(const HttpHandlerSwap&) = delete;
  ~HttpHandlerSwap() {
    RegDeleteKeyValueA(HKEY_CLASSES_ROOT, kKey, nullptr);
    if (previous_) SetRegistryText(HKEY_CLASSES_ROOT, kKey, nullptr, *previous_);
  }

 private:
  // Wine reads URL handlers from HKEY_CLASSES_ROOT only, not from the user's own classes.
  static constexpr const char* kKey = "http\\shell\\open\\command";
  std::optional<std::string> previous_;
};

}  // namespace quillet::testing
