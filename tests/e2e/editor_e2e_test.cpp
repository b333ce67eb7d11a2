// Commands made and changed in the real editor, driven from another process, then started
// through the Run-dialog stand-in.

#include "store/definition_file.h"
#include "tests/e2e/e2e_support.h"
#include "tests/tools/control_driver.h"
#include "ui/editor/command_editor_ids.h"
#include "ui/main/main_layout.h"

namespace quillet::testing {
namespace {

class EditorE2e : public E2eTest {
 protected:
  // Fills the editor titled `title` and presses OK; checks that it closes.
  void FillAndSave(const std::string& title, const std::string& typedName, const std::vector<std::string>& parameters,
                   const std::string& mode) {
    const auto editor = tools::WaitForDialog(title, 20000, quillet->Id());
    ASSERT_TRUE(editor.has_value());
    ASSERT_TRUE(tools::SetControlText(editor->window, IDC_EDITOR_COMMAND, typedName));
    ASSERT_TRUE(tools::SetControlText(editor->window, IDC_EDITOR_PATH, target));
    for (int i = 0; i < 4; ++i) {
      const std::string box = i < static_cast<int>(parameters.size()) ? parameters[static_cast<std::size_t>(i)] : "";
      ASSERT_TRUE(tools::SetControlText(editor->window, IDC_EDITOR_PARAMETER1 + i, box));
    }
    ASSERT_TRUE(tools::SetControlText(editor->window, IDC_EDITOR_MODE, mode));
    ASSERT_TRUE(tools::PressButton(editor->window, "OK"));
    ASSERT_TRUE(tools::WaitForDialogGone(editor->window, 20000));
  }

  std::unique_ptr<ChildProcess> quillet = Start();
  HWND window = MainWindow(*quillet);
};

TEST_F(EditorE2e, AddedCommandStartsWithItsParametersMaximizedAndARenameMovesIt) {
  const std::string name = NewName("cmd"), renamed = NewName("ren");
  PostMessageA(window, WM_COMMAND, MAKEWPARAM(kAddButtonId, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(window, kAddButtonId)));
  FillAndSave(" New Command", " " + name + " ", {"\"C:\\My  Files\\a.txt\"", " -x   y ; z "}, "Maximized");
  const std::string parameters = "\"C:\\My  Files\\a.txt\" -x   y ; z";
  EXPECT_EQ(ReadFileBytes(Generated(name, ".cfg")), DefinitionFileText(name, target, parameters, 3));
  EXPECT_EQ(AppPaths(name), Generated(name, ".lnk"));
  ExpectShortcut(Generated(name, ".lnk"), {target, parameters, targetFolder, 3});
  Recorded started = Run(name);
  EXPECT_EQ(started.arguments, parameters);
  EXPECT_EQ(started.folder, targetFolder);
  EXPECT_EQ(started.showCommand, "3");

  // Opened again by a double-click, renamed and saved.
  const HWND list = GetDlgItem(window, kUserListId);
  ASSERT_EQ(tools::ReadListViewRows(list, 3), (std::vector<std::vector<std::string>>{{name, target, parameters}}));
  ASSERT_TRUE(tools::ClickListViewRow(list, 0, tools::Clicks::Double));
  FillAndSave("Update Command", renamed, {"\"C:\\My  Files\\a.txt\"", "-x", "y", ";  z"}, "Normal");
  EXPECT_FALSE(FileExists(Generated(name, ".cfg")));
  EXPECT_EQ(RunDialog(name), 2);
  ASSERT_TRUE(WaitForFile(Generated(renamed, ".lnk"), 20));
  started = Run(renamed);
  EXPECT_EQ(started.arguments, "\"C:\\My  Files\\a.txt\" -x y ;  z");
  EXPECT_EQ(started.showCommand, "1");
  Close(*quillet);
}

}  // namespace
}  // namespace quillet::testing
