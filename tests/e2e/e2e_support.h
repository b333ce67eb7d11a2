#pragma once
// End-to-end helpers: a program folder holding copies of the built quillet.exe and its scripts,
// processes of it started as the shell would, and the Run-dialog stand-in.

#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "store/scoped_handles.h"
#include "tests/support/temp_program_folder.h"
#include "tools/child_process.h"
#include "tools/ui_driver.h"

namespace quillet::testing {

// Built programs, as Wine sees them.
std::string BuiltProgram(const std::string& file);  // from the program folder
std::string BuiltTool(const std::string& file);     // from the tools folder

using tools::ChildProcess;
using tools::QuoteArgument;

// Types `line` into the Run-dialog stand-in and returns once it has started what the line names.
// Its exit code: 0 started, 2 no such App Paths entry, 3 the shell refused.
long RunDialog(const std::string& line);

// Installs the program in a fresh temporary folder: quillet.exe, its scripts and a Cmds folder.
class InstalledProgram : public TempProgramFolder {
 public:
  InstalledProgram();
  std::string Exe() const { return File("quillet.exe"); }
  std::string Generated(const std::string& name, const std::string& extension) const;
  // Starts quillet.exe with that argument text, as the shell would.
  std::unique_ptr<ChildProcess> Start(const std::string& argumentText) const;
};

// What record_args.exe wrote when the shell started it.
struct Recorded {
  std::string arguments;
  std::string folder;
  std::string showCommand;  // "-" when it was given none
};
Recorded ReadRecording(const std::string& file);

// A program folder with record_args.exe in a sub-folder whose name has a blank: the target of
// commands whose start is to be checked.
struct RecordingTarget {
  explicit RecordingTarget(const TempProgramFolder& program);
  std::string folder;
  std::string exe;
  std::string recording;
};

// The first-start record of the current user, set or removed.
void SetFirstStartDone(bool done);

// A registry value of HKLM or HKCU as text (REG_SZ), "" when missing.
std::string RegistryText(HKEY root, const std::string& subkey, const char* valueName);

// Polls `condition` until it holds (true) or `timeoutMs` has passed (false): for what another
// process, such as a script, does in its own time.
bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs = 20000);

// Waits for the visible main window of that process; null on time-out.
HWND WaitForMainWindow(DWORD processId, DWORD timeoutMs = 20000);

// Waits for the file dialog of `title` ("Open", "Save As") shown by `processId`, types the path
// into its file name box and presses `button`; false when that could not be done.
bool AnswerFileDialog(DWORD processId, const std::string& title, const std::string& path, const std::string& button);

// Waits for a dialog of `title` shown by `processId`, checks its text and buttons, then presses
// `button`. The failures are reported through gtest; false when the dialog never came.
bool AnswerDialog(DWORD processId, const std::string& title, const std::string& expectedText,
                  tools::MessageIcon expectedIcon, const std::string& button);
// The same for a text that the ANSI code page cannot hold.
bool AnswerDialog(DWORD processId, const std::string& title, const std::wstring& expectedText,
                  tools::MessageIcon expectedIcon, const std::string& button);

}  // namespace quillet::testing
