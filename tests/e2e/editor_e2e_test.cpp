// Commands made and changed in the real editor, driven from another process, then started
// through the Run-dialog stand-in.

#include "tests/e2e/e2e_support.h"
#include "tests/tools/control_driver.h"
#include "ui/editor/command_editor_ids.h"
#include "ui/editor/editor_rules.h"
#include "ui/main/main_layout.h"

namespace quillet::testing {
namespace {

class EditorE2e : public E2eTest {
 protected:
  // Fills the editor titled `title` and presses OK; checks that it closes.
  void FillAndSave(const std::string& title, const std::string& typedName, const ParameterBoxes& parameters,
                   const std::string& mode) {
    const auto editor = tools::WaitForDialog(title, 20000, quillet->Id());
    ASSERT_TRUE(editor && tools::SetControlText(editor->window, IDC_EDITOR_COMMAND, typedName) &&
                tools::SetControlText(editor->window, IDC_EDITOR_PATH, target) &&
                tools::SetControlText(editor->window, IDC_EDITOR_MODE, mode));
    for (std::size_t i = 0; i < parameters.size(); ++i) {
      ASSERT_TRUE(tools::SetControlText(editor->window, IDC_EDITOR_PARAMETER1 + static_cast<int>(i), parameters[i]));
    }
    ASSERT_TRUE(tools::PressButton(editor->window, "OK") && tools::WaitForDialogGone(editor->window, 20000));
  }

  std::unique_ptr<ChildProcess> quillet = Start();
  HWND window = MainWindow(*quillet);
};

using EditorEitherWay = EitherWay<EditorE2e>;
QUILLET_EITHER_WAY(EditorEitherWay);

TEST_P(EditorEitherWay, AddedCommandStartsWithItsParametersMaximizedAndARenameMovesIt) {
  const std::string name = NewName("cmd"), renamed = NewName("ren");
  ASSERT_TRUE(tools::PressButton(window, "Add Command"));
  FillAndSave(" New Command", " " + name + " ", {"\"C:\\My  Files\\a.txt\"", " -x   y ; z "}, "Maximized");
  const std::string parameters = "\"C:\\My  Files\\a.txt\" -x   y ; z";
  ExpectShortcut(Generated(name, ".lnk"), {target, parameters, targetFolder, 3});
  EXPECT_EQ(Run(name), (Recorded{parameters, targetFolder, "3"}));

  // Opened again by a double-click, renamed and saved.
  ASSERT_TRUE(tools::ClickListViewRow(GetDlgItem(window, kUserListId), 0, tools::Clicks::Double));
  FillAndSave("Update Command", renamed, {"\"C:\\My  Files\\a.txt\"", "-x", "y", ";  z"}, "Normal");
  EXPECT_EQ(RunDialog(name), 2);
  ASSERT_TRUE(WaitForFile(Generated(renamed, ".lnk"), 20));
  EXPECT_EQ(Run(renamed), (Recorded{"\"C:\\My  Files\\a.txt\" -x y ;  z", targetFolder, "1"}));
  Close(*quillet);
}

}  // namespace
}  // namespace quillet::testing
