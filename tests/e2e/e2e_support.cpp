#include "tests/e2e/e2e_support.h"

#include "store/store_paths.h"
#include "ui/common/wide_text.h"

namespace quillet::testing {

namespace {
constexpr DWORD kDialogTimeoutMs = 20000;
constexpr double kFileTimeoutSeconds = 20;
}  // namespace

std::string BuiltProgram(const std::string& file) { return std::string(QUILLET_BUILT_PROGRAM_DIR) + "\\" + file; }
std::string BuiltTool(const std::string& file) { return std::string(QUILLET_BUILT_TOOLS_DIR) + "\\" + file; }

long RunDialog(const std::string& line) {
  const ChildProcess rundlg(QuoteArgument(BuiltTool("rundlg.exe")) + " " + line);  // the line as typed
  return static_cast<long>(rundlg.WaitForExit().value_or(-1));
}

bool Eventually(const std::function<bool()>& condition, DWORD timeoutMs) {
  const ULONGLONG deadline = GetTickCount64() + timeoutMs;
  while (!condition()) {
    if (GetTickCount64() >= deadline) return false;
    Sleep(50);
  }
  return true;
}

void SetFirstStartDone(bool done) {
  const DWORD value = 1;
  if (done) {
    RegSetKeyValueA(HKEY_CURRENT_USER, "Software\\Quillet", "FirstRunDone", REG_DWORD, &value, sizeof value);
  } else {
    RegDeleteKeyValueA(HKEY_CURRENT_USER, "Software\\Quillet", "FirstRunDone");
  }
}

E2eTest::E2eTest() {
  CopyFileA(BuiltProgram("quillet.exe").c_str(), program.File("quillet.exe").c_str(), FALSE);
  CreateDirectoryA(targetFolder.c_str(), nullptr);
  CopyFileA(BuiltTool("record_args.exe").c_str(), target.c_str(), FALSE);
  SetFirstStartDone(true);
}

E2eTest::~E2eTest() {
  for (const std::string& name : names_) RegDeleteKeyA(HKEY_LOCAL_MACHINE, AppPathsSubkey(name).c_str());
}

std::string E2eTest::Generated(const std::string& name, const std::string& extension) const {
  return GeneratedFilePath(program.Path(), name, extension);
}

std::string E2eTest::AppPaths(const std::string& name, const char* valueName) const {
  return RegistryText(HKEY_LOCAL_MACHINE, AppPathsSubkey(name), valueName);
}

std::string E2eTest::NewName(const std::string& stem) { return names_.emplace_back(UniqueName(stem)); }

std::unique_ptr<ChildProcess> E2eTest::Start(const std::string& arguments) const {
  const std::string exe = QuoteArgument(program.File("quillet.exe"));
  return std::make_unique<ChildProcess>(arguments.empty() ? exe : exe + " " + arguments);
}

std::unique_ptr<ChildProcess> E2eTest::Start(const std::wstring& arguments) const {
  return std::make_unique<ChildProcess>(WideFromAnsi(QuoteArgument(program.File("quillet.exe"))) + L" " + arguments);
}

HWND E2eTest::MainWindow(const ChildProcess& quillet) const {
  const ULONGLONG deadline = GetTickCount64() + kDialogTimeoutMs;
  while (GetTickCount64() < deadline) {
    for (HWND window = FindWindowExA(nullptr, nullptr, "QuilletMainWindow", nullptr); window;
         window = FindWindowExA(nullptr, window, "QuilletMainWindow", nullptr)) {
      DWORD owner = 0;
      GetWindowThreadProcessId(window, &owner);
      if (owner == quillet.Id() && IsWindowVisible(window)) return window;
    }
    Sleep(20);
  }
  ADD_FAILURE() << "no main window";
  return nullptr;
}

void E2eTest::Close(const ChildProcess& quillet) const {
  PostMessageA(MainWindow(quillet), WM_CLOSE, 0, 0);
  EXPECT_EQ(quillet.WaitForExit(), 0u);
}

void E2eTest::Answer(const std::string& title, const std::wstring& text, const std::string& button,
                     DWORD process) const {
  const auto dialog = tools::WaitForDialog(title, kDialogTimeoutMs, process);
  ASSERT_TRUE(dialog.has_value()) << "no dialog \"" << title << "\"";
  EXPECT_EQ(dialog->text, text);
  ASSERT_TRUE(tools::PressButton(dialog->window, button)) << button;
  EXPECT_TRUE(tools::WaitForDialogGone(dialog->window, kDialogTimeoutMs));
}

void E2eTest::Answer(const std::string& title, const std::string& text, const std::string& button,
                     DWORD process) const {
  Answer(title, WideFromAnsi(text), button, process);
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
  std::string lines[3];
  const std::string bytes = ReadFileBytes(recording);
  for (std::size_t start = 0, i = 0; i < 3; ++i) {
    const auto end = bytes.find("\r\n", start);
    if (end == std::string::npos) break;
    lines[i] = bytes.substr(start, end - start);
    start = end + 2;
  }
  return {lines[0], lines[1], lines[2]};
}

void E2eTest::ExpectShortcut(const std::string& path, const ShortcutFields& expected) const {
  ASSERT_TRUE(WaitForFile(path, kFileTimeoutSeconds)) << path;
  EXPECT_EQ(ReadShortcut(path), expected);
  auto independent = ReadShortcutWithLnkinfo(path);
  ASSERT_TRUE(independent.has_value());
  independent->windowStyle = expected.windowStyle;  // lnkinfo cannot read it
  EXPECT_EQ(*independent, expected);
}

}  // namespace quillet::testing
