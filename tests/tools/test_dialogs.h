#pragma once
// The dialogs the UI driver is tried on. This test program shows them itself, in a thread, or
// as a child process of itself:
//   tools_tests.exe --child message-box <flags> <title> <text>        exit code: the button
//   tools_tests.exe --child input-dialog <title> <prompt> <text> <answer file>
//                                            exit code: IDOK (answer written) or IDCANCEL
//   tools_tests.exe --child exit <code>                               just exits with <code>

#include <windows.h>

#include <atomic>
#include <optional>
#include <string>
#include <thread>

namespace quillet::tools::testing {

// A dialog like Quillet's input box: a prompt, an Edit box with `text`, and the push buttons
// "OK" and "&Cancel". It also holds what the driver must leave alone: a check box
// "&Remember" and a hidden push button "Help".
struct InputDialogResult {
  INT_PTR button = 0;  // IDOK or IDCANCEL
  std::string answer;  // the Edit box's text when OK was pressed
};
InputDialogResult ShowInputDialog(const std::string& title, const std::string& prompt, const std::string& text);

// The input dialog shown from a second thread of this process. A dialog still open when the
// test is done with it (because pressing failed) is cancelled, so no test waits forever.
class InputDialogThread {
 public:
  InputDialogThread(const std::string& title, const std::string& prompt, const std::string& text);
  InputDialogThread(const InputDialogThread&) = delete;
  InputDialogThread& operator=(const InputDialogThread&) = delete;
  ~InputDialogThread();

  // Waits up to timeoutMs for the dialog to end, cancels it after that, and gives its result.
  InputDialogResult Finish(DWORD timeoutMs = 10000);

 private:
  const std::string title_;
  InputDialogResult result_;
  std::atomic<bool> ended_{false};
  std::thread thread_;
};

std::string MessageBoxChildCommand(UINT flags, const std::string& title, const std::string& text);
std::string InputDialogChildCommand(const std::string& title, const std::string& prompt, const std::string& text,
                                    const std::string& answerFile);

// The exit code when this process was started as a child; nullopt for a normal test run.
std::optional<int> RunAsChild(int argc, char** argv);

}  // namespace quillet::tools::testing
