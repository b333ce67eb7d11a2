#include "store/first_run.h"

#include <windows.h>

#include "store/scoped_handles.h"

namespace quillet {

namespace {
constexpr const char* kFirstRunValue = "FirstRunDone";
}

bool FirstStartDone(const char* userKey) {
  DWORD done = 0;
  DWORD size = sizeof done;
  return RegGetValueA(HKEY_CURRENT_USER, userKey, kFirstRunValue, RRF_RT_REG_DWORD, nullptr, &done, &size) ==
             ERROR_SUCCESS &&
         done != 0;
}

void RecordFirstStart(const char* userKey) {
  HKEY raw = nullptr;
  if (RegCreateKeyExA(HKEY_CURRENT_USER, userKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &raw, nullptr) ==
      ERROR_SUCCESS) {
    const ScopedRegistryKey key(raw);
    const DWORD done = 1;
    RegSetValueExA(key.Get(), kFirstRunValue, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&done), sizeof done);
  }
}

}  // namespace quillet
