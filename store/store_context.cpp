#include "store/store_context.h"

#include "store/text.h"

namespace quillet {

bool WaitForScriptQuietly(HANDLE process, const std::string& file, DWORD timeoutMs) {
  if (process) return WaitForSingleObject(process, timeoutMs) == WAIT_OBJECT_0;
  const ULONGLONG deadline = GetTickCount64() + timeoutMs;
  while (GetFileAttributesA(file.c_str()) == INVALID_FILE_ATTRIBUTES) {
    if (GetTickCount64() >= deadline) return false;
    Sleep(20);
  }
  return true;
}

StoreScope ScopeOfProgramFolder(const std::string& programFolder) {
  // The system's own record of its Program Files folders (the 64-bit, the 32-bit and, seen from
  // a 32-bit program, the 64-bit one again); the environment could have been changed by anyone.
  constexpr const char* kKey = "Software\\Microsoft\\Windows\\CurrentVersion";
  std::vector<std::string> folders;
  for (const char* value : {"ProgramFilesDir", "ProgramFilesDir (x86)", "ProgramW6432Dir"}) {
    char folder[MAX_PATH] = {};
    DWORD size = sizeof folder;
    if (RegGetValueA(HKEY_LOCAL_MACHINE, kKey, value, RRF_RT_REG_SZ, nullptr, folder, &size) ==
            ERROR_SUCCESS &&
        folder[0] != '\0') {
      folders.emplace_back(folder);
    }
  }
  return ScopeOfFolder(programFolder, folders);
}

}  // namespace quillet
