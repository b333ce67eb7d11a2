// clear.vbs: the Run dialog's history goes, and one message says so.

#include <gtest/gtest.h>
#include <windows.h>

#include <memory>

#include "tests/support/registry_sandbox.h"
#include "tests/support/script_runner.h"
#include "tests/support/temp_program_folder.h"
#include "tests/tools/ui_driver.h"

namespace quillet::testing {
namespace {

constexpr const char* kRunHistory = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\RunMRU";

TEST(ClearScript, DeletesTheRunHistoryAndSaysSoOnce) {
  TempProgramFolder program(TempProgramFolder::Scripts::Copied);
  SetRegistryText(HKEY_CURRENT_USER, kRunHistory, "a", "notepad\\1");

  // A script left waiting on a message would hold the test's output open.
  const std::unique_ptr<void, void (*)(HANDLE)> script(
      StartScript(program.Path(), "clear.vbs"), [](HANDLE p) { TerminateProcess(p, 1); CloseHandle(p); });
  ASSERT_NE(script.get(), nullptr);
  const auto message = tools::WaitForDialog("Quillet", 15000, GetProcessId(script.get()));
  ASSERT_TRUE(message.has_value());
  // The message comes once the history is gone.
  EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kRunHistory));
  EXPECT_EQ(message->text, L"The Run dialog's history has been cleared.");
  ASSERT_TRUE(tools::PressButton(message->window, "OK"));
  EXPECT_EQ(WaitForSingleObject(script.get(), 15000), WAIT_OBJECT_0);  // its one message answered, it is done
}

}  // namespace
}  // namespace quillet::testing
