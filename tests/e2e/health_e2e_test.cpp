// What keeps commands working: the question before a shadowed name, Repair Commands, and a list
// of commands carried to another installation through Export and Restore.

#include "store/definition_file.h"
#include "store/store_paths.h"
#include "tests/e2e/e2e_support.h"
#include "ui/main/main_menu.h"

namespace quillet::testing {
namespace {

class HealthE2e : public E2eTest {
 protected:
  // Starts the main window of the installation in `folder` and chooses a menu item.
  std::unique_ptr<ChildProcess> UseMenu(int item, const TempProgramFolder* elsewhere = nullptr) {
    auto quillet = elsewhere ? std::make_unique<ChildProcess>(QuoteArgument(elsewhere->File("quillet.exe"))) : Start();
    PostMessageA(MainWindow(*quillet), WM_COMMAND, item, 0);
    return quillet;
  }
  std::vector<std::string> names{NewName("one"), NewName("two")};
};

TEST_F(HealthE2e, ANameThatAProgramInSystem32TakesIsAskedAbout) {
  const auto quillet = Start("cmd " + target);
  Answer("Quillet", "Windows starts C:\\windows\\system32\\cmd.exe when you type 'cmd', not this command. Save it anyway?",
         "No", quillet->Id());
  EXPECT_EQ(quillet->WaitForExit(), 0u);
  EXPECT_EQ(AppPaths("cmd"), "");
  EXPECT_FALSE(FileExists(Generated("cmd", ".cfg")));
}

TEST_F(HealthE2e, RepairBringsBackLostEntriesAndShortcuts) {
  for (const std::string& name : names) {
    const auto quillet = Start(name + " " + target);
    Answer("Quillet", "Command added...\r\n\r\nName: " + name + "\r\nPath: " + target, "OK", quillet->Id());
    ASSERT_TRUE(WaitForFile(Generated(name, ".lnk"), 20));
    RegDeleteKeyA(HKEY_LOCAL_MACHINE, AppPathsSubkey(name).c_str());
  }
  DeleteFileA(Generated(names[1], ".lnk").c_str());
  const auto quillet = UseMenu(kMenuRepair);
  Answer("Quillet", "2 commands were repaired.", "OK", quillet->Id());
  Close(*quillet);
  ASSERT_TRUE(WaitForFile(Generated(names[1], ".lnk"), 20));
  for (const std::string& name : names) EXPECT_EQ(Run(name).folder, targetFolder);
}

TEST_F(HealthE2e, CommandsExportedHereAreRestoredElsewhereExactly) {
  const std::string parameters[] = {"\"C:\\My  Files\\a.txt\"  -x   y ; z", "caf\xE9 \"x\" "};
  const int modes[] = {3, 7};
  for (int i = 0; i < 2; ++i) {
    WriteFileBytes(Generated(names[i], ".cfg"), DefinitionFileText(names[i], target, parameters[i], modes[i]));
  }
  const std::string list = program.File("my commands.txt");
  auto quillet = UseMenu(kMenuExport);
  AnswerFile("Save As", list, "Save", quillet->Id());
  Answer("Quillet", "2 commands were exported to " + list + ".", "OK", quillet->Id());
  Close(*quillet);

  // Another installation, on which nothing of the first is left in App Paths.
  TempProgramFolder elsewhere(TempProgramFolder::Scripts::Copied);
  CopyFileA(program.File("quillet.exe").c_str(), elsewhere.File("quillet.exe").c_str(), FALSE);
  quillet = UseMenu(kMenuRestore, &elsewhere);
  AnswerFile("Open", list, "Open", quillet->Id());
  Answer("Quillet", "2 commands were restored.", "OK", quillet->Id());
  Close(*quillet);
  for (int i = 0; i < 2; ++i) {
    EXPECT_EQ(ReadFileBytes(GeneratedFilePath(elsewhere.Path(), names[i], ".cfg")),
              DefinitionFileText(names[i], target, parameters[i], modes[i]));
    const Recorded started = Run(names[i]);
    EXPECT_EQ(started.arguments, parameters[i]);
    EXPECT_EQ(started.showCommand, std::to_string(modes[i]));
  }
}

}  // namespace
}  // namespace quillet::testing
