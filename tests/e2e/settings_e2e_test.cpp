// The settings dialog of the real program, pressed from outside: its buttons run the real
// companion scripts, and the Explorer entry they write and remove is read from the registry.

#include <gtest/gtest.h>

#include "tests/e2e/e2e_support.h"
#include "tests/scripts/script_runner.h"
#include "ui/main/main_menu.h"

namespace quillet::testing {
namespace {

constexpr const char* kEntries[] = {"Software\\Classes\\*\\shell\\QuilletCreateCommand",
                                    "Software\\Classes\\Directory\\shell\\QuilletCreateCommand"};

TEST(SettingsE2e, AddAndRemoveContextMenuSwitchTheExplorerEntry) {
  for (const char* entry : kEntries) DeleteKeyTree(HKEY_CURRENT_USER, entry);
  SetFirstStartDone(true);
  InstalledProgram program;
  const auto quillet = program.Start("");
  const HWND window = WaitForMainWindow(quillet->Id());
  ASSERT_NE(window, nullptr);
  PostMessageA(window, WM_COMMAND, kMenuSettings, 0);
  const auto settings = tools::WaitForDialog("Settings", 20000, quillet->Id());
  ASSERT_TRUE(settings.has_value());
  const HWND page = FindWindowExA(settings->window, nullptr, "#32770", nullptr);  // the tab's page

  const std::string command = "\"" + program.Exe() + "\" %1";
  ASSERT_TRUE(tools::PressButton(page, "Add Context Menu"));
  for (const std::string entry : kEntries) {
    EXPECT_TRUE(WaitUntil([&] { return ReadDefaultValue(HKEY_CURRENT_USER, entry + "\\command") == command; }))
        << entry;
    EXPECT_EQ(ReadDefaultValue(HKEY_CURRENT_USER, entry), "Create Shortcut Command");
  }
  ASSERT_TRUE(tools::PressButton(page, "Remove Context Menu"));
  for (const char* entry : kEntries) {
    EXPECT_TRUE(WaitUntil([&] { return !KeyExists(HKEY_CURRENT_USER, entry); })) << entry;
  }

  ASSERT_TRUE(tools::PressButton(settings->window, "OK"));
  EXPECT_TRUE(tools::WaitForDialogGone(settings->window, 10000));
  PostMessageA(window, WM_CLOSE, 0, 0);
  EXPECT_EQ(quillet->WaitForExit(), 0u);
}

}  // namespace
}  // namespace quillet::testing
