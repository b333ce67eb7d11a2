#pragma once
// Registry keys and text values as the store writes and reads them.

#include <windows.h>

#include <optional>
#include <string>

#include "store/scoped_handles.h"

namespace quillet {

// Creates or opens a subkey for writing: class "", options 0, KEY_WRITE, an inheritable handle
// without a security descriptor; an existing subkey keeps its other values. `created` (may be
// null) tells whether the subkey is new.
ScopedRegistryKey CreateWritableSubkey(HKEY root, const std::string& subkey, bool* created = nullptr);

ScopedRegistryKey OpenSubkey(HKEY root, const std::string& subkey, REGSAM access);

// A REG_SZ value whose data length counts the terminating NUL.
bool SetText(HKEY key, const char* valueName, const std::string& text);

// A text value (nullptr: the default value) without its terminating NUL, whatever its length;
// nothing when it is missing or not text.
std::optional<std::string> ReadText(HKEY key, const char* valueName);

// A value exactly as stored, to put back as it was.
struct StoredValue {
  DWORD type = REG_NONE;
  std::string bytes;
};
std::optional<StoredValue> ReadStoredValue(HKEY key, const char* valueName);
void RestoreStoredValue(HKEY key, const char* valueName, const std::optional<StoredValue>& value);

}  // namespace quillet
