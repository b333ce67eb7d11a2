// The editor dialog, made for real and driven with messages; shown without being modal so that
// the test can drive it. Saving from it is proven end to end.

#include "ui/editor/command_editor.h"

#include <gtest/gtest.h>

#include "tests/support/recording_list.h"
#include "tests/support/recording_prompt.h"
#include "tests/support/test_store.h"
#include "ui/editor/command_editor_ids.h"

namespace quillet {
namespace {

class CommandEditorTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(editor.CreateModeless(nullptr)); }
  std::string Text(int id) const { return editor.ItemText(id); }
  void Command(int id, int code = BN_CLICKED) {
    SendMessageA(editor.Handle(), WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(editor.Item(id)));
  }

  testing::TestStore test;
  testing::RecordingPrompt prompt;
  testing::RecordingList list{{RowOf({"notes", "C:\\notes.txt", "a \"x  y\" z", kWindowMinimized})}};
  CommandEditor editor{test.store, prompt, list, EditorMode::Update, {"notes", "notes"}};
};

// The rules themselves are editor_rules' and command_input's; here, that the boxes apply them. The
// name box's rule is the end-to-end test's, which types a name with blanks around it.
TEST_F(CommandEditorTest, UpdateShowsTheRowAndTheBoxesApplyTheirRulesAsTheyChange) {
  editor.Fill(list.rows[0]);
  EXPECT_EQ(Text(IDC_EDITOR_PATH) + "|" + Text(IDC_EDITOR_MODE) + "|" + Text(IDC_EDITOR_PARAMETER2),
            "C:\\notes.txt|Minimized|\"x  y\"");
  SetWindowTextA(editor.Item(IDC_EDITOR_MODE), "maximized");
  Command(IDC_EDITOR_MODE, CBN_KILLFOCUS);
  EXPECT_EQ(Text(IDC_EDITOR_MODE), "Normal");
  // Refused input keeps the editor open, the folder rule's "\" in the path box.
  SetWindowTextA(editor.Item(IDC_EDITOR_PATH), "C:\\Tools");
  Command(IDOK);
  EXPECT_EQ(Text(IDC_EDITOR_PATH), "C:\\Tools\\");
  EXPECT_EQ(list.saves, 0);
}

TEST_F(CommandEditorTest, FileFolderAndHelpButtons) {
  prompt.AnswerFiles({std::string("C:\\Tools\\a.exe"), std::nullopt});
  Command(IDC_EDITOR_GET_FILE);
  SetWindowTextA(editor.Item(IDC_EDITOR_PATH), "typed");
  Command(IDC_EDITOR_GET_FILE);  // cancelled: the file chosen last comes back
  EXPECT_EQ(Text(IDC_EDITOR_PATH), "C:\\Tools\\a.exe");

  prompt.AnswerFolders({std::string("C:\\Tools"), std::string("D:\\"), std::nullopt});
  for (const char* expected : {"C:\\Tools\\", "D:\\", "D:\\"}) {
    Command(IDC_EDITOR_FOLDER);
    EXPECT_EQ(Text(IDC_EDITOR_PATH), expected);
  }

  for (int id : {IDC_EDITOR_COMMAND_HELP, IDC_EDITOR_PARAMETER_HELP, IDC_EDITOR_MODE_HELP}) Command(id);
  // F1 in the window-mode box's edit part.
  HELPINFO help{sizeof help, HELPINFO_WINDOW, 0, GetWindow(editor.Item(IDC_EDITOR_MODE), GW_CHILD), 0, {}};
  SendMessageA(editor.Handle(), WM_HELP, 0, reinterpret_cast<LPARAM>(&help));
  std::vector<std::string> topics;
  for (const auto& record : prompt.HelpTopics()) topics.push_back(record.helpFile + "|" + std::to_string(record.topic));
  const std::string chm = test.program.Path() + "\\quillet.chm|";
  EXPECT_EQ(topics, (std::vector<std::string>{chm + "1003", chm + "1007", chm + "1017", chm + "1017"}));
}

}  // namespace
}  // namespace quillet
