#include "ui/import/shortcut_files.h"

#include <windows.h>

#include "store/scoped_handles.h"
#include "store/text.h"

namespace quillet {

std::vector<std::string> ListShortcutFiles(const std::string& folder, const std::string& extension) {
  std::vector<std::string> names;
  WIN32_FIND_DATAA found;
  ScopedFind search(FindFirstFileA((folder + "\\*" + extension).c_str(), &found));
  if (!search) return names;
  constexpr DWORD kUnlisted = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_DIRECTORY;
  do {
    const std::string name = found.cFileName;
    // The search also matches longer endings through their short names (".lnkx").
    if ((found.dwFileAttributes & kUnlisted) == 0 && EndsWithIgnoringCase(name, extension)) names.push_back(name);
  } while (FindNextFileA(search.Get(), &found));
  return names;
}

}  // namespace quillet
