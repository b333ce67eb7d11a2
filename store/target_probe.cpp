#include "store/target_probe.h"

#include <windows.h>

#include "store/target_path.h"

namespace quillet {

bool IsLocalTargetMissing(const std::string& target) {
  if (!IsDriveAbsolute(target)) return false;
  const char root[] = {target[0], ':', '\\', '\0'};
  if (GetDriveTypeA(root) == DRIVE_REMOTE) return false;
  // A drive without its disc must not bring up the system's "insert a disk" box.
  DWORD previousMode = 0;
  SetThreadErrorMode(SEM_FAILCRITICALERRORS, &previousMode);
  const bool exists = GetFileAttributesA(target.c_str()) != INVALID_FILE_ATTRIBUTES;
  const DWORD error = GetLastError();
  SetThreadErrorMode(previousMode, nullptr);
  return !exists && (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND);
}

}  // namespace quillet
