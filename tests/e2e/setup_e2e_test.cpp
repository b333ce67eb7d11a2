// The setup program run silently in the test's Wine prefix, Quillet started from where it put it,
// and the uninstaller run silently: what each leaves behind, in the files and the registry.

#include <cstdlib>

#include "store/store_paths.h"
#include "tests/e2e/e2e_support.h"
#include "tests/support/script_runner.h"

namespace quillet::testing {
namespace {

constexpr const char* kUninstallKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Quillet";
constexpr const char* kContextMenuEntry = "Software\\Classes\\*\\shell\\QuilletCreateCommand";
constexpr const char* kForeignClear = "C:\\Other Program\\clear.vbs";

class Setup : public E2eTest {
 protected:
  void TearDown() override {
    if (KeyExists(HKEY_LOCAL_MACHINE, kUninstallKey)) Uninstall(" /REMOVECOMMANDS");
    const std::string clear = AppPathsSubkey("clear");
    if (RegistryText(HKEY_LOCAL_MACHINE, clear) == kForeignClear) RegDeleteTreeA(HKEY_LOCAL_MACHINE, clear.c_str());
    SetFirstStartDone(true);
  }
  static void Install() {
    ASSERT_EQ(ChildProcess(QuoteArgument(QUILLET_BUILT_SETUP) + " /S").WaitForExit(60000), 0u);
  }
  // The uninstaller goes on from a copy of itself in the temporary folder, so the process started
  // here ends at once; its last step is deleting the Installed Apps entry.
  void Uninstall(const std::string& options = "") const {
    ASSERT_EQ(ChildProcess(QuoteArgument(File("uninstall.exe")) + " /S" + options).WaitForExit(), 0u);
    ASSERT_TRUE(Eventually([] { return !KeyExists(HKEY_LOCAL_MACHINE, kUninstallKey); }, 60000));
  }
  std::string File(const std::string& file) const { return folder + "\\" + file; }

  const std::string folder = std::string(std::getenv("ProgramFiles")) + "\\Quillet";
  const std::string startMenuShortcut =
      std::string(std::getenv("ProgramData")) + "\\Microsoft\\Windows\\Start Menu\\Programs\\Quillet.lnk";
  const std::string name = NewName("cmd");
};

TEST_F(Setup, InstallsUninstallsAndKeepsTheCommandsUnlessToldOtherwise) {
  Install();
  const std::string files[] = {"quillet.exe",    "quillet.chm",     "uninstall.exe",      "cshortcut.vbs",
                               "cishortcut.vbs", "cishortcutu.vbs", "addcontextmenu.vbs", "removecontextmenu.vbs",
                               "clear.vbs"};
  for (const std::string& file : files) EXPECT_TRUE(FileExists(File(file))) << file;
  EXPECT_EQ(ReadShortcut(startMenuShortcut).value_or(ShortcutFields{}).target, File("quillet.exe"));
  const std::string uninstaller = "\"" + File("uninstall.exe") + "\"";
  const std::pair<const char*, std::string> values[] = {
      {"DisplayName", "Quillet"}, {"UninstallString", uninstaller}, {"QuietUninstallString", uninstaller + " /S"}};
  for (const auto& [value, expected] : values) EXPECT_EQ(RegistryText(HKEY_LOCAL_MACHINE, kUninstallKey, value), expected);

  // A normal start writes the Run-dialog verbs; a start with a name and a path, which is what the
  // Run word "create" does, then makes a command.
  Close(ChildProcess(QuoteArgument(File("quillet.exe"))));
  const ChildProcess create(QuoteArgument(File("quillet.exe")) + " " + name + " C:\\windows\\notepad.exe");
  Answer("Quillet", "Command added...\r\n\r\nName: " + name + "\r\nPath: C:\\windows\\notepad.exe", "OK", create.Id());
  ASSERT_EQ(create.WaitForExit(), 0u);
  ASSERT_TRUE(RunScript(folder, "addcontextmenu.vbs"));
  ASSERT_TRUE(KeyExists(HKEY_CURRENT_USER, kContextMenuEntry));
  SetRegistryText(HKEY_LOCAL_MACHINE, AppPathsSubkey("clear"), nullptr, kForeignClear);  // another copy's verb
  Install();  // an upgrade, which keeps the commands as the uninstaller does

  Uninstall();
  for (const std::string& file : files) EXPECT_FALSE(FileExists(File(file))) << file;
  EXPECT_FALSE(FileExists(startMenuShortcut));
  for (const char* verb : {"create", "remove", "quillet"}) EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, AppPathsSubkey(verb)));
  EXPECT_EQ(RegistryText(HKEY_LOCAL_MACHINE, AppPathsSubkey("clear")), kForeignClear);
  EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kContextMenuEntry));
  EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, "Software\\Quillet"));
  EXPECT_EQ(RegistryText(HKEY_LOCAL_MACHINE, AppPathsSubkey(name)), GeneratedFilePath(folder, name, ".lnk"));
  EXPECT_TRUE(FileExists(GeneratedFilePath(folder, name, ".cfg")));

  // Installed again, the command is Quillet's again; uninstalled with its commands, nothing is left.
  Install();
  Uninstall(" /REMOVECOMMANDS");
  EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, AppPathsSubkey(name)));
  EXPECT_FALSE(FileExists(folder));
}

}  // namespace
}  // namespace quillet::testing
