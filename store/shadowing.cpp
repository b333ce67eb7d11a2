#include "store/shadowing.h"

#include <windows.h>

#include <algorithm>
#include <cstdint>

#include "store/registry_values.h"
#include "store/scoped_handles.h"
#include "store/store_paths.h"
#include "store/text.h"

namespace quillet {

namespace {

std::string Expanded(const std::string& text) {
  const DWORD size = ExpandEnvironmentStringsA(text.c_str(), nullptr, 0);
  std::string expanded(size, '\0');
  // The first answer may be larger than needed (the ANSI form can count more bytes than it then
  // writes); the second is what was written, NUL included: 0 is a failure and more than `size`
  // means the text did not fit.
  const DWORD written = size > 0 ? ExpandEnvironmentStringsA(text.c_str(), expanded.data(), size) : 0;
  expanded.resize(written > 0 && written <= size ? written - 1 : 0);
  return expanded;
}

std::string Variable(const char* name) {
  const DWORD size = GetEnvironmentVariableA(name, nullptr, 0);
  std::string value(size, '\0');
  value.resize(GetEnvironmentVariableA(name, value.data(), size));
  return value;
}

// The pieces of a ";" list, without quotes and surrounding blanks, empty ones left out.
std::vector<std::string> ListItems(const std::string& list) {
  std::vector<std::string> items;
  std::size_t start = 0;
  while (start <= list.size()) {
    const std::size_t end = std::min(list.find(';', start), list.size());
    std::string item = TrimSpaces(list.substr(start, end - start));
    item.erase(std::remove(item.begin(), item.end(), '"'), item.end());
    if (!item.empty()) items.push_back(item);
    start = end + 1;
  }
  return items;
}

std::string Folder(UINT (WINAPI* get)(LPSTR, UINT)) {
  char folder[MAX_PATH] = {};
  // 0 is a failure, and MAX_PATH or more the size a longer folder would need: no text either way.
  const UINT length = get(folder, MAX_PATH);
  return length > 0 && length < MAX_PATH ? std::string(folder, length) : std::string();
}

}  // namespace

SearchOrder SystemSearchOrder() {
  SearchOrder order;
  order.folders.push_back(Folder(GetWindowsDirectoryA));
  order.folders.push_back(Folder(GetSystemDirectoryA));
  for (const std::string& folder : ListItems(Variable("PATH"))) order.folders.push_back(Expanded(folder));
  const std::string pathext = Variable("PATHEXT");
  order.extensions = ListItems(pathext.empty() ? ".COM;.EXE;.BAT;.CMD" : pathext);
  return order;
}

ShadowIndex::ShadowIndex(const SearchOrder& order) {
  std::vector<std::string> extensions;
  for (const std::string& extension : order.extensions) extensions.push_back(LowerAscii(extension));
  std::vector<std::string> seen;
  for (std::size_t folderIndex = 0; folderIndex < order.folders.size(); ++folderIndex) {
    std::string folder = order.folders[folderIndex];
    if (!folder.empty() && folder.back() == '\\') folder.pop_back();
    if (folder.empty() || std::find(seen.begin(), seen.end(), LowerAscii(folder)) != seen.end()) continue;
    seen.push_back(LowerAscii(folder));
    WIN32_FIND_DATAA found;
    ScopedFind search(FindFirstFileExA((folder + "\\*").c_str(), FindExInfoBasic, &found, FindExSearchNameMatch,
                                       nullptr, FIND_FIRST_EX_LARGE_FETCH));
    if (!search) continue;
    do {
      if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
      const std::string file = found.cFileName;
      const auto dot = file.rfind('.');
      if (dot == std::string::npos || dot == 0) continue;
      const auto extension = std::find(extensions.begin(), extensions.end(), LowerAscii(file.substr(dot)));
      if (extension == extensions.end()) continue;
      const std::size_t rank = folderIndex * extensions.size() + static_cast<std::size_t>(extension - extensions.begin());
      const auto [entry, added] = programs_.try_emplace(LowerAscii(file.substr(0, dot)), Found{folder + "\\" + file, rank});
      if (!added && rank < entry->second.rank) entry->second = {folder + "\\" + file, rank};
    } while (FindNextFileA(search.Get(), &found));
  }
}

void ShadowIndex::AddAppPaths(HKEY root) {
  const ScopedRegistryKey appPaths = OpenSubkey(root, kAppPathsKey, KEY_READ);
  if (!appPaths) return;
  char name[256];
  for (DWORD index = 0;; ++index) {
    DWORD length = sizeof name;
    if (RegEnumKeyExA(appPaths.Get(), index, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
    const std::string subkey(name, length);
    if (!EndsWithIgnoringCase(subkey, ".exe") || subkey.size() <= 4) continue;
    const ScopedRegistryKey entry = OpenSubkey(appPaths.Get(), subkey, KEY_QUERY_VALUE);
    const std::string target = entry ? ReadText(entry.Get(), nullptr).value_or("") : "";
    if (!target.empty()) programs_.try_emplace(LowerAscii(subkey.substr(0, subkey.size() - 4)), Found{target, SIZE_MAX});
  }
}

ShadowIndex ShadowsOf(const StoreContext& store) {
  ShadowIndex shadows(SystemSearchOrder());
  if (store.scope == StoreScope::MachineWide) shadows.AddAppPaths(store.roots.user);
  return shadows;
}

std::string ShadowIndex::Find(const std::string& name) const {
  const auto found = programs_.find(LowerAscii(name));
  return found == programs_.end() ? std::string() : found->second.path;
}

std::string ShadowedNameQuestion(const std::string& name, const std::string& shadowingFile) {
  return "Windows starts " + shadowingFile + " when you type '" + name + "', not this command. Save it anyway?";
}

}  // namespace quillet
