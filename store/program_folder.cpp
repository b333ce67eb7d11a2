#include "store/program_folder.h"

#include <windows.h>

#include "store/target_path.h"

namespace quillet {

std::string ProgramFolder() {
  std::string path(MAX_PATH, '\0');
  for (;;) {
    const DWORD length = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length < path.size()) {
      path.resize(length);
      break;
    }
    path.resize(path.size() * 2);
  }
  std::string folder = GetFolderOfPath(path);
  if (!folder.empty() && folder.back() == '\\') folder.pop_back();  // a program in a drive's root
  return folder;
}

}  // namespace quillet
