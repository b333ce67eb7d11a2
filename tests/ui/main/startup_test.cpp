#include "ui/main/startup.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <tuple>

#include "store/command_name.h"
#include "store/definition_file.h"
#include "tests/support/recording_prompt.h"
#include "tests/support/test_store.h"

namespace quillet {
namespace {

using testing::RecordingPrompt;
using Strings = std::vector<std::string>;

// Answers the elevation prompt as it was told to, and notes that it was asked.
struct FakeElevation : Elevation {
  bool IsElevated() const override { return false; }
  Restart RestartElevated(const std::string& arguments) const override {
    asked.push_back(arguments);
    return accept ? Restart::Started : Restart::Declined;
  }
  bool accept = false;
  mutable Strings asked;
};

class Startup : public ::testing::Test {
 protected:
  StartOutcome Run(RecordingPrompt& prompt, const std::string& arguments, const StoreContext& store) {
    return RunStartup(store, prompt, arguments, StartupSettings{userKey.c_str(), elevation});
  }
  ~Startup() override { RegDeleteTreeA(HKEY_CURRENT_USER, userKey.c_str()); }

  testing::TestStore test;
  const std::string userKey = "Software\\QuilletTest\\" + testing::UniqueName("user");
  FakeElevation elevation;
};

TEST_F(Startup, EachArgumentTextShowsItsMessagesInOrderAndAsksBeforeItReplacesAnything) {
  testing::DeleteTree(test.program.Cmds());
  testing::AddAppPathsEntry(test.Root(), "othertool.exe", "C:\\Other\\tool.exe");
  const auto refused = [](NameRefusal refusal, const std::string& name) {
    return NameRefusalMessage(refusal, name) + "|Quillet|48";
  };
  const std::string firstStart =
      "Do you want to add a Quillet context menu for common files and folders? This will make it possible to create "
      "commands by right-clicking files/folders in explorer. You can alter this feature later under 'Settings' in "
      "the main window.|Quillet (First Run)|4";
  const std::string help =
      "Creating a command. Syntax: create <name> <path>\r\nRemoving a command. Syntax: remove <name>|Quillet - Help|0";
  const std::string ask = "Enter command name for the selected file/folder:|Quillet|0";
  const std::string noSpaces = "No spaces allowed!|Quillet|64";
  const auto added = [](const std::string& name, const std::string& path) {
    return "Command added...\r\n\r\nName: " + name + "\r\nPath: " + path + "|Quillet|0";
  };
  const std::string removeOther = "This is a system command, added by other applications than Quillet!\r\nAre you "
                                  "sure you want to delete the command: othertool?|Confirm removal|52";
  // Each case: the argument text, the names typed in turn, the buttons pressed, the messages shown.
  // The normal start, the clear word, and a command made and removed are the end-to-end tests';
  // which questions a name brings, and in which order, command_input_test's.
  const std::tuple<std::string, Strings, std::vector<int>, Strings> cases[] = {
      {"?", {}, {}, {firstStart, help}},  // answered No: asked once all the same
      {"?", {}, {}, {help}},
      {"notes   C:\\Tools  ", {}, {}, {added("notes", "C:\\Tools\\")}},
      // Another program's entry is removed only after a Yes; a command replaced, end to end.
      {"othertool", {}, {IDNO}, {removeOther}},
      {"nosuchcmd", {}, {},
       {"There is no command named 'nosuchcmd', so nothing was removed.\r\nOne word after create, remove or quillet "
        "removes the command of that name; quillet ? shows the syntax.|Quillet|48"}},
      {"CLEAR", {}, {}, {refused(NameRefusal::OwnRunWord, "CLEAR")}},
      {"create C:\\x.txt", {}, {}, {refused(NameRefusal::OwnRunWord, "create")}},
      // The Explorer entry asks until a usable name or Cancel, and keeps the path whole.
      {"C:\\My Files\\a.txt", {"  my cmd ", ""}, {}, {ask, noSpaces, ask}},
      {"C:\\My Files ", {"a/b", "Quillet", " docs "}, {},
       {ask, refused(NameRefusal::Unsafe, "a/b"), ask, refused(NameRefusal::OwnRunWord, "Quillet"), ask,
        added("docs", "C:\\My Files \\")}},
  };
  for (const auto& [arguments, inputs, buttons, shown] : cases) {
    RecordingPrompt prompt;
    for (const std::string& input : inputs) prompt.AnswerInputs({input});
    for (int button : buttons) prompt.AnswerButtons({button});
    EXPECT_EQ(Run(prompt, arguments, test.store), StartOutcome::EndProgram) << arguments;
    EXPECT_EQ(prompt.Summaries(), shown) << arguments;
  }
  EXPECT_TRUE(std::filesystem::is_directory(test.program.Cmds()));
  EXPECT_EQ(testing::ReadFileBytes(test.Cfg("notes")), DefinitionFileText("notes", "C:\\Tools\\", "", 1));
  EXPECT_EQ(testing::RegistryText(test.Root(), AppPathsSubkey("othertool")), "C:\\Other\\tool.exe");
  EXPECT_TRUE(elevation.asked.empty());  // the store can be written
}

TEST_F(Startup, ACopyOfAllUsersAsksForRightsAndACommandThatCannotBeMadeOpensTheMainWindow) {
  // Without the rights to write its key, a copy of all users starts itself again elevated, once;
  // a No to the prompt ends it with a message and nothing written. A copy of one user never asks.
  testing::RegistrySandbox noRights;
  noRights.MakeUnwritable(StoreScope::MachineWide);
  for (const StoreScope scope : {StoreScope::MachineWide, StoreScope::PerUser}) {
    for (const bool accept : {true, false}) {
      elevation.accept = accept;
      RecordingPrompt asked;
      const StoreContext store(test.program.Path(), testing::kNativeWriter, scope, noRights.Roots());
      Run(asked, "notes C:\\n.txt", store);
      if (scope == StoreScope::MachineWide) {
        EXPECT_EQ(asked.Summaries().size(), accept ? 0u : 1u);
        EXPECT_FALSE(testing::FileExists(test.Cfg("notes")) || testing::KeyExists(HKEY_CURRENT_USER, userKey));
      }
    }
  }
  EXPECT_EQ(elevation.asked, (Strings{"notes C:\\n.txt", "notes C:\\n.txt"}));

  testing::TestStore scripted(testing::kScriptWriter);
  DeleteFileA(scripted.program.File("cshortcut.vbs").c_str());
  RecordingPrompt prompt;
  EXPECT_EQ(Run(prompt, "fresh C:\\notes.txt", scripted.store), StartOutcome::NormalStart);
  EXPECT_EQ(prompt.Summaries(), (Strings{"Couldn\xB4t find the file 'cshortcut.vbs', please reinstall the program!|Error|64",
                                         "CreateShortcutLNKFile=false|Quillet|0"}));
  EXPECT_FALSE(scripted.HasEntry("fresh") || testing::FileExists(scripted.Cfg("fresh")));
}

}  // namespace
}  // namespace quillet
