// What keeps commands working: the question before a shadowed name, Repair Commands, and a list
// of commands carried to another installation through Export and Restore.

#include <gtest/gtest.h>

#include "store/definition_file.h"
#include "store/store_paths.h"
#include "tests/e2e/e2e_support.h"
#include "ui/main/main_menu.h"

namespace quillet::testing {
namespace {

using tools::MessageIcon;

class HealthE2e : public ::testing::Test {
 protected:
  void SetUp() override { SetFirstStartDone(true); }
  void TearDown() override {
    for (const std::string& name : names) RegDeleteKeyA(HKEY_LOCAL_MACHINE, AppPathsSubkey(name).c_str());
  }

  // Makes a command with the create verb, as typed into the Run dialog.
  void Create(const InstalledProgram& installed, const std::string& name) {
    const auto quillet = installed.Start(name + " " + target.exe);
    AnswerDialog(quillet->Id(), "Quillet", "Command added...\r\n\r\nName: " + name + "\r\nPath: " + target.exe,
                 MessageIcon::None, "OK");
    EXPECT_EQ(quillet->WaitForExit(), 0u);
    EXPECT_TRUE(WaitForFile(installed.Generated(name, ".lnk"), 20));
  }
  // Starts the main window of an installation, chooses a menu item and answers the file dialog.
  std::unique_ptr<ChildProcess> UseMenu(const InstalledProgram& installed, int item) {
    auto quillet = installed.Start("");
    const HWND window = WaitForMainWindow(quillet->Id());
    EXPECT_NE(window, nullptr);
    PostMessageA(window, WM_COMMAND, item, 0);
    return quillet;
  }
  void Close(const ChildProcess& quillet) {
    PostMessageA(WaitForMainWindow(quillet.Id()), WM_CLOSE, 0, 0);
    EXPECT_EQ(quillet.WaitForExit(), 0u);
  }
  Recorded Start(const std::string& name) {
    DeleteFileA(target.recording.c_str());
    EXPECT_EQ(RunDialog(name), 0) << name;
    EXPECT_TRUE(WaitForFile(target.recording, 20)) << name;
    return ReadRecording(target.recording);
  }

  InstalledProgram program;
  RecordingTarget target{program};
  std::vector<std::string> names{UniqueName("one"), UniqueName("two")};
};

TEST_F(HealthE2e, ANameThatAProgramInSystem32TakesIsAskedAbout) {
  const auto quillet = program.Start("cmd " + target.exe);
  AnswerDialog(quillet->Id(), "Quillet",
               "Windows starts C:\\windows\\system32\\cmd.exe when you type 'cmd', not this command. Save it anyway?",
               MessageIcon::Exclamation, "No");
  EXPECT_EQ(quillet->WaitForExit(), 0u);
  EXPECT_EQ(RegistryText(HKEY_LOCAL_MACHINE, AppPathsSubkey("cmd"), nullptr), "");
  EXPECT_FALSE(FileExists(program.Generated("cmd", ".cfg")));
}

TEST_F(HealthE2e, RepairBringsBackLostEntriesAndShortcuts) {
  for (const std::string& name : names) Create(program, name);
  for (const std::string& name : names) RegDeleteKeyA(HKEY_LOCAL_MACHINE, AppPathsSubkey(name).c_str());
  DeleteFileA(program.Generated(names[1], ".lnk").c_str());
  EXPECT_EQ(RunDialog(names[0]), 2);

  const auto quillet = UseMenu(program, kMenuRepair);
  AnswerDialog(quillet->Id(), "Quillet", "2 commands were repaired.", MessageIcon::Information, "OK");
  Close(*quillet);
  ASSERT_TRUE(WaitForFile(program.Generated(names[1], ".lnk"), 20));
  for (const std::string& name : names) EXPECT_EQ(Start(name).folder, target.folder);
}

TEST_F(HealthE2e, CommandsExportedHereAreRestoredElsewhereExactly) {
  const std::string parameters[] = {"\"C:\\My  Files\\a.txt\"  -x   y ; z", "caf\xE9 \"x\" "};
  const int modes[] = {3, 7};
  for (int i = 0; i < 2; ++i) {
    WriteFileBytes(program.Generated(names[i], ".cfg"), DefinitionFileText(names[i], target.exe, parameters[i], modes[i]));
  }
  const std::string list = program.File("my commands.txt");
  auto quillet = UseMenu(program, kMenuExport);
  ASSERT_TRUE(AnswerFileDialog(quillet->Id(), "Save As", list, "Save"));
  AnswerDialog(quillet->Id(), "Quillet", "2 commands were exported to " + list + ".", MessageIcon::Information, "OK");
  Close(*quillet);

  // Another installation, on which nothing of the first is left in App Paths.
  InstalledProgram elsewhere;
  quillet = UseMenu(elsewhere, kMenuRestore);
  ASSERT_TRUE(AnswerFileDialog(quillet->Id(), "Open", list, "Open"));
  AnswerDialog(quillet->Id(), "Quillet", "2 commands were restored.", MessageIcon::Information, "OK");
  Close(*quillet);
  for (int i = 0; i < 2; ++i) {
    EXPECT_EQ(ReadFileBytes(elsewhere.Generated(names[i], ".cfg")),
              DefinitionFileText(names[i], target.exe, parameters[i], modes[i]));
    EXPECT_EQ(RegistryText(HKEY_LOCAL_MACHINE, AppPathsSubkey(names[i]), nullptr), elsewhere.Generated(names[i], ".lnk"));
    const Recorded started = Start(names[i]);
    EXPECT_EQ(started.arguments, parameters[i]);
    EXPECT_EQ(started.showCommand, std::to_string(modes[i]));
  }
}

}  // namespace
}  // namespace quillet::testing
