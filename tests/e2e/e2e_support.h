#pragma once
// End-to-end tests: the real quillet.exe installed in a throw-away folder with its scripts,
// started as the shell starts it, its dialogs answered from another process, and the commands it
// makes started through the Run-dialog stand-in.

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "store/store_paths.h"
#include "store/wide_text.h"
#include "tests/support/registry_sandbox.h"
#include "tests/support/temp_program_folder.h"
#include "tests/tools/shortcut_reader.h"
#include "tests/tools/ui_driver.h"
#include "tools/child_process.h"

namespace quillet::testing {

using tools::ChildProcess;
using tools::Eventually;
using tools::QuoteArgument;

// Types `line` into the Run-dialog stand-in and returns once it has started what the line names.
// Its exit code: 0 started, 2 no such App Paths entry, 3 the shell refused.
long RunDialog(const std::string& line);

// Removes the Run words (of either scope) that lead into that program folder.
void RemoveRunWordsOf(const std::string& programFolder);

// The user's record that the first-start question was asked.
void SetFirstStartDone(bool done);

// What record_args.exe wrote when it was started.
struct Recorded {
  std::string arguments, folder, showCommand;  // the show command "-" when it was given none
  bool operator==(const Recorded&) const = default;
};
// How a failed comparison shows one.
inline void PrintTo(const Recorded& recorded, std::ostream* out) {
  *out << "{\"" << recorded.arguments << "\", \"" << recorded.folder << "\", " << recorded.showCommand << "}";
}

// How long a dialog may take to come when the program does nothing long before it.
inline constexpr DWORD kDialogTimeoutMs = 20000;
// How long a helper program may take to start and end.
inline constexpr DWORD kProcessStartMs = 60000;

// Whether the test's prefix runs VBScript. Off is Windows without its VBScript feature: the
// script host still starts, but no .vbs runs (Wine's vbscript.dll is switched off for the
// programs started from then on), so Quillet does the scripts' work itself.
enum class VBScript { On, Off };
inline void PrintTo(VBScript vbscript, std::ostream* out) { *out << (vbscript == VBScript::On ? "on" : "off"); }

// A fixture base that switches VBScript as the test's parameter says, before anything of the
// test is started, and back on after it.
class VBScriptEitherWay : public ::testing::WithParamInterface<VBScript> {
 protected:
  VBScriptEitherWay();
  ~VBScriptEitherWay();
};

// A fixture whose tests run once with VBScript and once without: TEST_P, and
// QUILLET_EITHER_WAY(Fixture) to instantiate them.
template <class Fixture>
class EitherWay : public VBScriptEitherWay, public Fixture {};
#define QUILLET_EITHER_WAY(fixture)                                                              \
  INSTANTIATE_TEST_SUITE_P(, fixture, ::testing::Values(VBScript::On, VBScript::Off),            \
                           [](const auto& info) { return info.param == VBScript::On ? "VBScriptOn" : "VBScriptOff"; })

class E2eTest : public ::testing::Test {
 protected:
  E2eTest();
  ~E2eTest() override;

  std::string Generated(const std::string& name, const std::string& extension) const {
    return GeneratedFilePath(program.Path(), name, extension);
  }
  // A unique command name (letters and digits); its App Paths entry is removed after the test.
  std::string NewName(const std::string& stem) { return names_.emplace_back(UniqueName(stem)); }

  // Starts quillet.exe with that argument text (wide, for characters the ANSI code page lacks).
  std::unique_ptr<ChildProcess> Start(const std::wstring& arguments) const;
  std::unique_ptr<ChildProcess> Start(const std::string& arguments = "") const {
    return Start(WideFromAnsi(arguments));
  }
  // The visible main window of that process (a test failure when it never comes).
  HWND MainWindow(const ChildProcess& quillet) const;
  // Closes the main window; the program must end with exit code 0.
  void Close(const ChildProcess& quillet) const;

  // Waits for a dialog of `title` shown by `process` (0: any), checks its text, presses `button`
  // and waits for it to go.
  // `timeoutMs`: the longest the program may take to show it.
  void Answer(const std::string& title, const std::wstring& text, const std::string& button = "OK",
              DWORD process = 0, DWORD timeoutMs = kDialogTimeoutMs) const;
  void Answer(const std::string& title, const std::string& text, const std::string& button = "OK",
              DWORD process = 0, DWORD timeoutMs = kDialogTimeoutMs) const {
    Answer(title, WideFromAnsi(text), button, process, timeoutMs);
  }
  // The same for a file dialog ("Open", "Save As"): the path is typed into its file name box.
  void AnswerFile(const std::string& title, const std::string& path, const std::string& button, DWORD process) const;

  // Types the line into the Run-dialog stand-in and returns what the started record_args wrote.
  Recorded Run(const std::string& line) const;
  // Checks a shortcut through IShellLink and, independently, through lnkinfo.
  void ExpectShortcut(const std::string& path, const ShortcutFields& expected) const;

  // A copy installed for all users, as the setup installs it: its commands live in HKLM.
  TempProgramFolder program{TempProgramFolder::Scripts::Copied, true, TempProgramFolder::Place::ProgramFiles};
  std::string targetFolder = program.File("Target Folder");  // a blank in it
  std::string target = targetFolder + "\\record_args.exe";   // records how it was started
  std::string recording = targetFolder + "\\record_args.out";

 private:
  std::vector<std::string> names_;
};

}  // namespace quillet::testing
