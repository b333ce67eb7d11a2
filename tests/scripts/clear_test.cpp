// clear.vbs: the Run dialog's history goes, and one message says so.

#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "tests/scripts/script_runner.h"
#include "tests/support/temp_program_folder.h"

namespace quillet::testing {
namespace {

constexpr const char* kRunHistory = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\RunMRU";
constexpr DWORD kWaitMs = 15000;

HWND WaitForWindow(const char* title) {
  const ULONGLONG deadline = GetTickCount64() + kWaitMs;
  while (GetTickCount64() < deadline) {
    if (const HWND window = FindWindowA(nullptr, title)) return window;
    Sleep(50);
  }
  return nullptr;
}

// The texts of a message box's static controls (its icon is one too, without text).
std::vector<std::string> StaticTexts(HWND dialog) {
  std::vector<std::string> texts;
  EnumChildWindows(
      dialog,
      [](HWND child, LPARAM found) -> BOOL {
        char className[32];
        char text[512];
        GetClassNameA(child, className, sizeof className);
        if (lstrcmpiA(className, "Static") == 0 && GetWindowTextA(child, text, sizeof text) > 0) {
          reinterpret_cast<std::vector<std::string>*>(found)->push_back(text);
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&texts));
  return texts;
}

TEST(ClearScript, DeletesTheRunHistoryAndSaysSoOnce) {
  TempProgramFolder program(TempProgramFolder::Scripts::Copied);
  HKEY history;
  ASSERT_EQ(
      RegCreateKeyExA(HKEY_CURRENT_USER, kRunHistory, 0, nullptr, 0, KEY_WRITE, nullptr, &history, nullptr),
      ERROR_SUCCESS);
  RegSetValueExA(history, "a", 0, REG_SZ, reinterpret_cast<const BYTE*>("notepad\\1"), 10);
  RegSetValueExA(history, "MRUList", 0, REG_SZ, reinterpret_cast<const BYTE*>("a"), 2);
  RegCloseKey(history);

  const HANDLE script = StartScript(program.Path(), "clear.vbs");
  ASSERT_NE(script, nullptr);
  // A script left waiting on a message would hold the test's output open.
  const std::unique_ptr<void, void (*)(HANDLE)> ending(script, [](HANDLE process) {
    TerminateProcess(process, 1);
    CloseHandle(process);
  });
  const HWND message = WaitForWindow("Quillet");
  ASSERT_NE(message, nullptr) << "no message";
  // The message comes once the history is gone.
  EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kRunHistory));
  EXPECT_EQ(StaticTexts(message), std::vector<std::string>{"The Run dialog's history has been cleared."});

  PostMessageA(message, WM_COMMAND, IDOK, 0);
  // With its one message answered, the script is done.
  EXPECT_EQ(WaitForSingleObject(script, kWaitMs), WAIT_OBJECT_0);
}

}  // namespace
}  // namespace quillet::testing
