// The real main window, read and driven from another process.

#include <algorithm>
#include <functional>
#include <map>

#include "store/definition_file.h"
#include "store/store_paths.h"
#include "tests/e2e/e2e_support.h"
#include "tests/support/registry_sandbox.h"
#include "tests/tools/control_driver.h"
#include "ui/main/main_layout.h"

namespace quillet::testing {
namespace {

using Rows = std::vector<std::vector<std::string>>;

// Waits until the list's names satisfy `wanted`.
bool ListShows(HWND list, const std::function<bool(const std::vector<std::string>&)>& wanted) {
  return Eventually([&] {
    std::vector<std::string> names;
    for (const auto& row : tools::ReadListViewRows(list, 1)) names.push_back(row[0]);
    return wanted(names);
  });
}
bool Lists(const std::vector<std::string>& names, const std::string& name) {
  return std::find(names.begin(), names.end(), name) != names.end();
}

class MainWindowE2e : public E2eTest {
 protected:
  MainWindowE2e() {
    for (const auto& row : commands) {
      WriteFileBytes(Generated(row[0], ".cfg"), DefinitionFileText(row[0], row[1], row[2], 1));
    }
    AddAppPathsEntry(other + ".exe", "C:\\Other\\tool.exe");
  }

  Rows commands{{"alpha", "C:\\Docs\\a.txt", "-a"}, {"beta", "C:\\Tools\\", ""}, {"gamma", "http://example.com/", "x y"}};
  std::string other = NewName("sys");
  std::unique_ptr<ChildProcess> quillet = Start();
  HWND window = MainWindow(*quillet);
  HWND userList = GetDlgItem(window, kUserListId);
};

TEST_F(MainWindowE2e, ListsTheCommandsAndRemovesOneThroughTheRealQuestion) {
  // The design's client area, below the menu bar, and the status texts as screen readers read them.
  RECT client{};
  GetClientRect(window, &client);
  const UINT dpi = GetDpiForWindow(window);
  EXPECT_EQ(client.right, MulDiv(kDesignClientWidth, static_cast<int>(dpi), 1440));
  EXPECT_EQ(client.bottom, MulDiv(kDesignClientHeight, static_cast<int>(dpi), 1440));
  const HWND status = GetDlgItem(window, kStatusBarId);
  ASSERT_TRUE(ListShows(userList, [](const auto& names) { return names.size() == 3; }));  // filled once shown
  Rows shown = tools::ReadListViewRows(userList, 3);
  ASSERT_EQ(shown.size(), 3u);
  const std::map<std::string, std::string> types{{"alpha", "Textfile"}, {"beta", "Folder"}, {"gamma", "URL"}};
  const std::pair<int, std::string> panels[] = {{0, "Count: 3"}, {1, "Type: " + types.at(shown[0][0])}, {2, "My Commands"}};
  for (const auto& [panel, text] : panels) {
    EXPECT_EQ(tools::StatusBarText(status, panel), text) << panel;  // the first row is selected at the start
  }
  std::sort(shown.begin(), shown.end());
  EXPECT_EQ(shown, commands);

  const Rows unsorted = tools::ReadListViewRows(userList, 1);
  const auto beta = std::find(unsorted.begin(), unsorted.end(), std::vector<std::string>{"beta"}) - unsorted.begin();
  ASSERT_TRUE(tools::SelectListViewRow(userList, static_cast<int>(beta)));
  PostMessageA(window, WM_COMMAND, kRemoveButtonId, 0);
  Answer("Confirm removal", "Do you want to delete the command: beta?", "Yes", quillet->Id());
  EXPECT_TRUE(ListShows(userList, [](const auto& names) { return names.size() == 2 && !Lists(names, "beta"); }));
  EXPECT_FALSE(FileExists(Generated("beta", ".cfg")));

  // The system category, clicked: the other program's entry is there, the user commands are not.
  ASSERT_TRUE(tools::ClickListViewRow(GetDlgItem(window, kCategoryPaneId), 1));
  const HWND systemList = GetDlgItem(window, kSystemListId);
  EXPECT_TRUE(ListShows(systemList, [&](const auto& names) { return Lists(names, other) && !Lists(names, "alpha"); }));
  Close(*quillet);
}

TEST_F(MainWindowE2e, CommandsMadeAndRemovedElsewhereShowWithoutARestart) {
  const std::string made = NewName("late");
  const auto create = Start(made + " C:\\windows\\notepad.exe");
  Answer("Quillet", "Command added...\r\n\r\nName: " + made + "\r\nPath: C:\\windows\\notepad.exe", "OK", create->Id());
  EXPECT_TRUE(ListShows(userList, [&](const auto& names) { return Lists(names, made); }));
  const auto remove = Start(made);
  Answer("Quillet", "The command: ' " + made + " ' was removed.", "OK", remove->Id());
  EXPECT_TRUE(ListShows(userList, [&](const auto& names) { return !Lists(names, made) && names.size() == 3; }));

  // Another program's entry shows in the system list while it is open.
  ASSERT_TRUE(tools::ClickListViewRow(GetDlgItem(window, kCategoryPaneId), 1));
  const std::string later = NewName("other");
  AddAppPathsEntry(later + ".exe", "C:\\later.exe");
  EXPECT_TRUE(ListShows(GetDlgItem(window, kSystemListId), [&](const auto& names) { return Lists(names, later); }));
  Close(*quillet);
}

}  // namespace
}  // namespace quillet::testing
