// What keeps commands working: the question before a shadowed name, Repair Commands, and a list
// of commands carried to another installation through Export and Restore.

#include "store/definition_file.h"
#include "store/launcher_queue.h"
#include "store/store_paths.h"
#include "tests/e2e/e2e_support.h"
#include "ui/main/main_menu.h"

namespace quillet::testing {
namespace {

class HealthE2e : public E2eTest {
 protected:
  // Two commands as their definition files alone: no App Paths entries, no shortcuts.
  HealthE2e() {
    for (int i = 0; i < 2; ++i) WriteFileBytes(Generated(names[i], ".cfg"), Definition(i));
  }
  std::string Definition(int i) const { return DefinitionFileText(names[i], target, parameters[i], modes[i]); }
  Recorded Started(int i) const { return {parameters[i], targetFolder, std::to_string(modes[i])}; }
  // Starts the main window of this installation, or of `elsewhere`, and chooses a menu item.
  std::unique_ptr<ChildProcess> UseMenu(int item, const TempProgramFolder* elsewhere = nullptr) {
    auto quillet = elsewhere ? std::make_unique<ChildProcess>(QuoteArgument(elsewhere->File("quillet.exe"))) : Start();
    PostMessageA(MainWindow(*quillet), WM_COMMAND, item, 0);
    return quillet;
  }

  std::vector<std::string> names{NewName("one"), NewName("two")};
  const std::string parameters[2] = {"\"C:\\My  Files\\a.txt\"  -x   y ; z", "caf\xE9 \"x\" "};
  const int modes[2] = {3, 7};
};

TEST_F(HealthE2e, ANameThatAProgramInSystem32TakesIsAskedAbout) {
  const auto quillet = Start("cmd " + target);
  Answer("Quillet",
         "Windows starts C:\\windows\\system32\\cmd.exe when you type 'cmd', not this command. Save it anyway?", "No",
         quillet->Id());
  EXPECT_EQ(quillet->WaitForExit(), 0u);
  EXPECT_TRUE(!AppPathsEntryExists(HKEY_LOCAL_MACHINE, "cmd.exe") && !FileExists(Generated("cmd", ".cfg")));  // nothing written
}

TEST_F(HealthE2e, RepairBringsBackLostEntriesAndShortcuts) {
  // The first has lost its App Paths entry alone, the second its shortcut too.
  ASSERT_TRUE(WriteShortcut(Generated(names[0], ".lnk"), {target, parameters[0], targetFolder, modes[0]}));
  const auto quillet = UseMenu(kMenuRepair);
  Answer("Quillet", "2 commands were repaired.", "OK", quillet->Id(), 2 * kLongestLauncherWaitMs + kDialogTimeoutMs);
  Close(*quillet);
  ASSERT_TRUE(WaitForFile(Generated(names[1], ".lnk"), 20));
  for (int i = 0; i < 2; ++i) EXPECT_EQ(Run(names[i]), Started(i));
}

TEST_F(HealthE2e, CommandsExportedHereAreRestoredElsewhereExactly) {
  const std::string list = program.File("my commands.txt");
  auto quillet = UseMenu(kMenuExport);
  AnswerFile("Save As", list, "Save", quillet->Id());
  Answer("Quillet", "2 commands were exported to " + list + ".", "OK", quillet->Id());
  Close(*quillet);

  // Another installation, one user's (its commands go under HKEY_CURRENT_USER): moving between
  // the scopes is this export and restore.
  TempProgramFolder elsewhere(TempProgramFolder::Scripts::Copied);
  CopyFileA(program.File("quillet.exe").c_str(), elsewhere.File("quillet.exe").c_str(), FALSE);
  quillet = UseMenu(kMenuRestore, &elsewhere);
  AnswerFile("Open", list, "Open", quillet->Id());
  // The restore waits for each command's launcher script as long as it may.
  Answer("Quillet", "2 commands were restored.", "OK", quillet->Id(), 2 * kLongestLauncherWaitMs + kDialogTimeoutMs);
  Close(*quillet);
  for (int i = 0; i < 2; ++i) {
    EXPECT_EQ(ReadFileBytes(GeneratedFilePath(elsewhere.Path(), names[i], ".cfg")), Definition(i));
    EXPECT_EQ(RegistryText(HKEY_CURRENT_USER, AppPathsSubkey(names[i])), GeneratedFilePath(elsewhere.Path(), names[i], ".lnk"));
    EXPECT_EQ(Run(names[i]), Started(i));
  }
  RemoveRunWordsOf(elsewhere.Path());
}

TEST_F(HealthE2e, ADamagedListIsRefusedWithNothingWritten) {
  const std::string list = program.File("damaged.txt"), name = NewName("late");
  WriteFileBytes(list, "Quillet command list, version 1\r\nCommands: 1\r\n\r\nName: " + name +
                           "\nTarget: C:\\a.txt\r\nParameters:\r\nWindow mode: 1\r\n");
  const auto quillet = UseMenu(kMenuRestore);
  AnswerFile("Open", list, "Open", quillet->Id());
  Answer("Quillet", "The file " + list + " cannot be restored: line 4: a line break (a CR or an LF on its own) "
         "stands inside the line.\r\nNothing of it was restored.", "OK", quillet->Id());
  Close(*quillet);
  EXPECT_FALSE(AppPathsEntryExists(HKEY_LOCAL_MACHINE, name + ".exe"));
  EXPECT_FALSE(FileExists(Generated(name, ".cfg")) || FileExists(Generated(name, ".lnk")));
}

}  // namespace
}  // namespace quillet::testing
