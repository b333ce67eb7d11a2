#include "ui/main/startup.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <tuple>

#include "store/command_name.h"
#include "store/store_paths.h"
#include "tests/support/recording_prompt.h"
#include "tests/support/registry_sandbox.h"
#include "tests/support/temp_program_folder.h"

namespace quillet {
namespace {

using testing::RecordingPrompt;
using Strings = std::vector<std::string>;

TEST(Startup, EachArgumentTextShowsItsMessagesInOrderAndWithoutTheScriptTheMainWindowComesUpEmpty) {
  testing::LocalMachineSandbox hklm;
  testing::TempProgramFolder program{testing::TempProgramFolder::Scripts::Copied, false};
  const std::string userKey = "Software\\QuilletTest\\" + testing::UniqueName("user");
  // Each start has a prompt of its own, which is also the store's notifier.
  const auto Run = [&](RecordingPrompt& prompt, const std::string& arguments) {
    return RunStartup({program.Path(), nullptr, prompt}, prompt, arguments, StartupSettings{userKey.c_str()});
  };
  testing::AddAppPathsEntry("othertool.exe", "C:\\Other\\tool.exe");
  const auto own = [](const std::string& word) {
    return "The command name '" + word + "' cannot be used.\r\ncreate, remove, clear and quillet are Quillet's own "
           "Run words: they cannot be made into commands or removed.|Quillet|48";
  };
  const auto unsafe = [](const std::string& name) { return UnsafeNameMessage(name) + "|Quillet|48"; };
  const std::string firstStart =
      "Do you want to add a Quillet context menu for common files and folders? This will make it possible to create "
      "commands by right-clicking files/folders in explorer. You can alter this feature later under 'Settings' in "
      "the main window.|Quillet (First Run)|4";
  const std::string help =
      "Creating a command. Syntax: create <name> <path>\r\nRemoving a command. Syntax: remove <name>|Quillet - Help|0";
  const std::string ask = "Enter command name for the selected file/folder:|Quillet|0";
  const std::string noSpaces = "No spaces allowed!|Quillet|64";
  const std::string otherQuestion = "This is a system command, added by other applications than Quillet!\r\nAre you "
                                    "sure you want to delete the command: othertool?|Confirm removal|52";
  // Each case: the argument text, the names typed in turn, the buttons pressed, the messages shown.
  const std::tuple<std::string, Strings, std::vector<int>, Strings> cases[] = {
      {"?", {}, {}, {firstStart, help}},  // answered No: asked once all the same
      {"?", {}, {}, {help}},
      {"", {}, {}, {}},
      {"Notes   C:\\Tools  ", {}, {}, {"Command added...\r\n\r\nName: Notes\r\nPath: C:\\Tools\\|Quillet|0"}},
      {"nosuchcmd", {}, {},
       {"There is no command named 'nosuchcmd', so nothing was removed.\r\nOne word after create, remove or quillet "
        "removes the command of that name; quillet ? shows the syntax.|Quillet|48"}},
      // Another program's entry goes only when the user says so.
      {"othertool", {}, {IDNO}, {otherQuestion}},
      {"othertool", {}, {IDYES}, {otherQuestion, "The command: ' othertool ' was removed.|Quillet|0"}},
      {"CLEAR", {}, {}, {own("CLEAR")}},
      {"create C:\\x.txt", {}, {}, {own("create")}},
      {"a\\..\\..\\victim", {}, {}, {unsafe("a\\..\\..\\victim")}},
      {"..  C:\\x.txt", {}, {}, {unsafe("..")}},
      // The Explorer entry asks until a usable name or Cancel, and keeps the path whole.
      {"C:\\My Files\\a.txt", {"  my big cmd ", ""}, {}, {ask, noSpaces, noSpaces, ask}},
      {"C:\\My Files ", {"a/b", "Quillet", " docs "}, {},
       {ask, unsafe("a/b"), ask, own("Quillet"), ask,
        "Command added...\r\n\r\nName: docs\r\nPath: C:\\My Files \\|Quillet|0"}},
  };
  for (const auto& [arguments, inputs, buttons, shown] : cases) {
    RecordingPrompt prompt;
    for (const std::string& input : inputs) prompt.AnswerInputs({input});
    for (int button : buttons) prompt.AnswerButtons({button});
    const StartOutcome outcome = arguments.empty() ? StartOutcome::NormalStart : StartOutcome::EndProgram;
    EXPECT_EQ(Run(prompt, arguments), outcome) << arguments;
    EXPECT_EQ(prompt.Summaries(), shown) << arguments;
  }
  EXPECT_TRUE(std::filesystem::is_directory(program.Cmds()));

  // Without the script the main window comes up empty, and nothing is written.
  DeleteFileA(program.File("cshortcut.vbs").c_str());
  RecordingPrompt prompt;
  EXPECT_EQ(Run(prompt, "fresh C:\\notes.txt"), StartOutcome::EmptyMainWindow);
  EXPECT_EQ(prompt.Summaries(),
            (Strings{"Couldn\xB4t find the file 'cshortcut.vbs', please reinstall the program!|Error|64",
                     "CreateShortcutLNKFile=false|Quillet|0"}));
  EXPECT_FALSE(testing::AppPathsEntryExists("fresh.exe") ||
               testing::FileExists(GeneratedFilePath(program.Path(), "fresh", ".cfg")));
  RegDeleteTreeA(HKEY_CURRENT_USER, userKey.c_str());
}

}  // namespace
}  // namespace quillet
