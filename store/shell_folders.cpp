#include "store/shell_folders.h"

#include <windows.h>

namespace quillet {

namespace {
constexpr const char* kShellFoldersKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
}  // namespace

std::string ReadShellFolder(const char* valueName) {
  // RegGetValue ends the text with a NUL even where the value was stored without its own, so
  // such a value keeps its last character.
  char folder[MAX_PATH] = {};
  DWORD size = sizeof folder;
  if (RegGetValueA(HKEY_CURRENT_USER, kShellFoldersKey, valueName, RRF_RT_REG_SZ, nullptr, folder, &size) !=
      ERROR_SUCCESS) {
    return {};
  }
  return folder;
}

}  // namespace quillet
