#include "store/definition_store.h"

#include <algorithm>

#include "store/command_name.h"
#include "store/definition_file.h"
#include "store/scoped_handles.h"
#include "store/store_paths.h"
#include "store/text.h"
#include "store/whole_file.h"

namespace quillet {

namespace {

// Only the first five lines are ever needed; a junk file is not read past this.
constexpr DWORD kMostBytesRead = 1 << 20;

// The start of a file, up to its fifth line end (or kMostBytesRead bytes); nothing when it
// cannot be opened.
std::optional<std::string> ReadFirstLines(const std::string& path) {
  ScopedFile file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return std::nullopt;
  std::string bytes;
  char chunk[4096];
  DWORD got = 0;
  while (bytes.size() < kMostBytesRead && ReadFile(file.Get(), chunk, sizeof chunk, &got, nullptr) && got > 0) {
    bytes.append(chunk, got);
    if (std::count(bytes.begin(), bytes.end(), '\n') >= 5) break;
  }
  return bytes;
}

}  // namespace

bool WriteDefinitionFile(const StoreContext& store, const std::string& name, const std::string& target,
                         const std::string& parameters, std::int16_t windowMode) {
  if (!IsSafeCommandName(name)) return false;
  return ReplaceFileContents(GeneratedFilePath(store.programFolder, name, ".cfg"),
                             DefinitionFileText(name, target, parameters, windowMode));
}

std::optional<DefinitionFields> ReadDefinitionFile(const StoreContext& store, const std::string& name) {
  if (!IsSafeCommandName(name)) return std::nullopt;
  const std::optional<std::string> bytes = ReadFirstLines(GeneratedFilePath(store.programFolder, name, ".cfg"));
  if (!bytes) return std::nullopt;
  return ParseDefinitionText(*bytes, name);
}

void LoadDefinitionFiles(const StoreContext& store, UserCommandList& rows) {
  const std::string folder = CmdsFolder(store.programFolder);
  WIN32_FIND_DATAA found;
  ScopedFind search(FindFirstFileA((folder + "\\*.cfg").c_str(), &found));
  if (!search) return;
  constexpr DWORD kSkipped = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_DIRECTORY;
  do {
    // The search also matches longer extensions through their short names ("a.cfgx").
    if ((found.dwFileAttributes & kSkipped) != 0 || !EndsWithIgnoringCase(found.cFileName, ".cfg")) continue;
    const std::string fileName = NameFromDefinitionFileName(found.cFileName);
    const DefinitionFields fields =
        ParseDefinitionText(ReadFirstLines(folder + "\\" + found.cFileName).value_or(""), fileName);
    rows.push_back({fields.name, fields.target, fields.parameters, WindowModeFromText(fields.windowModeText), 0, fileName});
  } while (FindNextFileA(search.Get(), &found));
}

}  // namespace quillet
