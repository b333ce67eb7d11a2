// Commands made and changed in the real editor, driven from another process, then started
// through the Run-dialog stand-in.

#include <gtest/gtest.h>

#include "store/definition_file.h"
#include "store/store_paths.h"
#include "tests/e2e/e2e_support.h"
#include "tests/scripts/shortcut_reader.h"
#include "tools/list_view_reader.h"
#include "ui/editor/command_editor_ids.h"
#include "ui/main/main_window.h"

namespace quillet::testing {
namespace {

class EditorE2e : public ::testing::Test {
 protected:
  void SetUp() override {
    SetFirstStartDone(true);
    quillet = program.Start("");
    window = WaitForMainWindow(quillet->Id());
    ASSERT_NE(window, nullptr);
  }
  void TearDown() override {
    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(quillet->WaitForExit(), 0u);
    for (const std::string& made : {name, renamed}) RegDeleteKeyA(HKEY_LOCAL_MACHINE, AppPathsSubkey(made).c_str());
  }

  // Fills the editor titled `title` and presses OK; checks that it closes.
  void FillAndSave(const std::string& title, const std::string& typedName, const std::string& path,
                   const std::vector<std::string>& parameters, const std::string& mode) {
    const auto editor = tools::WaitForDialog(title, 20000, quillet->Id());
    ASSERT_TRUE(editor.has_value());
    ASSERT_TRUE(tools::SetControlText(editor->window, IDC_EDITOR_COMMAND, typedName));
    ASSERT_TRUE(tools::SetControlText(editor->window, IDC_EDITOR_PATH, path));
    for (std::size_t i = 0; i < 4; ++i) {
      const std::string box = i < parameters.size() ? parameters[i] : "";
      ASSERT_TRUE(tools::SetControlText(editor->window, IDC_EDITOR_PARAMETER1 + static_cast<int>(i), box));
    }
    ASSERT_TRUE(tools::SetControlText(editor->window, IDC_EDITOR_MODE, mode));
    ASSERT_TRUE(tools::PressButton(editor->window, "OK"));
    ASSERT_TRUE(tools::WaitForDialogGone(editor->window, 20000));
  }

  // Starts the command through the Run dialog and returns what its target recorded.
  Recorded Start(const std::string& command) {
    DeleteFileA(target.recording.c_str());
    EXPECT_EQ(RunDialog(command), 0);
    EXPECT_TRUE(WaitForFile(target.recording, 20));
    return ReadRecording(target.recording);
  }

  InstalledProgram program;
  RecordingTarget target{program};
  std::unique_ptr<ChildProcess> quillet;
  HWND window = nullptr;
  std::string name = UniqueName("cmd");
  std::string renamed = name + "b";
};

TEST_F(EditorE2e, AddedCommandStartsWithItsParametersMaximizedAndARenameMovesIt) {
  const HWND add = GetDlgItem(window, kAddButtonId);
  PostMessageA(window, WM_COMMAND, MAKEWPARAM(kAddButtonId, BN_CLICKED), reinterpret_cast<LPARAM>(add));
  FillAndSave(" New Command", " " + name + " ", target.exe, {"\"C:\\My  Files\\a.txt\"", " -x   y ; z "}, "Maximized");

  const std::string parameters = "\"C:\\My  Files\\a.txt\" -x   y ; z";
  EXPECT_EQ(ReadFileBytes(program.Generated(name, ".cfg")), DefinitionFileText(name, target.exe, parameters, 3));
  EXPECT_EQ(RegistryText(HKEY_LOCAL_MACHINE, AppPathsSubkey(name), nullptr), program.Generated(name, ".lnk"));
  ASSERT_TRUE(WaitForFile(program.Generated(name, ".lnk"), 20));
  const ShortcutFields expected{target.exe, parameters, target.folder, 3};
  EXPECT_EQ(ReadShortcut(program.Generated(name, ".lnk")), expected);
  auto independent = ReadShortcutWithLnkinfo(program.Generated(name, ".lnk"));
  ASSERT_TRUE(independent.has_value());
  independent->windowStyle = 3;  // lnkinfo cannot read it
  EXPECT_EQ(*independent, expected);

  Recorded started = Start(name);
  EXPECT_EQ(started.arguments, parameters);
  EXPECT_EQ(started.folder, target.folder);
  EXPECT_EQ(started.showCommand, "3");

  // Opened again by a double-click, renamed and saved unchanged otherwise.
  const HWND list = GetDlgItem(window, kUserListId);
  ASSERT_EQ(tools::ReadListViewRows(list, 3), (std::vector<std::vector<std::string>>{{name, target.exe, parameters}}));
  ASSERT_TRUE(tools::ClickListViewRow(list, 0, tools::Clicks::Double));
  FillAndSave("Update Command", renamed, target.exe, {"\"C:\\My  Files\\a.txt\"", "-x", "y", ";  z"}, "Normal");
  EXPECT_EQ(tools::ReadListViewRows(list, 3),
            (std::vector<std::vector<std::string>>{{renamed, target.exe, "\"C:\\My  Files\\a.txt\" -x y ;  z"}}));
  EXPECT_FALSE(FileExists(program.Generated(name, ".cfg")));
  EXPECT_EQ(RegistryText(HKEY_LOCAL_MACHINE, AppPathsSubkey(name), nullptr), "");
  EXPECT_EQ(RunDialog(name), 2);
  ASSERT_TRUE(WaitForFile(program.Generated(renamed, ".lnk"), 20));
  started = Start(renamed);
  EXPECT_EQ(started.arguments, "\"C:\\My  Files\\a.txt\" -x y ;  z");
  EXPECT_EQ(started.showCommand, "1");
}

}  // namespace
}  // namespace quillet::testing
