#include "store/app_paths_store.h"

#include <algorithm>
#include <array>

#include "store/command_name.h"
#include "store/scoped_handles.h"
#include "store/store_paths.h"
#include "store/text.h"

namespace quillet {

namespace {

constexpr const char* kRegistryErrorMessage = "Error creating registry key!";
constexpr const char* kListErrorMessage = "Couldn\xB4t recieve the list of system commands!";
constexpr REGSAM kWriteAccess = KEY_WRITE;
constexpr REGSAM kEnumerateAccess = KEY_ENUMERATE_SUB_KEYS;
constexpr REGSAM kReadAccess = KEY_READ;
constexpr DWORD kNameBufferLength = 255;

// Creates or opens a subkey of HKLM for writing; an existing subkey keeps its other values.
ScopedRegistryKey CreateWritableSubkey(const std::string& subkey) {
  SECURITY_ATTRIBUTES security{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
  char emptyClass[] = "";
  HKEY key = nullptr;
  DWORD disposition = 0;
  if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, subkey.c_str(), 0, emptyClass, 0, kWriteAccess, &security,
                      &key, &disposition) != ERROR_SUCCESS) {
    return {};
  }
  return ScopedRegistryKey(key);
}

ScopedRegistryKey OpenSubkey(const std::string& subkey, REGSAM access) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, subkey.c_str(), 0, access, &key) != ERROR_SUCCESS) return {};
  return ScopedRegistryKey(key);
}

// A REG_SZ value whose data length counts the terminating NUL.
bool SetText(HKEY key, const char* valueName, const std::string& text) {
  return RegSetValueExA(key, valueName, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                        static_cast<DWORD>(text.size() + 1)) == ERROR_SUCCESS;
}

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

}  // namespace

bool WriteAppPathsKey(const StoreContext& store, const std::string& name) {
  const ScopedRegistryKey key = CreateWritableSubkey(AppPathsSubkey(name));
  if (!key) return false;
  const bool target = SetText(key.Get(), nullptr, GeneratedFilePath(store.programFolder, name, ".lnk"));
  return SetText(key.Get(), "Path", CmdsFolder(store.programFolder)) && target;
}

void CreateAppPathsKey(const StoreContext& store, const std::string& name) {
  if (!WriteAppPathsKey(store, name)) store.notifier.Message(kRegistryErrorMessage, kAppTitle, kOkOnly | kIconCritical);
}

bool HasAppPathsEntry(const std::string& name) {
  return !name.empty() && OpenSubkey(AppPathsSubkey(name), kReadAccess).Valid();
}

void DeleteAppPathsKey(const std::string& name) { RegDeleteKeyA(HKEY_LOCAL_MACHINE, AppPathsSubkey(name).c_str()); }

void DeleteCommand(const StoreContext& store, const std::string& name) {
  DeleteAppPathsKey(name);
  if (!IsSafeCommandName(name)) return;
  DeleteIfNormalFile(GeneratedFilePath(store.programFolder, name, ".lnk"));
  DeleteIfNormalFile(GeneratedFilePath(store.programFolder, name, ".cfg"));
}

StoredCommand FindStoredCommand(const StoreContext& store, const std::string& name) {
  StoredCommand found;
  found.appPathsEntry = HasAppPathsEntry(name);
  if (!IsSafeCommandName(name)) return found;
  found.definitionFile = IsNormalFile(GeneratedFilePath(store.programFolder, name, ".cfg"));
  found.launcherShortcut = IsNormalFile(GeneratedFilePath(store.programFolder, name, ".lnk"));
  return found;
}

void WriteBuiltInVerbs(const StoreContext& store) {
  const std::string& p = store.programFolder;
  const std::array<std::pair<const char*, std::string>, 4> verbs{{
      {"create", p + "\\quillet.exe"},
      {"remove", p + "\\quillet.exe"},
      {"clear", p + "\\clear.vbs"},
      {"quillet", p + "\\quillet.exe"},
  }};
  for (const auto& [verb, target] : verbs) {
    const ScopedRegistryKey key = CreateWritableSubkey(AppPathsSubkey(verb));
    if (!key) {
      store.notifier.Message(kRegistryErrorMessage, kAppTitle, kOkOnly | kIconCritical);
      return;
    }
    SetText(key.Get(), nullptr, target);
    SetText(key.Get(), "Path", p);
  }
}

void ListSystemCommands(const StoreContext& store, const UserCommandList& userCommands,
                        SystemCommandList& systemCommands) {
  const ScopedRegistryKey appPaths = OpenSubkey(kAppPathsKey, kEnumerateAccess);
  if (!appPaths) {
    store.notifier.Message(kListErrorMessage, kAppTitle, kOkOnly | kIconInformation);
    return;
  }
  std::array<char, kNameBufferLength> name{};
  std::array<char, kNameBufferLength> keyClass{};
  for (DWORD index = 0;; ++index) {
    DWORD nameLength = kNameBufferLength;
    DWORD classLength = kNameBufferLength;
    if (RegEnumKeyExA(appPaths.Get(), index, name.data(), &nameLength, nullptr, keyClass.data(),
                      &classLength, nullptr) != ERROR_SUCCESS) {
      break;
    }
    // The display name drops the last four characters (".exe"). A subkey with fewer than five
    // characters is left out: it has no name to show, and removing it by that name would
    // delete a different subkey.
    if (nameLength <= 4) continue;
    std::string displayName(name.data(), nameLength - 4);
    const std::string trimmed = TrimSpaces(displayName);
    const bool isUserCommand =
        std::any_of(userCommands.begin(), userCommands.end(),
                    [&](const UserCommandRow& row) { return TrimSpaces(row.name) == trimmed; });
    if (!isUserCommand) systemCommands.push_back({std::move(displayName), {}});
  }
}

void ReadSystemCommandTargets(SystemCommandList& systemCommands) {
  for (SystemCommandRow& row : systemCommands) {
    const ScopedRegistryKey key = OpenSubkey(AppPathsSubkey(row.name), kReadAccess);
    if (!key) continue;
    std::array<char, kNameBufferLength> value{};
    DWORD length = kNameBufferLength;
    if (RegQueryValueExA(key.Get(), nullptr, nullptr, nullptr, reinterpret_cast<BYTE*>(value.data()),
                         &length) == ERROR_SUCCESS &&
        length > 0) {
      row.target = TrimSpaces(std::string_view(value.data(), length - 1));
    }
  }
}

void RebuildSystemList(const StoreContext& store, const UserCommandList& userCommands,
                       SystemCommandList& systemCommands) {
  systemCommands.clear();
  ListSystemCommands(store, userCommands, systemCommands);
  ReadSystemCommandTargets(systemCommands);
}

}  // namespace quillet
