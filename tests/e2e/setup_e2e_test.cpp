// The setup program run silently in the test's Wine prefix, Quillet started from where it put it,
// and the uninstaller run silently: what each leaves behind, in the files and the registry.

#include "store/store_paths.h"
#include "tests/e2e/e2e_support.h"
#include "tests/support/script_runner.h"

namespace quillet::testing {
namespace {

constexpr const char* kUninstallKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Quillet";
constexpr const char* kContextMenuEntry = "Software\\Classes\\*\\shell\\QuilletCreateCommand";
constexpr const char* kForeignClear = "C:\\Other Program\\clear.vbs";

std::string Environment(const char* name) {
  char value[MAX_PATH] = {};
  GetEnvironmentVariableA(name, value, MAX_PATH);
  return value;
}

DWORD RegistryNumber(const char* valueName) {
  DWORD value = 0;
  DWORD size = sizeof value;
  RegGetValueA(HKEY_LOCAL_MACHINE, kUninstallKey, valueName, RRF_RT_REG_DWORD, nullptr, &value, &size);
  return value;
}

class Setup : public ::testing::Test {
 protected:
  void TearDown() override {
    if (KeyExists(HKEY_LOCAL_MACHINE, kUninstallKey)) Uninstall(" /REMOVECOMMANDS");
    if (RegistryText(HKEY_LOCAL_MACHINE, AppPathsSubkey("clear")) == kForeignClear) {
      DeleteKeyTree(HKEY_LOCAL_MACHINE, AppPathsSubkey("clear"));
    }
    SetFirstStartDone(true);
  }
  static void Install() {
    const ChildProcess setup(QuoteArgument(QUILLET_BUILT_SETUP) + " /S");
    ASSERT_EQ(setup.WaitForExit(60000), 0u);
  }
  // The uninstaller goes on from a copy of itself in the temporary folder, so the process started
  // here ends at once; its last step is deleting the Installed Apps entry.
  void Uninstall(const std::string& options = "") const {
    const ChildProcess uninstall(QuoteArgument(File("uninstall.exe")) + " /S" + options);
    ASSERT_EQ(uninstall.WaitForExit(), 0u);
    ASSERT_TRUE(Eventually([] { return !KeyExists(HKEY_LOCAL_MACHINE, kUninstallKey); }, 60000));
  }
  // A normal start writes the Run-dialog verbs; a start with a name and a path, which is what the
  // Run word "create" does, then makes a command.
  void StartAndCreateACommand() const {
    SetFirstStartDone(true);
    const ChildProcess normal(QuoteArgument(File("quillet.exe")));
    ASSERT_TRUE(Eventually([] { return FindWindowA("QuilletMainWindow", nullptr) != nullptr; }));
    PostMessageA(FindWindowA("QuilletMainWindow", nullptr), WM_CLOSE, 0, 0);
    ASSERT_EQ(normal.WaitForExit(), 0u);
    const ChildProcess create(QuoteArgument(File("quillet.exe")) + " " + name + " C:\\windows\\notepad.exe");
    const auto added = tools::WaitForDialog("Quillet", 20000, create.Id());
    ASSERT_TRUE(added && tools::PressButton(added->window, "OK"));
    ASSERT_EQ(create.WaitForExit(), 0u);
    ASSERT_EQ(RegistryText(HKEY_LOCAL_MACHINE, AppPathsSubkey(name)), GeneratedFilePath(folder, name, ".lnk"));
  }
  std::string File(const std::string& file) const { return folder + "\\" + file; }

  const std::string folder = Environment("ProgramFiles") + "\\Quillet";
  const std::string startMenuShortcut =
      Environment("ProgramData") + "\\Microsoft\\Windows\\Start Menu\\Programs\\Quillet.lnk";
  const std::string name = UniqueName("cmd");
};

TEST_F(Setup, InstallsUninstallsAndKeepsTheCommandsUnlessToldOtherwise) {
  Install();
  const std::string files[] = {"quillet.exe",    "quillet.chm",     "uninstall.exe",      "cshortcut.vbs",
                               "cishortcut.vbs", "cishortcutu.vbs", "addcontextmenu.vbs", "removecontextmenu.vbs",
                               "clear.vbs"};
  for (const std::string& file : files) EXPECT_TRUE(FileExists(File(file))) << file;
  EXPECT_EQ(ReadShortcut(startMenuShortcut).value_or(ShortcutFields{}).target, File("quillet.exe"));
  const std::pair<const char*, std::string> values[] = {
      {"DisplayName", "Quillet"}, {"DisplayVersion", "2.0"}, {"Publisher", "The Quillet maintainers"},
      {"DisplayIcon", File("quillet.exe")}, {"InstallLocation", folder},
      {"UninstallString", "\"" + File("uninstall.exe") + "\""},
      {"QuietUninstallString", "\"" + File("uninstall.exe") + "\" /S"},
  };
  for (const auto& [value, expected] : values) EXPECT_EQ(RegistryText(HKEY_LOCAL_MACHINE, kUninstallKey, value), expected);
  EXPECT_GT(RegistryNumber("EstimatedSize"), 500u);  // KB: quillet.exe alone is more
  EXPECT_EQ(RegistryNumber("NoModify"), 1u);
  EXPECT_EQ(RegistryNumber("NoRepair"), 1u);

  StartAndCreateACommand();
  ASSERT_TRUE(RunScript(folder, "addcontextmenu.vbs"));
  ASSERT_TRUE(KeyExists(HKEY_CURRENT_USER, kContextMenuEntry));
  SetRegistryText(HKEY_LOCAL_MACHINE, AppPathsSubkey("clear"), nullptr, kForeignClear);  // another copy's verb
  Install();                                                                            // an upgrade keeps the commands
  ASSERT_TRUE(FileExists(GeneratedFilePath(folder, name, ".cfg")));

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
