#include "store/registry_values.h"

namespace quillet {

ScopedRegistryKey CreateWritableSubkey(HKEY root, const std::string& subkey, bool* created) {
  SECURITY_ATTRIBUTES security{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
  char emptyClass[] = "";
  HKEY key = nullptr;
  DWORD disposition = 0;
  if (RegCreateKeyExA(root, subkey.c_str(), 0, emptyClass, 0, KEY_WRITE, &security, &key, &disposition) !=
      ERROR_SUCCESS) {
    return {};
  }
  if (created) *created = disposition == REG_CREATED_NEW_KEY;
  return ScopedRegistryKey(key);
}

ScopedRegistryKey OpenSubkey(HKEY root, const std::string& subkey, REGSAM access) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(root, subkey.c_str(), 0, access, &key) != ERROR_SUCCESS) return {};
  return ScopedRegistryKey(key);
}

bool SetText(HKEY key, const char* valueName, const std::string& text) {
  return RegSetValueExA(key, valueName, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                        static_cast<DWORD>(text.size() + 1)) == ERROR_SUCCESS;
}

std::optional<StoredValue> ReadStoredValue(HKEY key, const char* valueName) {
  StoredValue value;
  DWORD size = 0;
  if (RegQueryValueExA(key, valueName, nullptr, &value.type, nullptr, &size) != ERROR_SUCCESS) return std::nullopt;
  value.bytes.resize(size);
  if (RegQueryValueExA(key, valueName, nullptr, &value.type, reinterpret_cast<BYTE*>(value.bytes.data()), &size) !=
      ERROR_SUCCESS) {
    return std::nullopt;
  }
  value.bytes.resize(size);
  return value;
}

void RestoreStoredValue(HKEY key, const char* valueName, const std::optional<StoredValue>& value) {
  if (!value) {
    RegDeleteValueA(key, valueName);
    return;
  }
  RegSetValueExA(key, valueName, 0, value->type, reinterpret_cast<const BYTE*>(value->bytes.data()),
                 static_cast<DWORD>(value->bytes.size()));
}

std::optional<std::string> ReadText(HKEY key, const char* valueName) {
  const std::optional<StoredValue> value = ReadStoredValue(key, valueName);
  if (!value || (value->type != REG_SZ && value->type != REG_EXPAND_SZ)) return std::nullopt;
  std::string text = value->bytes;
  // Stored with or without its NUL (or several): the text ends at the first.
  const auto nul = text.find('\0');
  if (nul != std::string::npos) text.resize(nul);
  return text;
}

}  // namespace quillet
