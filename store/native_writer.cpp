#include "store/native_writer.h"

#include "store/definition_store.h"
#include "store/registry_values.h"
#include "store/run_history.h"
#include "store/shell_link.h"
#include "store/store_context.h"
#include "store/store_paths.h"
#include "store/target_path.h"

namespace quillet {

namespace {

// The entry addcontextmenu.vbs writes, for files and for folders.
constexpr const char* kExplorerEntries[] = {"Software\\Classes\\*\\shell\\QuilletCreateCommand",
                                            "Software\\Classes\\Directory\\shell\\QuilletCreateCommand"};

// %SystemRoot%\System32, spelt as the scripts spell it.
std::string SystemFolder() {
  char folder[MAX_PATH] = {};
  const UINT length = GetWindowsDirectoryA(folder, MAX_PATH);
  return (length > 0 && length < MAX_PATH ? std::string(folder, length) : std::string("C:\\Windows")) + "\\System32";
}

// A web address opens through rundll32, which hands it to the shell: the browser launcher
// cshortcut.vbs and cishortcutu.vbs make.
ShellLinkFields BrowserLauncher(const std::string& address, const std::string& parameters, int windowStyle) {
  return {SystemFolder() + "\\rundll32.exe", BrowserLauncherArguments(address, parameters), "", windowStyle};
}

// 3 maximized, 7 minimized; anything else opens normally, as the scripts read it.
std::int16_t WindowModeOfStyle(int style) {
  return style == kWindowMaximized || style == kWindowMinimized ? static_cast<std::int16_t>(style) : kWindowNormal;
}

WriteResult Done(bool written) {
  WriteResult result;
  result.status = written ? WriteStatus::Done : WriteStatus::Failed;
  return result;
}

}  // namespace

WriteResult NativeWriter::WriteLauncher(const StoreContext& store, const std::string& name,
                                        const LauncherRequest& request) const {
  const int style = WindowModeOfStyle(request.windowMode);
  const ShellLinkFields fields = IsWebAddress(request.target)
                                     ? BrowserLauncher(request.target, request.parameters, style)
                                     : ShellLinkFields{request.target, request.parameters, request.workingFolder, style};
  return Done(WriteShellLink(GeneratedFilePath(store.programFolder, name, ".lnk"), fields));
}

WriteResult NativeWriter::CompleteImport(const StoreContext& store, const std::string& name, bool internetShortcut,
                                         const ImportedFields& fields) const {
  if (!fields.known) return Done(false);
  if (internetShortcut) {
    return Done(WriteShellLink(GeneratedFilePath(store.programFolder, name, ".lnk"),
                               BrowserLauncher(fields.target, "", SW_SHOWNORMAL)) &&
                WriteDefinitionFile(store, name, fields.target, "", kWindowNormal));
  }
  // The copied shortcut stays as the launcher.
  return Done(WriteDefinitionFile(store, name, fields.target, fields.arguments, WindowModeOfStyle(fields.windowStyle)));
}

bool NativeWriter::SwitchExplorerEntry(const StoreContext& store, bool on) const {
  bool done = true;
  for (const char* entry : kExplorerEntries) {
    if (!on) {
      const LSTATUS deleted = RegDeleteTreeA(HKEY_CURRENT_USER, entry);
      done = done && (deleted == ERROR_SUCCESS || deleted == ERROR_FILE_NOT_FOUND);
      continue;
    }
    // The item's full path, unquoted, is the whole argument text (%1 bare).
    const ScopedRegistryKey key = CreateWritableSubkey(HKEY_CURRENT_USER, entry);
    const ScopedRegistryKey command = CreateWritableSubkey(HKEY_CURRENT_USER, std::string(entry) + "\\command");
    done = done && key && command && SetText(key.Get(), nullptr, "Create Shortcut Command") &&
           SetText(command.Get(), nullptr, "\"" + store.programFolder + "\\quillet.exe\" %1");
  }
  return done;
}

std::string NativeWriter::PrepareClearWord(const StoreContext& store) const {
  // App Paths names a file, not a command line, so the word leads to a shortcut that starts
  // quillet.exe with the argument that clears the history.
  const std::string& p = store.programFolder;
  const std::string shortcut = p + "\\clear.lnk";
  WriteShellLink(shortcut, {p + "\\quillet.exe", kClearArgument, p, SW_SHOWNORMAL});
  return shortcut;
}

}  // namespace quillet
