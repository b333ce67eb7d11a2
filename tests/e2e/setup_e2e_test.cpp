// The setup program run silently in the test's Wine prefix, for all users and for the current
// user, Quillet started from where it put it, and the uninstaller run silently: what each leaves
// behind, in the files and the registry.

#include <cstdlib>
#include <filesystem>
#include <map>

#include "store/store_paths.h"
#include "tests/e2e/e2e_support.h"
#include "tests/support/script_runner.h"
#include "tests/tools/control_driver.h"
#include "ui/main/main_layout.h"

namespace quillet::testing {
namespace {

constexpr const char* kUninstallKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Quillet";
constexpr const char* kContextMenuEntry = "Software\\Classes\\*\\shell\\QuilletCreateCommand";
constexpr const char* kForeignClear = "C:\\Other Program\\clear.vbs";

// The key as reg.exe exports it, every subkey and value with its type and data; "-" when missing.
std::string RegistryDump(const std::string& key) {
  const std::string file = std::string(std::getenv("TEMP")) + "\\" + UniqueName("dump") + ".reg";
  const auto exported = ChildProcess("reg export " + QuoteArgument(key) + " " + QuoteArgument(file) + " /y")
                            .WaitForExit(kProcessStartMs);
  EXPECT_TRUE(exported.has_value()) << key;
  const std::string dump = exported == 0u ? ReadFileBytes(file) : "-";
  DeleteFileA(file.c_str());
  return dump;
}

// Every file and folder under the folder but `skipped`, with the size of each file.
std::string FolderDump(const std::string& folder, const std::string& skipped) {
  std::string dump;
  for (auto entry = std::filesystem::recursive_directory_iterator(folder); entry != decltype(entry)(); ++entry) {
    if (entry->path() == skipped) entry.disable_recursion_pending();
    else dump += entry->path().string() + (entry->is_regular_file() ? " " + std::to_string(entry->file_size()) : "") + "\n";
  }
  return dump;
}

// What a per-user install must leave as it was: the computer's keys and its Program Files (but
// the test's own program folder there, whose target records each start).
std::string ComputerDump(const std::string& testFolder) {
  std::string dump = FolderDump(std::getenv("ProgramFiles"), testFolder);
  for (const char* key : {kAppPathsKey, "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall", "Software\\Classes\\*",
                          "Software\\Classes\\Directory"}) {
    dump += RegistryDump(std::string("HKLM\\") + key);
  }
  return dump;
}

class Setup : public E2eTest {
 protected:
  void TearDown() override {
    for (HKEY root : {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER}) {
      if (KeyExists(root, kUninstallKey)) Uninstall(root, " /REMOVECOMMANDS");
    }
    const std::string clear = AppPathsSubkey("clear");
    if (RegistryText(HKEY_LOCAL_MACHINE, clear) == kForeignClear) RegDeleteTreeA(HKEY_LOCAL_MACHINE, clear.c_str());
    SetFirstStartDone(true);
  }
  static void Install(const std::string& options) {
    ASSERT_EQ(ChildProcess(QuoteArgument(QUILLET_BUILT_SETUP) + " /S" + options).WaitForExit(60000), 0u);
  }
  // The uninstaller goes on from a copy of itself in the temporary folder, so the process started
  // here ends at once; its last step is deleting the Installed Apps entry.
  void Uninstall(HKEY scope, const std::string& options = "") const {
    const std::string folder = RegistryText(scope, kUninstallKey, "InstallLocation");
    ASSERT_EQ(ChildProcess(QuoteArgument(folder + "\\uninstall.exe") + " /S" + options).WaitForExit(), 0u);
    ASSERT_TRUE(Eventually([scope] { return !KeyExists(scope, kUninstallKey); }, 60000));
  }
  std::string File(const std::string& file) const { return folder + "\\" + file; }

  const std::string folder = std::string(std::getenv("ProgramFiles")) + "\\Quillet";
  const std::string startMenuShortcut =
      std::string(std::getenv("ProgramData")) + "\\Microsoft\\Windows\\Start Menu\\Programs\\Quillet.lnk";
  const std::string name = NewName("cmd");
};

TEST_F(Setup, ForAllUsersInstallsUninstallsAndKeepsTheCommandsUnlessToldOtherwise) {
  Install(" /ALLUSERS");
  const std::string files[] = {"quillet.exe",    "quillet.chm",     "uninstall.exe",      "cshortcut.vbs",
                               "cishortcut.vbs", "cishortcutu.vbs", "addcontextmenu.vbs", "removecontextmenu.vbs",
                               "clear.vbs",      "notices.txt"};
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
  Install(" /ALLUSERS");  // an upgrade, which keeps the commands as the uninstaller does

  Uninstall(HKEY_LOCAL_MACHINE);
  for (const std::string& file : files) EXPECT_FALSE(FileExists(File(file))) << file;
  EXPECT_FALSE(FileExists(startMenuShortcut));
  for (const char* verb : {"create", "remove", "quillet"}) EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, AppPathsSubkey(verb)));
  EXPECT_EQ(RegistryText(HKEY_LOCAL_MACHINE, AppPathsSubkey("clear")), kForeignClear);
  EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kContextMenuEntry));
  EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, "Software\\Quillet"));
  EXPECT_EQ(RegistryText(HKEY_LOCAL_MACHINE, AppPathsSubkey(name)), GeneratedFilePath(folder, name, ".lnk"));
  EXPECT_TRUE(FileExists(GeneratedFilePath(folder, name, ".cfg")));

  // Installed again, the command is Quillet's again; uninstalled with its commands, nothing is left.
  Install(" /ALLUSERS");
  Uninstall(HKEY_LOCAL_MACHINE, " /REMOVECOMMANDS");
  EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, AppPathsSubkey(name)));
  EXPECT_FALSE(FileExists(folder));
}

TEST_F(Setup, ForTheCurrentUserWritesNothingOfTheComputer) {
  const std::string userFolder = std::string(std::getenv("LOCALAPPDATA")) + "\\Programs\\Quillet";
  const std::string quillet = userFolder + "\\quillet.exe";
  const std::string computer = ComputerDump(program.Path());
  Install("");
  EXPECT_EQ(RegistryText(HKEY_CURRENT_USER, kUninstallKey, "UninstallString"), "\"" + userFolder + "\\uninstall.exe\"");
  EXPECT_EQ(ReadShortcut(std::string(std::getenv("APPDATA")) + "\\Microsoft\\Windows\\Start Menu\\Programs\\Quillet.lnk")
                .value_or(ShortcutFields{})
                .target,
            quillet);

  // The Run words and a command go under the user's App Paths, and the Run dialog finds the command.
  const std::string machineTool = NewName("machine"), userTool = NewName("mine");
  AddAppPathsEntry(HKEY_LOCAL_MACHINE, machineTool + ".exe", "C:\\Tools\\machine.exe");
  AddAppPathsEntry(HKEY_CURRENT_USER, userTool + ".exe", "C:\\Tools\\mine.exe");
  const ChildProcess started(QuoteArgument(quillet));
  const HWND window = MainWindow(started);
  for (const char* word : {"create", "remove", "clear", "quillet"}) {
    EXPECT_TRUE(Eventually([&] { return KeyExists(HKEY_CURRENT_USER, AppPathsSubkey(word)); })) << word;
  }
  // Other programs' entries of both scopes are system commands. The click is repeated: one that
  // comes while the window is still filling its lists can be undone by its own first selection.
  const auto listed = [&](const std::string& entry) {
    for (const auto& row : tools::ReadListViewRows(GetDlgItem(window, kSystemListId), 1)) {
      if (row[0] == entry) return true;
    }
    return false;
  };
  EXPECT_TRUE(Eventually([&] {
    return tools::ClickListViewRow(GetDlgItem(window, kCategoryPaneId), 1) && listed(machineTool) && listed(userTool);
  }));
  Close(started);
  const ChildProcess create(QuoteArgument(quillet) + " " + name + " " + QuoteArgument(target));
  Answer("Quillet", "Command added...\r\n\r\nName: " + name + "\r\nPath: " + target, "OK", create.Id());
  ASSERT_EQ(create.WaitForExit(), 0u);
  EXPECT_EQ(RegistryText(HKEY_CURRENT_USER, AppPathsSubkey(name)), GeneratedFilePath(userFolder, name, ".lnk"));
  ASSERT_TRUE(WaitForFile(GeneratedFilePath(userFolder, name, ".lnk"), 20));  // the script writes it after the message
  EXPECT_EQ(Run(name), (Recorded{"", targetFolder, "1"}));
  RegDeleteTreeA(HKEY_LOCAL_MACHINE, AppPathsSubkey(machineTool).c_str());  // the test's own, not the setup's
  EXPECT_EQ(ComputerDump(program.Path()), computer);

  Uninstall(HKEY_CURRENT_USER, " /REMOVECOMMANDS");
  for (const char* word : {"create", "remove", "clear", "quillet"}) EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, AppPathsSubkey(word)));
  EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, AppPathsSubkey(name)));
  EXPECT_FALSE(FileExists(userFolder));
  EXPECT_EQ(ComputerDump(program.Path()), computer);
}

}  // namespace
}  // namespace quillet::testing
