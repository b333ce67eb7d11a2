// The real main window, read and driven from another process.

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <map>

#include "store/definition_file.h"
#include "store/store_paths.h"
#include "tests/e2e/e2e_support.h"
#include "tests/tools/control_driver.h"
#include "ui/editor/command_editor_ids.h"
#include "ui/main/main_layout.h"

namespace quillet::testing {
namespace {

using Rows = std::vector<std::vector<std::string>>;

// The names a list shows, sorted, each with a blank after it.
std::string Names(HWND list) {
  std::vector<std::string> names;
  for (const auto& row : tools::ReadListViewRows(list, 1)) names.push_back(row[0]);
  std::sort(names.begin(), names.end());
  std::string joined;
  for (const std::string& name : names) joined += name + " ";
  return joined;
}

// Clicks the row of that name, once it shows.
bool ClickRow(HWND list, const std::string& name) {
  int row = -1;
  return Eventually([&] {
    const Rows rows = tools::ReadListViewRows(list, 1);
    row = static_cast<int>(std::find(rows.begin(), rows.end(), std::vector<std::string>{name}) - rows.begin());
    return row < static_cast<int>(rows.size());
  }) && tools::ClickListViewRow(list, row);
}

class MainWindowE2e : public E2eTest {
 protected:
  MainWindowE2e() {
    for (const auto& row : commands) {
      WriteFileBytes(Generated(row[0], ".cfg"), DefinitionFileText(row[0], row[1], row[2], 1));
    }
    AddAppPathsEntry(HKEY_LOCAL_MACHINE, other + ".exe", "C:\\Other\\tool.exe");
    quillet = Start();
    window = MainWindow(*quillet);
    userList = GetDlgItem(window, kUserListId);
  }

  Rows commands{{"alpha", "C:\\Docs\\a.txt", "-a"}, {"beta", "C:\\Tools\\", ""}, {"gamma", "http://example.com/", "x y"}};
  std::string other = NewName("sys");
  std::unique_ptr<ChildProcess> quillet;
  HWND window = nullptr;
  HWND userList = nullptr;
};

TEST_F(MainWindowE2e, ShowsTheCommandsInTheDesignSizeAndRemovesOneThroughTheRealQuestion) {
  // The design's client area, below the menu bar, and the status texts as screen readers read them.
  RECT client{};
  GetClientRect(window, &client);
  const int dpi = static_cast<int>(GetDpiForWindow(window));
  EXPECT_EQ(client.right, MulDiv(kDesignClientWidth, dpi, 1440));
  EXPECT_EQ(client.bottom, MulDiv(kDesignClientHeight, dpi, 1440));
  ASSERT_TRUE(Eventually([&] { return Names(userList) == "alpha beta gamma "; }));  // filled once shown
  const Rows listed = tools::ReadListViewRows(userList, 3);
  const std::map<std::string, std::string> types{{"alpha", "Textfile"}, {"beta", "Folder"}, {"gamma", "URL"}};
  std::string status;
  for (int panel = 0; panel < 3; ++panel) status += tools::StatusBarText(GetDlgItem(window, kStatusBarId), panel) + "|";
  EXPECT_EQ(status, "Count: 3|Type: " + types.at(listed[0][0]) + "|My Commands|");  // the first row is selected
  EXPECT_TRUE(std::is_permutation(listed.begin(), listed.end(), commands.begin(), commands.end()));
  // The marks on the icons, as a screen reader reads them: two targets that are not there, and an
  // address, which is never probed. The tooltips that go with them are main_window_test's.
  const std::map<std::string, LRESULT> marks{{"alpha", 2}, {"beta", 2}, {"gamma", 0}};
  for (int row = 0; row < 3; ++row) {
    const LRESULT state = SendMessageA(userList, LVM_GETITEMSTATE, static_cast<WPARAM>(row), LVIS_OVERLAYMASK);
    EXPECT_EQ(state >> 8, marks.at(listed[row][0])) << listed[row][0];
  }

  ASSERT_TRUE(ClickRow(userList, "beta") && tools::PressButton(window, "Remove Command"));
  Answer("Confirm removal", "Do you want to delete the command: beta?", "Yes", quillet->Id());
  EXPECT_TRUE(Eventually([&] { return Names(userList) == "alpha gamma "; }));
  EXPECT_FALSE(FileExists(Generated("beta", ".cfg")));
  Close(*quillet);
}

TEST_F(MainWindowE2e, CommandsMadeAndRemovedElsewhereShowWithoutARestart) {
  const std::string made = NewName("late");
  const auto create = Start(made + " C:\\windows\\notepad.exe");
  Answer("Quillet", "Command added...\r\n\r\nName: " + made + "\r\nPath: C:\\windows\\notepad.exe", "OK", create->Id());
  EXPECT_TRUE(Eventually([&] { return Names(userList) == "alpha beta gamma " + made + " "; }));
  const auto remove = Start(made);
  Answer("Quillet", "The command: ' " + made + " ' was removed.", "OK", remove->Id());
  EXPECT_TRUE(Eventually([&] { return Names(userList) == "alpha beta gamma "; }));

  // Another program's entry shows in the system list while it is open.
  ASSERT_TRUE(tools::ClickListViewRow(GetDlgItem(window, kCategoryPaneId), 1));
  const std::string later = NewName("other");
  AddAppPathsEntry(HKEY_LOCAL_MACHINE, later + ".exe", "C:\\later.exe");
  EXPECT_TRUE(Eventually([&] { return Names(GetDlgItem(window, kSystemListId)).find(later + " ") != std::string::npos; }));
  Close(*quillet);
}

// Keys posted to the window go through its message loop, the dialog manager and the popup, as typed.
TEST_F(MainWindowE2e, KeysRemoveEditAndChooseFromThePopupThroughTheLoop) {
  const std::string name = NewName("key");
  const auto create = Start(name + " " + QuoteArgument(target));
  Answer("Quillet", "Command added...\r\n\r\nName: " + name + "\r\nPath: " + target, "OK", create->Id());
  ASSERT_TRUE(ClickRow(userList, name));
  const auto key = [](HWND to, WPARAM code) { PostMessageA(to, WM_KEYDOWN, code, 1); };

  key(userList, VK_DELETE);
  Answer("Confirm removal", "Do you want to delete the command: " + name + "?", "No", quillet->Id());
  key(userList, VK_RETURN);
  const auto editor = tools::WaitForDialog("Update Command", kDialogTimeoutMs, quillet->Id());
  ASSERT_TRUE(editor);
  key(GetDlgItem(editor->window, IDC_EDITOR_COMMAND), VK_ESCAPE);
  EXPECT_TRUE(tools::WaitForDialogGone(editor->window, kDialogTimeoutMs));

  // The menu key comes to the window as WM_CONTEXTMENU at (-1, -1); the popup's second item.
  PostMessageA(window, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(userList), MAKELPARAM(-1, -1));
  const HWND popup = tools::WaitForWindow("QuilletActionPopup", quillet->Id(), kDialogTimeoutMs,
                                          [](HWND shown) { return IsWindowVisible(shown) != FALSE; });
  ASSERT_TRUE(popup);
  // Security Settings: the shell is asked for the launcher's Properties sheet, which Wine cannot
  // show (its ShellExecuteEx ignores SEE_MASK_INVOKEIDLIST); the popup is gone, the window goes on.
  for (WPARAM code : {VK_DOWN, VK_DOWN, VK_RETURN}) key(popup, code);
  EXPECT_TRUE(Eventually([&] { return !IsWindowVisible(popup); }));
  Close(*quillet);
}

TEST_F(MainWindowE2e, NothingIsTakenOverWithoutItsQuestion) {
  // The create verb over another program's entry, and over a command, each answered No.
  const std::pair<std::string, std::string> asked[] = {
      {other, "The command: '" + other + "' is a system command, added by other applications than Quillet!\r\n"
              "Do you want to replace it with this command?"},
      {"alpha", "The command: 'alpha' already exists, do want to overwrite it?"}};
  for (const auto& [name, question] : asked) {
    const auto create = Start(name + " C:\\windows\\notepad.exe");
    Answer("Quillet", question, "No", create->Id());
    EXPECT_EQ(create->WaitForExit(), 0u);
  }
  EXPECT_EQ(RegistryText(HKEY_LOCAL_MACHINE, AppPathsSubkey(other)), "C:\\Other\\tool.exe");
  EXPECT_FALSE(FileExists(Generated(other, ".cfg")));
  EXPECT_EQ(ReadFileBytes(Generated("alpha", ".cfg")), DefinitionFileText("alpha", "C:\\Docs\\a.txt", "-a", 1));

  // Quillet's own Run words are not removed from the System list.
  ASSERT_TRUE(tools::ClickListViewRow(GetDlgItem(window, kCategoryPaneId), 1));
  ASSERT_TRUE(ClickRow(GetDlgItem(window, kSystemListId), "create") && tools::PressButton(window, "Remove Command"));
  Answer("Quillet", "The command name 'create' cannot be used.\r\ncreate, remove, clear and quillet are Quillet's own "
         "Run words: they cannot be made into commands or removed.", "OK", quillet->Id());
  EXPECT_TRUE(KeyExists(HKEY_LOCAL_MACHINE, AppPathsSubkey("create")));
  Close(*quillet);
}

}  // namespace
}  // namespace quillet::testing
