#include "store/shell_folders.h"

#include <windows.h>

#include "store/scoped_handles.h"

namespace quillet {

namespace {
constexpr const char* kShellFoldersKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
constexpr DWORD kBufferSize = 255;
}  // namespace

std::string ReadShellFolder(const char* valueName) {
  HKEY opened = nullptr;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, kShellFoldersKey, 0, KEY_READ, &opened) != ERROR_SUCCESS) return {};
  const ScopedRegistryKey key(opened);
  char buffer[kBufferSize];
  DWORD size = kBufferSize;
  if (RegQueryValueExA(key.Get(), valueName, nullptr, nullptr, reinterpret_cast<BYTE*>(buffer), &size) !=
          ERROR_SUCCESS ||
      size == 0) {
    return {};
  }
  // The stored length counts the terminating NUL; a value stored without one keeps its last
  // character.
  return std::string(buffer, buffer[size - 1] == '\0' ? size - 1 : size);
}

}  // namespace quillet
