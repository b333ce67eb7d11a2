// Checking and saving the editor's input, without the dialog.

#include "ui/editor/command_input.h"

#include <gtest/gtest.h>

#include <tuple>

#include "store/app_paths_store.h"
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

class CommandInput : public ::testing::Test {
 protected:
  CommandInput() { testing::AddAppPathsEntry("othertool.exe", "C:\\other\\tool.exe"); }

  std::string Cfg(const std::string& name) const { return GeneratedFilePath(program.Path(), name, ".cfg"); }
  std::string Lnk(const std::string& name) const { return GeneratedFilePath(program.Path(), name, ".lnk"); }
  bool Save(const EditorInput& input, EditorMode mode, const std::string& oldName = "") {
    return SaveCommand(store, input, mode, oldName, rows);
  }
  std::string Rows() const {
    std::string shown;
    for (const auto& row : rows) {
      shown += row.name + "|" + row.target + "|" + row.parameters + "|" + row.windowModeText + "|" +
               std::to_string(row.icon) + " ";
    }
    return shown;
  }
  // The App Paths entry's default value, as stored (with its NUL).
  static std::string Entry(const std::string& name) {
    return testing::RegistryBytes(HKEY_LOCAL_MACHINE, AppPathsSubkey(name), nullptr);
  }

  testing::LocalMachineSandbox hklm;
  testing::TempProgramFolder program{testing::TempProgramFolder::Scripts::Copied};
  testing::RecordingPrompt prompt;
  StoreContext store{program.Path(), nullptr, prompt};
  UserCommandList rows{{"notes", "C:\\notes.txt", "", "1", 9}, {"MyApp", "C:\\app.exe", "-x", "3", 14}};
};

TEST_F(CommandInput, ChecksComeInOrderWithTheirMessages) {
  testing::WriteFileBytes(program.File("tool.exe"), "x");
  const ShadowIndex shadows({{program.Path()}, {".exe"}});
  const std::string required = "Please fill in all required fields!|Quillet|64";
  const std::string overwrite = "The command: 'notes' already exists, do want to overwrite it?|Quillet|36";
  // Each case: the input, the mode, the buttons pressed, whether it is valid, the messages ("text|title|flags").
  using Case = std::tuple<EditorInput, EditorMode, std::vector<int>, bool, std::vector<std::string>>;
  const Case cases[] = {
      {{"", "", {}, "Normal"}, EditorMode::New, {}, false, {required}},
      {{"my cmd", "C:\\a.exe", {}, "Normal"}, EditorMode::New, {},
       false, {"You may only use A-Z and 0-9 when naming your command!|Illegal character|64"}},
      {{"notes", "C:\\a.exe", {}, "Normal"}, EditorMode::New, {IDNO}, false, {overwrite}},
      {{"clear", "C:\\a.exe", {}, "Normal"}, EditorMode::New, {}, false, {OwnRunWordMessage("clear") + "|Quillet|48"}},
      {{"notes", "", {}, "Normal"}, EditorMode::New, {IDYES}, false, {overwrite, required}},
      {{"myapp", "C:\\a.exe", {}, "Normal"}, EditorMode::New, {IDNO}, false,  // letter case ignored
       {"The command: 'myapp' already exists, do want to overwrite it?|Quillet|36"}},
      {{"tools", "C:\\Tools", {"", "   ", "", ""}, "Normal"}, EditorMode::New, {}, false,
       {"You can\xB4t assign parameters to folders!|Quillet|64"}},
      {{"othertool", "C:\\a.exe", {}, "Normal"}, EditorMode::New, {IDNO}, false,
       {"The command: 'othertool' is a system command, added by other applications than Quillet!\r\n"
        "Do you want to replace it with this command?|Quillet|52"}},
      {{"notes", "C:\\b.txt", {}, "Normal"}, EditorMode::Update, {IDNO}, false,  // renaming MyApp onto notes
       {"The command: 'notes' already exists, do you want to overwrite it?|Quillet|36"}},
      {{"tool", "C:\\a.exe", {}, "Normal"}, EditorMode::New, {IDNO}, false,  // asked last
       {ShadowedNameQuestion("tool", program.File("tool.exe")) + "|Quillet|52"}},
      {{"myapp", "C:\\app.exe", {}, "Normal"}, EditorMode::Update, {}, true, {}},
  };
  for (const auto& [typed, mode, answers, valid, messages] : cases) {
    testing::RecordingPrompt asked;
    for (int answer : answers) asked.AnswerButtons({answer});
    EditorInput input = typed;
    EXPECT_EQ(ValidateInput(input, mode, "MyApp", rows, shadows, asked), valid) << typed.name;
    EXPECT_EQ(asked.Summaries(), messages) << typed.name;
    if (typed.name == "tools") EXPECT_EQ(input.path, "C:\\Tools\\");  // a folder gets its backslash
  }
}

TEST_F(CommandInput, NewCommandReplacesItsNamesakeAtTheEndAndUpdatesKeepPlaceAndIcon) {
  testing::AddAppPathsEntry("notes.exe", Lnk("notes"));
  ASSERT_TRUE(Save({"myapp", "C:\\b.exe", {"a", "\"x  y\"", "", ""}, "Maximized"}, EditorMode::New));
  ASSERT_TRUE(Save({"notes", "C:\\notes2.txt", {}, "Minimized"}, EditorMode::Update, "notes"));
  // The new row has no icon until the icons are assigned.
  EXPECT_EQ(Rows(), "notes|C:\\notes2.txt||7|9 myapp|C:\\b.exe|a \"x  y\"|3|0 ");
  EXPECT_EQ(testing::ReadFileBytes(Cfg("myapp")), DefinitionFileText("myapp", "C:\\b.exe", "a \"x  y\"", 3));
  EXPECT_EQ(Entry("myapp"), Lnk("myapp") + '\0');
  EXPECT_EQ(Entry("notes"), Lnk("notes") + '\0');

  ASSERT_TRUE(Save({"memo", "C:\\notes2.txt", {}, "Normal"}, EditorMode::Update, "notes"));  // a rename
  EXPECT_EQ(rows[0].name, "memo");
  EXPECT_FALSE(AppPathsEntryExists("notes.exe") || FileExists(Cfg("notes")));
  EXPECT_TRUE(AppPathsEntryExists("memo.exe") && FileExists(Cfg("memo")));

  // A definition file that cannot be written is told, and the row stays as it was.
  DeleteFileA(Cfg("memo").c_str());
  CreateDirectoryA(Cfg("memo").c_str(), nullptr);
  EXPECT_FALSE(Save({"memo", "C:\\other.txt", {}, "Normal"}, EditorMode::Update, "memo"));
  EXPECT_EQ(prompt.Summaries().back(), "The command 'memo' could not be saved: its definition file could not be "
                                       "written in " + program.Cmds() + ".|Quillet|48");
  EXPECT_EQ(rows[0].target, "C:\\notes2.txt");
}

TEST_F(CommandInput, ACaseOnlyRenameKeepsTheShortcutEntryAndFile) {
  testing::AddAppPathsEntry("MyApp.exe", Lnk("MyApp"));
  ASSERT_TRUE(Save({"myapp", "C:\\app.exe", {"-x"}, "Normal"}, EditorMode::Update, "MyApp"));
  EXPECT_EQ(rows[1].name, "myapp");
  EXPECT_EQ(testing::ReadFileBytes(Cfg("myapp")), DefinitionFileText("myapp", "C:\\app.exe", "-x", 1));
  EXPECT_TRUE(testing::WaitForFile(Lnk("myapp"), 20));
  EXPECT_EQ(Entry("myapp"), Lnk("myapp") + '\0');
  // The entry now carries the new case, so the system list does not show the command too.
  SystemCommandList system;
  ListSystemCommands(store, rows, system);
  for (const auto& row : system) EXPECT_NE(row.name, "MyApp");
}

}  // namespace
}  // namespace quillet
