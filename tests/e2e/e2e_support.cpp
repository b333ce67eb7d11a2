#include "tests/e2e/e2e_support.h"

#include <sstream>

namespace quillet::testing {

constexpr double kFileTimeoutSeconds = 20;

long RunDialog(const std::string& line) {
  const ChildProcess rundlg(QuoteArgument(QUILLET_BUILT_TOOLS_DIR "\\rundlg.exe") + " " + line);  // the line as typed
  // A start of a Wine process on a busy machine was seen to take over 20 s; it ends at once after.
  return static_cast<long>(rundlg.WaitForExit(kProcessStartMs).value_or(-1));
}

void SetFirstStartDone(bool done) {
  const DWORD value = 1;
  RegDeleteKeyValueA(HKEY_CURRENT_USER, "Software\\Quillet", "FirstRunDone");
  if (done) RegSetKeyValueA(HKEY_CURRENT_USER, "Software\\Quillet", "FirstRunDone", REG_DWORD, &value, sizeof value);
}

namespace {
constexpr const char* kDllOverrides = "Software\\Wine\\DllOverrides";
}

VBScriptEitherWay::VBScriptEitherWay() {
  if (GetParam() == VBScript::Off) SetRegistryText(HKEY_CURRENT_USER, kDllOverrides, "vbscript", "");
}

VBScriptEitherWay::~VBScriptEitherWay() { RegDeleteKeyValueA(HKEY_CURRENT_USER, kDllOverrides, "vbscript"); }

E2eTest::E2eTest() {
  CopyFileA(QUILLET_BUILT_PROGRAM_DIR "\\quillet.exe", program.File("quillet.exe").c_str(), FALSE);
  CreateDirectoryA(targetFolder.c_str(), nullptr);
  CopyFileA(QUILLET_BUILT_TOOLS_DIR "\\record_args.exe", target.c_str(), FALSE);
  SetFirstStartDone(true);
}

void RemoveRunWordsOf(const std::string& programFolder) {
  for (HKEY root : {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE}) {
    for (const char* word : {"create", "remove", "clear", "quillet"}) {
      if (RegistryText(root, AppPathsSubkey(word)).rfind(programFolder + "\\", 0) == 0) {
        RegDeleteKeyA(root, AppPathsSubkey(word).c_str());
      }
    }
  }
}

E2eTest::~E2eTest() {
  for (const std::string& name : names_) {
    for (HKEY root : {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE}) RegDeleteKeyA(root, AppPathsSubkey(name).c_str());
  }
  RemoveRunWordsOf(program.Path());
}

std::unique_ptr<ChildProcess> E2eTest::Start(const std::wstring& arguments) const {
  const std::wstring exe = WideFromAnsi(QuoteArgument(program.File("quillet.exe")));
  return std::make_unique<ChildProcess>(arguments.empty() ? exe : exe + L" " + arguments);
}

HWND E2eTest::MainWindow(const ChildProcess& quillet) const {
  const HWND window = tools::WaitForWindow("QuilletMainWindow", quillet.Id(), kDialogTimeoutMs,
                                           [](HWND shown) { return IsWindowVisible(shown) != FALSE; });
  EXPECT_TRUE(window) << "no main window";
  return window;
}

void E2eTest::Close(const ChildProcess& quillet) const {
  PostMessageA(MainWindow(quillet), WM_CLOSE, 0, 0);
  EXPECT_EQ(quillet.WaitForExit(), 0u);
}

void E2eTest::Answer(const std::string& title, const std::wstring& text, const std::string& button,
                     DWORD process, DWORD timeoutMs) const {
  const auto dialog = tools::WaitForDialog(title, timeoutMs, process);
  ASSERT_TRUE(dialog.has_value()) << "no dialog \"" << title << "\"";
  EXPECT_EQ(dialog->text, text);
  ASSERT_TRUE(tools::PressButton(dialog->window, button)) << button;
  EXPECT_TRUE(tools::WaitForDialogGone(dialog->window, kDialogTimeoutMs));
}

void E2eTest::AnswerFile(const std::string& title, const std::string& path, const std::string& button,
                         DWORD process) const {
  constexpr int kFileNameBox = 0x47C;  // cmb13, the file name of the Explorer-style file dialogs
  const auto dialog = tools::WaitForDialog(title, kDialogTimeoutMs, process);
  ASSERT_TRUE(dialog.has_value()) << "no dialog \"" << title << "\"";
  ASSERT_TRUE(tools::SetControlText(dialog->window, kFileNameBox, path));
  ASSERT_TRUE(tools::PressButton(dialog->window, button));
  EXPECT_TRUE(tools::WaitForDialogGone(dialog->window, kDialogTimeoutMs));
}

Recorded E2eTest::Run(const std::string& line) const {
  DeleteFileA(recording.c_str());
  EXPECT_EQ(RunDialog(line), 0) << line;
  EXPECT_TRUE(WaitForFile(recording, kFileTimeoutSeconds)) << line;
  std::istringstream lines(ReadFileBytes(recording));
  Recorded recorded;
  for (std::string* field : {&recorded.arguments, &recorded.folder, &recorded.showCommand}) std::getline(lines, *field);
  return recorded;
}

void E2eTest::ExpectShortcut(const std::string& path, const ShortcutFields& expected) const {
  ASSERT_TRUE(WaitForFile(path, kFileTimeoutSeconds)) << path;
  EXPECT_EQ(ReadShortcutTwice(path), expected);
}

}  // namespace quillet::testing
