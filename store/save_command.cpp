#include "store/save_command.h"

#include <algorithm>
#include <optional>

#include "store/app_paths_store.h"
#include "store/command_writer.h"
#include "store/definition_store.h"
#include "store/registry_values.h"
#include "store/shell_link.h"
#include "store/store_paths.h"
#include "store/text.h"
#include "store/whole_file.h"

namespace quillet {

namespace {

constexpr std::size_t kLargestKeptFile = 1 << 20;  // a launcher shortcut or definition file put back
constexpr DWORD kLongestAddress = 2084;           // INTERNET_MAX_URL_LENGTH and its NUL

std::int16_t WindowModeOfStyle(int style) {
  return style == kWindowMaximized || style == kWindowMinimized ? static_cast<std::int16_t>(style)
                                                                : std::int16_t{kWindowNormal};
}

// The fields of a shortcut being imported, as far as the program can read them.
ImportedFields ReadImported(const std::string& source, bool internetShortcut) {
  ImportedFields fields;
  if (internetShortcut) {
    char address[kLongestAddress] = {};
    GetPrivateProfileStringA("InternetShortcut", "URL", "", address, sizeof address, source.c_str());
    fields.target = address;
    fields.known = !fields.target.empty();
  } else if (const auto link = ReadShellLink(source)) {
    fields = {true, link->target, link->arguments, link->windowStyle};
  }
  return fields;
}

// A file as it was before the save, to put back if the save fails.
class KeptFile {
 public:
  explicit KeptFile(std::string path) : path_(std::move(path)), bytes_(ReadFileContents(path_, kLargestKeptFile)) {}
  void PutBack() const {
    if (bytes_) {
      ReplaceFileContents(path_, *bytes_);
    } else {
      DeleteFileA(path_.c_str());
    }
  }

 private:
  std::string path_;
  std::optional<std::string> bytes_;
};

// The App Paths entry of the name as it was, to put back if the save fails.
class KeptEntry {
 public:
  KeptEntry(HKEY root, std::string name) : root_(root), name_(std::move(name)) {
    const ScopedRegistryKey key = OpenSubkey(root_, AppPathsSubkey(name_), KEY_QUERY_VALUE);
    existed_ = key.Valid();
    if (!existed_) return;
    target_ = ReadStoredValue(key.Get(), nullptr);
    path_ = ReadStoredValue(key.Get(), "Path");
  }
  bool Existed() const { return existed_; }
  void PutBack() const {
    if (!existed_) {
      DeleteAppPathsKey(root_, name_);
      return;
    }
    const ScopedRegistryKey key = CreateWritableSubkey(root_, AppPathsSubkey(name_));
    if (!key) return;
    RestoreStoredValue(key.Get(), nullptr, target_);
    RestoreStoredValue(key.Get(), "Path", path_);
  }

 private:
  HKEY root_;
  std::string name_;
  bool existed_ = false;
  std::optional<StoredValue> target_, path_;
};

SaveFailure FailureOf(WriteStatus status) {
  switch (status) {
    case WriteStatus::ScriptMissing: return SaveFailure::ScriptMissing;
    case WriteStatus::NoScriptHost: return SaveFailure::NoScriptHost;
    case WriteStatus::Failed: return SaveFailure::LauncherFailed;
    case WriteStatus::Done:
    case WriteStatus::Started: break;
  }
  return SaveFailure::None;
}

// The script host may still hold the marker it has just made, and then it cannot be deleted yet.
void DeleteMarker(const std::string& marker) {
  const ULONGLONG giveUp = GetTickCount64() + 2000;
  while (!DeleteFileA(marker.c_str()) && GetLastError() == ERROR_SHARING_VIOLATION && GetTickCount64() < giveUp) {
    Sleep(10);
  }
}

// One save, step by step; what a failed step leaves is put back by the destructor.
class Save {
 public:
  Save(const StoreContext& store, const SaveRequest& request, UserCommandList& rows)
      : store_(store),
        request_(request),
        rows_(rows),
        command_(request.command),
        name_(request.command.name),
        import_(request.launcher == LauncherSource::ShellLink || request.launcher == LauncherSource::InternetShortcut),
        internet_(request.launcher == LauncherSource::InternetShortcut),
        renames_(!request.replacesFile.empty() && request.replacesFile != name_),
        caseOnly_(renames_ && SameNameIgnoringCase(request.replacesFile, name_)),
        touchesEntry_(request.replacesFile.empty() || renames_),
        launcher_(Generated(".lnk")),
        definition_(Generated(".cfg")),
        entry_(store.Root(), name_) {}
  Save(const Save&) = delete;
  Save& operator=(const Save&) = delete;

  ~Save() {
    if (outcome_.Saved()) return;
    // A script still writing the launcher would write it after it was put back.
    if (script_) store_.waitForScript(script_.Get(), launcher_, kScriptWaitMs);
    if (launcherTouched_) launcherBefore_->PutBack();
    if (definitionTouched_) definitionBefore_->PutBack();
    if (import_) {
      DeleteFileA(Generated(".url").c_str());
      DeleteMarker(Generated(".tmp"));
    }
    if (entryTouched_) {
      entry_.PutBack();
      if (caseOnly_) oldEntry_->PutBack();
    }
  }

  SaveOutcome Run() {
    if (!CheckInput() || !ClaimEntry() || !WriteLauncher() || !WriteEntry() || !WriteDefinition()) {
      return std::move(outcome_);
    }
    if (renames_ && !caseOnly_) DeleteCommand(store_, request_.replacesFile);  // the new command is whole
    UpdateRows();
    outcome_.script = std::move(script_);
    return std::move(outcome_);
  }

 private:
  std::string Generated(const char* extension) const {
    return GeneratedFilePath(store_.programFolder, name_, extension);
  }

  bool Fail(SaveFailure failure) {
    outcome_.failure = failure;
    return false;
  }

  bool CheckInput() {
    outcome_.nameRefusal = RefuseName(name_, store_.programFolder);
    if (outcome_.nameRefusal != NameRefusal::None) return Fail(SaveFailure::NameRefused);
    if (import_) {
      fields_ = ReadImported(request_.source, internet_);
      // Where the scripts run they read the copy themselves; Quillet's own code needs the fields.
      if (!fields_.known && !store_.writer.UsesScripts()) return Fail(SaveFailure::SourceUnreadable);
      command_.target = fields_.target;
      command_.parameters = internet_ ? "" : fields_.arguments;
      command_.windowMode = internet_ ? std::int16_t{kWindowNormal} : WindowModeOfStyle(fields_.windowStyle);
    }
    outcome_.launcherRefusal = RefuseLauncher(command_.target, command_.parameters);
    return outcome_.launcherRefusal == LauncherRefusal::None || Fail(SaveFailure::LauncherRefused);
  }

  // Makes sure the entry may and can be written before anything is: it is this copy's, or free,
  // or the request may claim it, and its subkey can be created.
  bool ClaimEntry() {
    if (!touchesEntry_) return true;
    const EntryOwner owner = OwnerOfEntry(store_, name_);
    const bool mayClaim = owner == EntryOwner::None || owner == EntryOwner::ThisCopy ||
                          request_.claim == EntryClaim::Any ||
                          (owner == EntryOwner::Orphaned && request_.claim == EntryClaim::OwnFreeOrOrphaned);
    if (!mayClaim) return Fail(SaveFailure::ForeignEntry);
    entryTouched_ = true;
    if (caseOnly_) {
      // The registry keeps a subkey's letter case when it is written again: the entry of the old
      // case goes, and one of the new case is made.
      oldEntry_.emplace(store_.Root(), request_.replacesFile);
      if (OwnerOfEntry(store_, request_.replacesFile) == EntryOwner::ThisCopy) {
        DeleteAppPathsKey(store_.Root(), request_.replacesFile);
      }
      entry_ = KeptEntry(store_.Root(), name_);
    }
    entryKey_ = CreateWritableSubkey(store_.Root(), AppPathsSubkey(name_));
    return entryKey_.Valid() || Fail(SaveFailure::AppPathsFailed);
  }

  // The start-in folder: the target's folder, except that an update whose target did not change
  // keeps the folder its launcher shortcut has (an imported command's is the original
  // shortcut's, which its definition file does not hold).
  std::string WorkingFolder() const {
    const int row = request_.replacesFile.empty() ? -1 : RowOfFile(rows_, request_.replacesFile);
    if (row >= 0 && rows_[static_cast<std::size_t>(row)].target == command_.target) {
      if (const auto link = ReadShellLink(GeneratedFilePath(store_.programFolder, request_.replacesFile, ".lnk"))) {
        return link->workingFolder;
      }
    }
    return GetFolderOfPath(command_.target);
  }

  bool WriteLauncher() {
    if (request_.launcher == LauncherSource::KeepOrGenerate && FileExists(launcher_)) return true;
    launcherBefore_.emplace(launcher_);
    definitionBefore_.emplace(definition_);
    launcherTouched_ = true;
    if (import_) {
      if (!CopyFileA(request_.source.c_str(), Generated(internet_ ? ".url" : ".lnk").c_str(), FALSE)) {
        return Fail(SaveFailure::CopyFailed);
      }
      return true;
    }
    // Not made by the program, but reset before every launcher shortcut is made.
    SetFileAttributesA(Generated(".vbs").c_str(), FILE_ATTRIBUTE_NORMAL);
    outcome_.launcher = {command_.target, command_.parameters, WorkingFolder(), command_.windowMode};
    WriteResult written = store_.writer.WriteLauncher(store_, name_, outcome_.launcher);
    script_ = std::move(written.script);
    return written.Written() || Fail(FailureOf(written.status));
  }

  bool WriteEntry() {
    if (!touchesEntry_) return true;
    entryKey_.Reset();  // made when the entry was claimed, so that it is known to be writable
    return CreateAppPathsKey(store_, name_) || Fail(SaveFailure::AppPathsFailed);
  }

  bool WriteDefinition() {
    if (import_) return CompleteImport();
    if (!request_.writeDefinition) return true;
    if (!definitionBefore_) definitionBefore_.emplace(definition_);
    definitionTouched_ = true;
    return WriteDefinitionFile(store_, name_, command_.target, command_.parameters, command_.windowMode) ||
           Fail(SaveFailure::DefinitionFailed);
  }

  // The import's writer leaves the launcher and the definition file; the command's fields are
  // then read back from that file.
  bool CompleteImport() {
    definitionTouched_ = true;
    // What the writer leaves is read back, so an old file of the name must not be taken for it.
    DeleteFileA(definition_.c_str());
    const std::string marker = Generated(".tmp");
    DeleteFileA(marker.c_str());
    // Under Wine about one script host in a hundred ends at once, without running its script:
    // one that ends without its marker gets a second start.
    for (int attempt = 0;; ++attempt) {
      WriteResult written = store_.writer.CompleteImport(store_, name_, internet_, fields_);
      if (!written.Written()) return Fail(written.status == WriteStatus::Failed ? SaveFailure::DefinitionFailed
                                                                                 : FailureOf(written.status));
      if (written.status == WriteStatus::Done) break;
      if (!store_.waitForScript(written.script.Get(), marker, kScriptWaitMs)) {
        // A script past its time must not write a command after it was given up.
        if (written.script && TerminateProcess(written.script.Get(), 1)) WaitForSingleObject(written.script.Get(), 1000);
        return Fail(SaveFailure::ScriptTimedOut);
      }
      if (FileExists(marker)) break;
      if (attempt == 1) return Fail(SaveFailure::ScriptFailed);
    }
    DeleteMarker(marker);
    DeleteFileA(Generated(".url").c_str());
    const std::optional<DefinitionFields> fields = ReadDefinitionFile(store_, name_);
    if (!fields || !FileExists(launcher_)) return Fail(SaveFailure::ScriptFailed);
    command_ = {name_, fields->target, fields->parameters, WindowModeFromText(fields->windowModeText)};
    return true;
  }

  void UpdateRows() {
    if (!request_.writeDefinition) return;  // the repair changes no row
    UserCommandRow saved = RowOf(command_);
    const int edited = request_.replacesFile.empty() ? -1 : RowOfFile(rows_, request_.replacesFile);
    if (edited >= 0) saved.icon = rows_[static_cast<std::size_t>(edited)].icon;
    // Every other row of the name was overwritten.
    std::size_t place = rows_.size();
    UserCommandList kept;
    for (std::size_t i = 0; i < rows_.size(); ++i) {
      if (static_cast<int>(i) == edited) place = kept.size();
      const bool replaced = static_cast<int>(i) == edited || SameNameIgnoringCase(rows_[i].name, name_) ||
                            SameNameIgnoringCase(rows_[i].fileName, name_);
      if (!replaced) kept.push_back(std::move(rows_[i]));
    }
    if (edited < 0) place = kept.size();  // a new command, or an update whose row went meanwhile
    kept.insert(kept.begin() + static_cast<std::ptrdiff_t>(std::min(place, kept.size())), std::move(saved));
    rows_ = std::move(kept);
  }

  const StoreContext& store_;
  const SaveRequest& request_;
  UserCommandList& rows_;
  CommandRecord command_;
  const std::string name_;
  const bool import_, internet_, renames_, caseOnly_, touchesEntry_;
  const std::string launcher_, definition_;
  ImportedFields fields_;
  KeptEntry entry_;
  std::optional<KeptEntry> oldEntry_;
  ScopedRegistryKey entryKey_;
  std::optional<KeptFile> launcherBefore_, definitionBefore_;
  bool launcherTouched_ = false, definitionTouched_ = false, entryTouched_ = false;
  ScopedProcess script_;
  SaveOutcome outcome_;
};

}  // namespace

SaveOutcome SaveCommand(const StoreContext& store, const SaveRequest& request, UserCommandList& rows) {
  Save save(store, request, rows);
  return save.Run();
}

}  // namespace quillet
