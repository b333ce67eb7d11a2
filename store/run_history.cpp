#include "store/run_history.h"

#include <windows.h>

namespace quillet {

bool ClearRunHistory() {
  const LSTATUS deleted =
      RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\RunMRU");
  return deleted == ERROR_SUCCESS || deleted == ERROR_FILE_NOT_FOUND;
}

}  // namespace quillet
