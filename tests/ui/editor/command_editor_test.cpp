// The editor dialog, made for real and driven with messages; shown without being modal so that
// the test can drive it.

#include "ui/editor/command_editor.h"

#include <gtest/gtest.h>

#include "tests/support/recording_list.h"
#include "tests/support/recording_prompt.h"
#include "tests/support/registry_sandbox.h"
#include "tests/support/temp_program_folder.h"
#include "ui/editor/command_editor_ids.h"

namespace quillet {
namespace {

class CommandEditorTest : public ::testing::Test {
 protected:
  void Open(EditorMode mode) {
    editor = std::make_unique<CommandEditor>(program.Path(), nullptr, prompt, list, mode,
                                             mode == EditorMode::Update ? "notes" : "");
    ASSERT_TRUE(editor->CreateModeless(nullptr));
  }
  std::string Text(int id) const { return editor->ItemText(id); }
  void Command(int id, int code = BN_CLICKED) {
    SendMessageA(editor->Handle(), WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(editor->Item(id)));
  }
  std::string Caption() const {
    char caption[64] = {};
    GetWindowTextA(editor->Handle(), caption, sizeof caption);
    return caption;
  }

  testing::LocalMachineSandbox hklm;
  testing::TempProgramFolder program{testing::TempProgramFolder::Scripts::Copied};
  testing::RecordingPrompt prompt;
  testing::RecordingList list{{{"notes", "C:\\notes.txt", "a \"x  y\" z", " 7 ", 9}}};
  std::unique_ptr<CommandEditor> editor;
};

TEST_F(CommandEditorTest, UpdateModeShowsTheRowAndTheNameBoxFollowsItsRuleAsTyped) {
  Open(EditorMode::Update);
  editor->Fill(list.rows[0]);
  EXPECT_EQ(Caption(), "Update Command");
  EXPECT_EQ(Text(IDC_EDITOR_COMMAND), "notes");
  EXPECT_EQ(Text(IDC_EDITOR_PATH), "C:\\notes.txt");
  EXPECT_EQ(Text(IDC_EDITOR_MODE), "Minimized");
  EXPECT_EQ(Text(IDC_EDITOR_PARAMETER2), "\"x  y\"");
  EXPECT_EQ(Text(IDC_EDITOR_PARAMETER3), "z");

  const HWND name = editor->Item(IDC_EDITOR_COMMAND);
  SetWindowTextA(name, "");
  for (const char* key : {"M", "y", " ", "C", "m", "d"}) {
    SendMessageA(name, EM_SETSEL, 100, 100);
    SendMessageA(name, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(key));
  }
  EXPECT_EQ(Text(IDC_EDITOR_COMMAND), "mycmd");

  SetWindowTextA(editor->Item(IDC_EDITOR_MODE), "maximized");
  Command(IDC_EDITOR_MODE, CBN_KILLFOCUS);
  EXPECT_EQ(Text(IDC_EDITOR_MODE), "Normal");
}

TEST_F(CommandEditorTest, FileFolderAndHelpButtons) {
  Open(EditorMode::New);
  EXPECT_EQ(Caption(), " New Command");
  prompt.AnswerFiles({std::string("C:\\Tools\\a.exe"), std::nullopt});
  Command(IDC_EDITOR_GET_FILE);
  EXPECT_EQ(Text(IDC_EDITOR_PATH), "C:\\Tools\\a.exe");
  SetWindowTextA(editor->Item(IDC_EDITOR_PATH), "typed");
  Command(IDC_EDITOR_GET_FILE);  // cancelled: the file chosen last comes back
  EXPECT_EQ(Text(IDC_EDITOR_PATH), "C:\\Tools\\a.exe");
  ASSERT_EQ(prompt.FileRequests().size(), 2u);
  EXPECT_EQ(prompt.FileRequests()[0].filter, "All Files (*.*)|*.*|Exe Files (*.exe)|*.exe");
  EXPECT_EQ(prompt.FileRequests()[0].filterIndex, 1);
  EXPECT_EQ(prompt.FileRequests()[0].flags, 4096u);

  prompt.AnswerFolders({std::string("C:\\Tools"), std::string("D:\\"), std::nullopt});
  for (const char* expected : {"C:\\Tools\\", "D:\\", "D:\\"}) {
    Command(IDC_EDITOR_FOLDER);
    EXPECT_EQ(Text(IDC_EDITOR_PATH), expected);
  }

  for (int id : {IDC_EDITOR_COMMAND_HELP, IDC_EDITOR_PARAMETER_HELP, IDC_EDITOR_MODE_HELP}) Command(id);
  // F1 in the window-mode box's edit part.
  HELPINFO help{sizeof help, HELPINFO_WINDOW, 0, GetWindow(editor->Item(IDC_EDITOR_MODE), GW_CHILD), 0, {}};
  SendMessageA(editor->Handle(), WM_HELP, 0, reinterpret_cast<LPARAM>(&help));
  std::vector<int> topics;
  for (const auto& record : prompt.HelpTopics()) topics.push_back(record.topic);
  EXPECT_EQ(topics, (std::vector<int>{1003, 1007, 1017, 1017}));
  EXPECT_EQ(prompt.HelpTopics()[0].helpFile, program.Path() + "\\quillet.chm");
}

TEST_F(CommandEditorTest, OkSavesTheBoxesAndCloses) {
  Open(EditorMode::New);
  SetWindowTextA(editor->Item(IDC_EDITOR_COMMAND), "calc");
  SetWindowTextA(editor->Item(IDC_EDITOR_PATH), "C:\\windows\\system32\\calc.exe");
  SetWindowTextA(editor->Item(IDC_EDITOR_PARAMETER2), " -a  b ");
  SetWindowTextA(editor->Item(IDC_EDITOR_MODE), "Maximized");
  Command(IDOK);
  EXPECT_EQ(editor->Handle(), nullptr);
  EXPECT_EQ(list.saves, 1);
  ASSERT_EQ(list.rows.size(), 2u);
  EXPECT_EQ(list.rows[1].name, "calc");
  EXPECT_EQ(list.rows[1].parameters, "-a  b");
  EXPECT_EQ(list.rows[1].windowModeText, "3");
}

TEST_F(CommandEditorTest, RefusedInputKeepsTheEditorOpen) {
  Open(EditorMode::New);
  SetWindowTextA(editor->Item(IDC_EDITOR_COMMAND), "tools");
  SetWindowTextA(editor->Item(IDC_EDITOR_PATH), "C:\\Tools");
  SetWindowTextA(editor->Item(IDC_EDITOR_PARAMETER1), "x");
  Command(IDOK);
  ASSERT_NE(editor->Handle(), nullptr);
  EXPECT_EQ(Text(IDC_EDITOR_PATH), "C:\\Tools\\");
  EXPECT_EQ(list.saves, 0);
  EXPECT_EQ(prompt.Records().size(), 1u);
}

}  // namespace
}  // namespace quillet
