#include "tests/e2e/e2e_support.h"

#include <gtest/gtest.h>

#include "store/store_paths.h"
#include "ui/common/wide_text.h"

namespace quillet::testing {

std::string BuiltProgram(const std::string& file) { return std::string(QUILLET_BUILT_PROGRAM_DIR) + "\\" + file; }
std::string BuiltTool(const std::string& file) { return std::string(QUILLET_BUILT_TOOLS_DIR) + "\\" + file; }

long RunDialog(const std::string& line) {
  const ChildProcess rundlg(QuoteArgument(BuiltTool("rundlg.exe")) + " " + QuoteArgument(line));
  return static_cast<long>(rundlg.WaitForExit().value_or(-1));
}

InstalledProgram::InstalledProgram() : TempProgramFolder(Scripts::Copied) {
  CopyFileA(BuiltProgram("quillet.exe").c_str(), Exe().c_str(), FALSE);
}

std::string InstalledProgram::Generated(const std::string& name, const std::string& extension) const {
  return GeneratedFilePath(Path(), name, extension);
}

std::unique_ptr<ChildProcess> InstalledProgram::Start(const std::string& argumentText) const {
  return std::make_unique<ChildProcess>(QuoteArgument(Exe()) + (argumentText.empty() ? "" : " " + argumentText));
}

Recorded ReadRecording(const std::string& file) {
  std::string lines[3];
  const std::string bytes = ReadFileBytes(file);
  std::size_t start = 0;
  for (std::string& line : lines) {
    const auto end = bytes.find("\r\n", start);
    if (end == std::string::npos) break;
    line = bytes.substr(start, end - start);
    start = end + 2;
  }
  return {lines[0], lines[1], lines[2]};
}

RecordingTarget::RecordingTarget(const TempProgramFolder& program)
    : folder(program.File("Target Folder")), exe(folder + "\\record_args.exe"), recording(folder + "\\record_args.out") {
  CreateDirectoryA(folder.c_str(), nullptr);
  CopyFileA(BuiltTool("record_args.exe").c_str(), exe.c_str(), FALSE);
}

void SetFirstStartDone(bool done) {
  if (!done) {
    RegDeleteKeyValueA(HKEY_CURRENT_USER, "Software\\Quillet", "FirstRunDone");
    return;
  }
  HKEY key = nullptr;
  RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Quillet", 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr);
  const DWORD one = 1;
  RegSetValueExA(key, "FirstRunDone", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&one), sizeof one);
  RegCloseKey(key);
}

std::string RegistryText(HKEY root, const std::string& subkey, const char* valueName) {
  char buffer[2048] = {};
  DWORD size = sizeof buffer - 1;
  if (RegGetValueA(root, subkey.c_str(), valueName, RRF_RT_REG_SZ, nullptr, buffer, &size) != ERROR_SUCCESS) {
    return {};
  }
  return buffer;
}

bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
  const ULONGLONG deadline = GetTickCount64() + timeoutMs;
  while (!condition()) {
    if (GetTickCount64() >= deadline) return false;
    Sleep(50);
  }
  return true;
}

HWND WaitForMainWindow(DWORD processId, DWORD timeoutMs) {
  const ULONGLONG deadline = GetTickCount64() + timeoutMs;
  while (GetTickCount64() < deadline) {
    for (HWND window = FindWindowExA(nullptr, nullptr, "QuilletMainWindow", nullptr); window;
         window = FindWindowExA(nullptr, window, "QuilletMainWindow", nullptr)) {
      DWORD owner = 0;
      GetWindowThreadProcessId(window, &owner);
      if (owner == processId && IsWindowVisible(window)) return window;
    }
    Sleep(20);
  }
  return nullptr;
}

bool AnswerFileDialog(DWORD processId, const std::string& title, const std::string& path, const std::string& button) {
  constexpr int kFileNameBox = 0x47C;  // cmb13, the file name of the Explorer-style file dialogs
  const auto dialog = tools::WaitForDialog(title, 20000, processId);
  return dialog && tools::SetControlText(dialog->window, kFileNameBox, path) &&
         tools::PressButton(dialog->window, button) && tools::WaitForDialogGone(dialog->window, 20000);
}

bool AnswerDialog(DWORD processId, const std::string& title, const std::string& expectedText,
                  tools::MessageIcon expectedIcon, const std::string& button) {
  return AnswerDialog(processId, title, WideFromAnsi(expectedText), expectedIcon, button);
}

bool AnswerDialog(DWORD processId, const std::string& title, const std::wstring& expectedText,
                  tools::MessageIcon expectedIcon, const std::string& button) {
  const auto dialog = tools::WaitForDialog(title, 20000, processId);
  EXPECT_TRUE(dialog.has_value()) << "no dialog \"" << title << "\" expecting: " << expectedText;
  if (!dialog) return false;
  EXPECT_EQ(dialog->wideText, expectedText);
  EXPECT_EQ(dialog->icon, expectedIcon) << expectedText;
  EXPECT_FALSE(dialog->hasEdit) << expectedText;
  EXPECT_TRUE(tools::PressButton(dialog->window, button)) << button;
  EXPECT_TRUE(tools::WaitForDialogGone(dialog->window, 10000));
  return true;
}

}  // namespace quillet::testing
