// Checking and saving the editor's input, without the dialog.

#include "ui/editor/command_input.h"

#include <gtest/gtest.h>

#include <tuple>

#include "store/command_name.h"
#include "tests/support/recording_prompt.h"
#include "tests/support/test_store.h"

namespace quillet {
namespace {

class CommandInput : public ::testing::Test {
 protected:
  CommandInput() { testing::AddAppPathsEntry(test.Root(), "othertool.exe", "C:\\other\\tool.exe"); }

  testing::TestStore test;
  UserCommandList rows{RowOf({"notes", "C:\\notes.txt"}), RowOf({"MyApp", "C:\\app.exe", "-x", 3}),
                       RowOf({"my.notes", "C:\\my.txt"})};
};

// That a folder's path gets its backslash in the box is command_editor_test's.
TEST_F(CommandInput, ChecksComeInOrderWithTheirMessages) {
  testing::WriteFileBytes(test.program.File("tool.exe"), "x");
  const ShadowIndex shadows({{test.program.Path()}, {".exe"}});
  const std::string required = "Please fill in all required fields!|Quillet|64";
  const std::string overwrite = "The command: 'notes' already exists, do want to overwrite it?|Quillet|36";
  const std::string replace = "The command: 'othertool' is a system command, added by other applications than "
                              "Quillet!\r\nDo you want to replace it with this command?|Quillet|52";
  // Each case: the input, the mode, the command an update edits, the buttons pressed, the claim the
  // save may make (nothing: invalid), the messages ("text|title|flags").
  using Case = std::tuple<EditorInput, EditorMode, std::string, std::vector<int>, std::optional<EntryClaim>,
                          std::vector<std::string>>;
  using enum EditorMode;
  const std::optional<EntryClaim> invalid, own = EntryClaim::OwnOrFree, any = EntryClaim::Any;
  const Case cases[] = {
      {{"", "", {}, "Normal"}, New, "", {}, invalid, {required}},
      {{"my cmd", "C:\\a.exe", {}, "Normal"}, New, "", {}, invalid,
       {"You may only use A-Z and 0-9 when naming your command!|Illegal character|64"}},
      {{"notes", "C:\\a.exe", {}, "Normal"}, New, "", {IDNO}, invalid, {overwrite}},
      {{"clear", "C:\\a.exe", {}, "Normal"}, New, "", {}, invalid,
       {NameRefusalMessage(NameRefusal::OwnRunWord, "clear") + "|Quillet|48"}},
      {{"notes", "", {}, "Normal"}, New, "", {IDYES}, invalid, {overwrite, required}},
      {{"myapp", "C:\\a.exe", {}, "Normal"}, New, "", {IDNO}, invalid,  // letter case ignored
       {"The command: 'myapp' already exists, do want to overwrite it?|Quillet|36"}},
      {{"tools", "C:\\Tools", {"", "   ", "", ""}, "Normal"}, New, "", {}, invalid,
       {"You can\xB4t assign parameters to folders!|Quillet|64"}},
      {{"long", "C:\\" + std::string(kLongestPath, 'a'), {}, "Normal"}, New, "", {}, invalid,
       {LauncherRefusalMessage(LauncherRefusal::TargetTooLong, "long") + "|Quillet|48"}},
      {{"othertool", "C:\\a.exe", {}, "Normal"}, New, "", {IDNO}, invalid, {replace}},
      {{"othertool", "C:\\a.exe", {}, "Normal"}, New, "", {IDYES}, any, {replace}},
      {{"notes", "C:\\b.txt", {}, "Normal"}, Update, "MyApp", {IDNO}, invalid,  // renaming MyApp onto notes
       {"The command: 'notes' already exists, do you want to overwrite it?|Quillet|36"}},
      {{"tool", "C:\\a.exe", {}, "Normal"}, New, "", {IDNO}, invalid,  // asked last
       {ShadowedNameQuestion("tool", test.program.File("tool.exe")) + "|Quillet|52"}},
      // An update keeps the name a command has, though the editor would not take it typed anew.
      {{"myapp", "C:\\app.exe", {}, "Normal"}, Update, "MyApp", {}, own, {}},
      {{"my.notes", "C:\\my.txt", {}, "Normal"}, Update, "my.notes", {}, own, {}},
  };
  for (const auto& [typed, mode, edited, answers, claim, messages] : cases) {
    testing::RecordingPrompt asked;
    for (int answer : answers) asked.AnswerButtons({answer});
    EditorInput input = typed;
    EXPECT_EQ(ValidateInput(input, mode, {edited, edited}, rows, shadows, test.store, asked), claim) << typed.name;
    EXPECT_EQ(asked.Summaries(), messages) << typed.name;
  }
}

// What a save that succeeds makes of the boxes is the editor's end-to-end test.
TEST_F(CommandInput, ASaveThatFailsSaysSoAndTheEditorStaysOpen) {
  testing::RecordingPrompt prompt;
  CreateDirectoryA(test.Cfg("memo").c_str(), nullptr);  // where its definition file would be written
  EXPECT_FALSE(SaveCommand(test.store, prompt, {"memo", "C:\\m.txt", {}, "Normal"}, EditorMode::New, {},
                           EntryClaim::OwnOrFree, rows));
  EXPECT_EQ(prompt.Summaries(), std::vector<std::string>{"The command 'memo' could not be saved: its definition "
                                                         "file could not be written in " + test.program.Cmds() +
                                                         ".|Quillet|48"});
}

}  // namespace
}  // namespace quillet
