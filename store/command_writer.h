#pragma once
// Who writes what a command needs besides its App Paths entry, and what the Explorer entry and
// the clear word need: the companion scripts where Windows runs VBScript (ScriptWriter), Quillet's
// own code where it cannot (NativeWriter). Both leave the same files and keys; which one a run
// uses is decided once (WriterChoice, writer_choice.h).

#include <cstdint>
#include <string>

#include "store/scoped_handles.h"

namespace quillet {

struct StoreContext;

// A launcher shortcut P\Cmds\run_N.lnk: its target (a web address gets a browser launcher), the
// parameters as its arguments, its start-in folder and window style.
struct LauncherRequest {
  std::string target;
  std::string parameters;
  std::string workingFolder;
  std::int16_t windowMode = 1;
};

// What the program read of a shortcut it imports; `known` is false when it could not read it
// (the scripts then read the copy themselves).
struct ImportedFields {
  bool known = false;
  std::string target;
  std::string arguments;
  int windowStyle = 1;
};

enum class WriteStatus {
  Done,           // written
  Started,        // a script is writing it; WriteResult::script is its process, when the shell gave one
  ScriptMissing,  // the companion script is not in the program folder
  NoScriptHost,   // Windows has no program for .vbs files
  Failed,         // it could not be written
};

struct WriteResult {
  WriteStatus status = WriteStatus::Failed;
  ScopedProcess script;

  bool Written() const { return status == WriteStatus::Done || status == WriteStatus::Started; }
};

class CommandWriter {
 public:
  virtual ~CommandWriter() = default;

  // Whether what it writes is there only once a script has run.
  virtual bool UsesScripts() const = 0;

  // The launcher shortcut of the command N.
  virtual WriteResult WriteLauncher(const StoreContext& store, const std::string& name,
                                    const LauncherRequest& request) const = 0;

  // The rest of an import, once the shortcut has been copied to P\Cmds\run_N.lnk (or run_N.url
  // for an Internet shortcut): leaves run_N.lnk as the command's launcher and writes its
  // definition file run_N.cfg from the shortcut. A script writes run_N.tmp when it has finished.
  virtual WriteResult CompleteImport(const StoreContext& store, const std::string& name, bool internetShortcut,
                                     const ImportedFields& fields) const = 0;

  // Adds ("Create Shortcut Command" on files and folders) or removes the Explorer entry. A script
  // is started and not waited for; false when it could not be started or the entry not written.
  virtual bool SwitchExplorerEntry(const StoreContext& store, bool on) const = 0;

  // What the Run word "clear" starts (App Paths' clear.exe), made ready where it has to be made.
  virtual std::string PrepareClearWord(const StoreContext& store) const = 0;
};

}  // namespace quillet
