#include "ui/main/startup.h"

#include <gtest/gtest.h>

#include "store/command_name.h"
#include "store/definition_file.h"
#include "store/store_paths.h"
#include "tests/support/recording_prompt.h"
#include "tests/support/registry_sandbox.h"
#include "tests/support/temp_program_folder.h"

namespace quillet {
namespace {

using testing::AppPathsEntryExists;
using testing::FileExists;

class Startup : public ::testing::Test {
 protected:
  Startup() {
    // Every test starts as a user who has already answered the first-start question.
    RunStartup(store, firstRunPrompt, "?", settings);
  }
  ~Startup() override { RegDeleteTreeA(HKEY_CURRENT_USER, userKey.c_str()); }

  StartOutcome Run(const std::string& arguments) { return RunStartup(store, prompt, arguments, settings); }
  std::string Cfg(const std::string& name) const { return GeneratedFilePath(program.Path(), name, ".cfg"); }
  std::string Lnk(const std::string& name) const { return GeneratedFilePath(program.Path(), name, ".lnk"); }

  testing::LocalMachineSandbox hklm;
  testing::TempProgramFolder program{testing::TempProgramFolder::Scripts::Copied, false};
  testing::RecordingPrompt prompt;
  testing::RecordingPrompt firstRunPrompt;
  StoreContext store{program.Path(), nullptr, prompt};
  std::string userKey = "Software\\QuilletTest\\" + testing::UniqueName("user");
  StartupSettings settings{userKey.c_str()};
};

TEST_F(Startup, NoArgumentsIsANormalStartAndMakesTheCmdsFolder) {
  EXPECT_EQ(Run(""), StartOutcome::NormalStart);
  EXPECT_TRUE(prompt.Records().empty());
  EXPECT_TRUE(GetFileAttributesA(program.Cmds().c_str()) & FILE_ATTRIBUTE_DIRECTORY);
}

TEST_F(Startup, AFileNamedCmdsIsLeftAloneAndNoFolderIsMade) {
  testing::TempProgramFolder bare(testing::TempProgramFolder::Scripts::None, false);
  testing::WriteFileBytes(bare.Cmds(), "not a folder");
  CreateCmdsFolder(bare.Path());
  EXPECT_EQ(testing::ReadFileBytes(bare.Cmds()), "not a folder");
}

TEST_F(Startup, FirstStartAsksOnceWhateverTheAnswer) {
  testing::RecordingPrompt first;
  const std::string key = userKey + "\\fresh";
  const StartupSettings fresh{key.c_str()};
  first.AnswerButtons({IDNO});
  RunStartup(store, first, "?", fresh);
  ASSERT_EQ(first.Records().size(), 2u);
  EXPECT_EQ(first.Records()[0].title, "Quillet (First Run)");
  EXPECT_EQ(first.Records()[0].flags, 4u);
  EXPECT_EQ(first.Records()[0].text,
            "Do you want to add a Quillet context menu for common files and folders? This will make it possible "
            "to create commands by right-clicking files/folders in explorer. You can alter this feature later "
            "under 'Settings' in the main window.");
  EXPECT_EQ(first.Records()[1].title, "Quillet - Help");  // the verb is carried out afterwards

  testing::RecordingPrompt second;
  RunStartup(store, second, "?", fresh);
  EXPECT_EQ(second.Records().size(), 1u);
}

TEST_F(Startup, QuestionMarkShowsTheSyntaxHelpAndEnds) {
  EXPECT_EQ(Run("?"), StartOutcome::EndProgram);
  ASSERT_EQ(prompt.Records().size(), 1u);
  EXPECT_EQ(prompt.Records()[0].text,
            "Creating a command. Syntax: create <name> <path>\r\nRemoving a command. Syntax: remove <name>");
  EXPECT_EQ(prompt.Records()[0].title, "Quillet - Help");
  EXPECT_EQ(prompt.Records()[0].flags, 0u);
}

TEST_F(Startup, OneWordRemovesAUserCommandAndSaysSo) {
  Run("notes C:\\notes.txt");
  ASSERT_TRUE(FileExists(Cfg("notes")));
  EXPECT_EQ(Run("notes"), StartOutcome::EndProgram);
  EXPECT_FALSE(AppPathsEntryExists("notes.exe"));
  EXPECT_FALSE(FileExists(Cfg("notes")));
  EXPECT_EQ(prompt.Records().back().text, "The command: ' notes ' was removed.");
  EXPECT_EQ(prompt.Records().back().flags, 0u);
}

TEST_F(Startup, NameAndPathCreateTheCommandKeepingTheNamesCase) {
  EXPECT_EQ(Run("Notes   C:\\Tools  "), StartOutcome::EndProgram);
  ASSERT_EQ(prompt.Records().size(), 1u);
  EXPECT_EQ(prompt.Records()[0].text, "Command added...\r\n\r\nName: Notes\r\nPath: C:\\Tools\\");
  EXPECT_EQ(prompt.Records()[0].title, "Quillet");
  EXPECT_EQ(prompt.Records()[0].flags, 0u);
  EXPECT_TRUE(AppPathsEntryExists("Notes.exe"));
  EXPECT_EQ(testing::ReadFileBytes(Cfg("Notes")), DefinitionFileText("Notes", "C:\\Tools\\", "", 1));
  EXPECT_TRUE(testing::WaitForFile(Lnk("Notes"), 20));
}

TEST_F(Startup, UnsafeNamesAreRefusedBeforeAnythingIsWritten) {
  const std::string outside = program.File("victim.cfg");
  testing::WriteFileBytes(outside, "keep");
  for (const char* arguments : {"a\\..\\..\\victim", "a\\..\\..\\victim C:\\x.txt", "..  C:\\x.txt", "x|y C:\\a"}) {
    testing::RecordingPrompt refused;
    EXPECT_EQ(RunStartup(store, refused, arguments, settings), StartOutcome::EndProgram) << arguments;
    ASSERT_EQ(refused.Records().size(), 1u) << arguments;
    EXPECT_EQ(refused.Records()[0].flags, 48u);
    EXPECT_NE(refused.Records()[0].text.find("cannot be used"), std::string::npos);
  }
  EXPECT_EQ(testing::ReadFileBytes(outside), "keep");
  EXPECT_FALSE(FileExists(program.File("victim.lnk")));
}

TEST_F(Startup, WithoutTheScriptNothingIsWrittenAndTheMainWindowComesUpEmpty) {
  DeleteFileA(program.File("cshortcut.vbs").c_str());
  EXPECT_EQ(Run("notes C:\\notes.txt"), StartOutcome::EmptyMainWindow);
  ASSERT_EQ(prompt.Records().size(), 2u);
  EXPECT_EQ(prompt.Records()[0].title, "Error");
  EXPECT_EQ(prompt.Records()[1].text, "CreateShortcutLNKFile=false");
  EXPECT_EQ(prompt.Records()[1].title, "Quillet");
  EXPECT_FALSE(AppPathsEntryExists("notes.exe"));
  EXPECT_FALSE(FileExists(Cfg("notes")));
}

TEST_F(Startup, ExplorerPathAsksUntilANameWithoutBlanksOrCancel) {
  prompt.AnswerInputs({"  my big cmd ", ""});
  EXPECT_EQ(Run("C:\\My Files\\a.txt"), StartOutcome::EndProgram);
  const auto& records = prompt.Records();
  ASSERT_EQ(records.size(), 4u);
  EXPECT_TRUE(records[0].isInputBox);
  EXPECT_EQ(records[0].text, "Enter command name for the selected file/folder:");
  EXPECT_EQ(records[0].title, "Quillet");
  EXPECT_EQ(records[0].defaultText, "mycommand");
  for (int i : {1, 2}) {
    EXPECT_EQ(records[i].text, "No spaces allowed!");
    EXPECT_EQ(records[i].flags, 64u);
  }
  EXPECT_TRUE(records[3].isInputBox);
  EXPECT_EQ(records[3].defaultText, "mycommand");
  EXPECT_FALSE(FileExists(Cfg("my")));
}

TEST_F(Startup, ExplorerPathAsksAgainAfterARefusedNameAndKeepsThePathWhole) {
  prompt.AnswerInputs({"a/b", "Clear", " docs "});
  EXPECT_EQ(Run("C:\\My Files "), StartOutcome::EndProgram);
  ASSERT_EQ(prompt.Records().size(), 6u);
  EXPECT_EQ(prompt.Records()[1].flags, 48u);  // "a/b" refused, asked again
  EXPECT_EQ(prompt.Records()[3].text, OwnRunWordMessage("Clear"));
  EXPECT_EQ(prompt.Records()[5].text, "Command added...\r\n\r\nName: docs\r\nPath: C:\\My Files \\");
  EXPECT_EQ(testing::ReadFileBytes(Cfg("docs")), DefinitionFileText("docs", "C:\\My Files \\", "", 1));
}

}  // namespace
}  // namespace quillet
