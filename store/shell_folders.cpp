#include "store/shell_folders.h"

#include <windows.h>

namespace quillet {

namespace {

constexpr const char* kShellFoldersKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

std::string ReadFolder(HKEY root, const char* valueName) {
  // RegGetValue ends the text with a NUL even where the value was stored without its own, so
  // such a value keeps its last character.
  char folder[MAX_PATH] = {};
  DWORD size = sizeof folder;
  if (RegGetValueA(root, kShellFoldersKey, valueName, RRF_RT_REG_SZ, nullptr, folder, &size) !=
      ERROR_SUCCESS) {
    return {};
  }
  return folder;
}

}  // namespace

std::string ReadShellFolder(const char* valueName) { return ReadFolder(HKEY_CURRENT_USER, valueName); }

std::string ReadCommonShellFolder(const char* valueName) { return ReadFolder(HKEY_LOCAL_MACHINE, valueName); }

}  // namespace quillet
