#include "store/app_paths_store.h"

#include <array>
#include <unordered_set>

#include "store/command_name.h"
#include "store/command_writer.h"
#include "store/registry_values.h"
#include "store/scoped_handles.h"
#include "store/store_paths.h"
#include "store/target_path.h"
#include "store/text.h"
#include "store/whole_file.h"

namespace quillet {

namespace {

constexpr REGSAM kEnumerateAccess = KEY_ENUMERATE_SUB_KEYS;
constexpr REGSAM kReadAccess = KEY_READ;
constexpr DWORD kNameBufferLength = 255;

// A file that a plain search sees: not hidden, not a system file, not a folder.
bool IsNormalFile(const std::string& path) {
  WIN32_FIND_DATAA found;
  ScopedFind search(FindFirstFileA(path.c_str(), &found));
  constexpr DWORD kUnseen = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_DIRECTORY;
  return search && (found.dwFileAttributes & kUnseen) == 0;
}

void DeleteIfNormalFile(const std::string& path) {
  if (IsNormalFile(path)) DeleteFileA(path.c_str());
}

// Appends the rows of one scope's App Paths key; false when it cannot be read.
bool ListScope(const StoreContext& store, StoreScope scope, const std::unordered_set<std::string>& ownNames,
               SystemCommandList& systemCommands) {
  const ScopedRegistryKey appPaths = OpenSubkey(store.roots.Of(scope), kAppPathsKey, kEnumerateAccess);
  if (!appPaths) return false;
  std::array<char, kNameBufferLength> name{};
  std::array<char, kNameBufferLength> keyClass{};
  for (DWORD index = 0;; ++index) {
    DWORD nameLength = kNameBufferLength;
    DWORD classLength = kNameBufferLength;
    if (RegEnumKeyExA(appPaths.Get(), index, name.data(), &nameLength, nullptr, keyClass.data(), &classLength,
                      nullptr) != ERROR_SUCCESS) {
      break;
    }
    // The display name drops the last four characters (".exe"). A subkey with fewer than five
    // characters is left out: it has no name to show, and removing it by that name would
    // delete a different subkey.
    if (nameLength <= 4) continue;
    std::string displayName(name.data(), nameLength - 4);
    if (scope == store.scope && ownNames.count(TrimSpaces(displayName)) > 0) continue;
    systemCommands.push_back({std::move(displayName), {}, scope});
  }
  return true;
}

}  // namespace

bool CreateAppPathsKey(const StoreContext& store, const std::string& name) {
  const ScopedRegistryKey key = CreateWritableSubkey(store.Root(), AppPathsSubkey(name));
  if (!key) return false;
  const bool target = SetText(key.Get(), nullptr, GeneratedFilePath(store.programFolder, name, ".lnk"));
  return SetText(key.Get(), "Path", CmdsFolder(store.programFolder)) && target;
}

EntryOwner OwnerOfEntry(const StoreContext& store, const std::string& name) {
  if (name.empty()) return EntryOwner::None;
  const ScopedRegistryKey key = OpenSubkey(store.Root(), AppPathsSubkey(name), kReadAccess);
  if (!key) return EntryOwner::None;
  const std::string target = ReadText(key.Get(), nullptr).value_or("");
  if (SameNameIgnoringCase(target, GeneratedFilePath(store.programFolder, name, ".lnk"))) return EntryOwner::ThisCopy;
  const std::string launcherName = "\\Cmds\\run_" + name + ".lnk";
  const bool quilletLauncher = EndsWithIgnoringCase(target, launcherName) && target.size() > launcherName.size();
  return quilletLauncher && !FileExists(target) ? EntryOwner::Orphaned : EntryOwner::Other;
}

DeleteResult DeleteAppPathsKey(HKEY root, const std::string& name) {
  switch (RegDeleteKeyA(root, AppPathsSubkey(name).c_str())) {
    case ERROR_SUCCESS:
      return DeleteResult::Deleted;
    case ERROR_FILE_NOT_FOUND:
      return DeleteResult::Missing;
    default:
      return DeleteResult::Denied;
  }
}

void DeleteCommand(const StoreContext& store, const std::string& fileName) {
  if (!IsSafeCommandName(fileName)) return;
  if (OwnerOfEntry(store, fileName) == EntryOwner::ThisCopy) DeleteAppPathsKey(store.Root(), fileName);
  DeleteIfNormalFile(GeneratedFilePath(store.programFolder, fileName, ".lnk"));
  DeleteIfNormalFile(GeneratedFilePath(store.programFolder, fileName, ".cfg"));
}

StoredCommand FindStoredCommand(const StoreContext& store, const std::string& name) {
  StoredCommand found;
  found.entry = OwnerOfEntry(store, name);
  if (!IsSafeCommandName(name)) return found;
  found.definitionFile = IsNormalFile(GeneratedFilePath(store.programFolder, name, ".cfg"));
  found.launcherShortcut = IsNormalFile(GeneratedFilePath(store.programFolder, name, ".lnk"));
  return found;
}

bool WriteBuiltInVerbs(const StoreContext& store) {
  const std::string& p = store.programFolder;
  const std::array<std::pair<const char*, std::string>, 4> verbs{{
      {"create", p + "\\quillet.exe"},
      {"remove", p + "\\quillet.exe"},
      {"clear", store.writer.PrepareClearWord(store)},
      {"quillet", p + "\\quillet.exe"},
  }};
  for (const auto& [verb, target] : verbs) {
    const ScopedRegistryKey key = CreateWritableSubkey(store.Root(), AppPathsSubkey(verb));
    if (!key) return false;
    SetText(key.Get(), nullptr, target);
    SetText(key.Get(), "Path", p);
  }
  return true;
}

bool ListSystemCommands(const StoreContext& store, const UserCommandList& userCommands,
                        SystemCommandList& systemCommands) {
  std::unordered_set<std::string> ownNames;
  for (const UserCommandRow& row : userCommands) ownNames.insert(TrimSpaces(row.name));
  ListScope(store, StoreScope::PerUser, ownNames, systemCommands);  // a user may have no key of his own yet
  return ListScope(store, StoreScope::MachineWide, ownNames, systemCommands);
}

void ReadSystemCommandTargets(const StoreContext& store, SystemCommandList& systemCommands) {
  for (SystemCommandRow& row : systemCommands) {
    const ScopedRegistryKey key = OpenSubkey(store.roots.Of(row.scope), AppPathsSubkey(row.name), kReadAccess);
    if (!key) continue;
    std::array<char, kNameBufferLength> value{};
    DWORD length = kNameBufferLength;
    if (RegQueryValueExA(key.Get(), nullptr, nullptr, nullptr, reinterpret_cast<BYTE*>(value.data()), &length) ==
            ERROR_SUCCESS &&
        length > 0) {
      row.target = TrimSpaces(std::string_view(value.data(), length - 1));
    }
  }
}

bool RebuildSystemList(const StoreContext& store, const UserCommandList& userCommands,
                       SystemCommandList& systemCommands) {
  systemCommands.clear();
  const bool listed = ListSystemCommands(store, userCommands, systemCommands);
  ReadSystemCommandTargets(store, systemCommands);
  return listed;
}

}  // namespace quillet
