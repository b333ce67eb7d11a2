// The settings dialog of the real program, pressed from outside: its buttons run the real
// companion scripts, and the Explorer entry they write and remove is read from the registry.

#include "tests/e2e/e2e_support.h"
#include "tests/support/registry_sandbox.h"
#include "ui/main/main_menu.h"

namespace quillet::testing {
namespace {

constexpr const char* kEntries[] = {"Software\\Classes\\*\\shell\\QuilletCreateCommand",
                                    "Software\\Classes\\Directory\\shell\\QuilletCreateCommand"};

using SettingsE2e = E2eTest;

TEST_F(SettingsE2e, AddAndRemoveContextMenuSwitchTheExplorerEntry) {
  for (const char* entry : kEntries) DeleteKeyTree(HKEY_CURRENT_USER, entry);
  const auto quillet = Start();
  PostMessageA(MainWindow(*quillet), WM_COMMAND, kMenuSettings, 0);
  const auto settings = tools::WaitForDialog("Settings", 20000, quillet->Id());
  ASSERT_TRUE(settings.has_value());
  const HWND page = FindWindowExA(settings->window, nullptr, "#32770", nullptr);  // the tab's page

  const std::string command = "\"" + program.File("quillet.exe") + "\" %1";
  ASSERT_TRUE(tools::PressButton(page, "Add Context Menu"));
  for (const std::string entry : kEntries) {
    EXPECT_TRUE(Eventually([&] { return RegistryText(HKEY_CURRENT_USER, entry + "\\command") == command; })) << entry;
    EXPECT_EQ(RegistryText(HKEY_CURRENT_USER, entry), "Create Shortcut Command");
  }
  ASSERT_TRUE(tools::PressButton(page, "Remove Context Menu"));
  for (const char* entry : kEntries) {
    EXPECT_TRUE(Eventually([&] { return !KeyExists(HKEY_CURRENT_USER, entry); })) << entry;
  }
  ASSERT_TRUE(tools::PressButton(settings->window, "OK"));
  EXPECT_TRUE(tools::WaitForDialogGone(settings->window, 10000));
  Close(*quillet);
}

}  // namespace
}  // namespace quillet::testing
