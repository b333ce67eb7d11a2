// The real main window, read and driven from another process.

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "store/definition_file.h"
#include "store/store_paths.h"
#include "tests/e2e/e2e_support.h"
#include "tools/list_view_reader.h"
#include "ui/main/main_window.h"

namespace quillet::testing {
namespace {

using tools::MessageIcon;
using Rows = std::vector<std::vector<std::string>>;

class MainWindowE2e : public ::testing::Test {
 protected:
  void SetUp() override {
    SetFirstStartDone(true);
    for (const auto& row : commands) {
      WriteFileBytes(program.Generated(row[0], ".cfg"), DefinitionFileText(row[0], row[1], row[2], 1));
    }
    HKEY key = nullptr;
    RegCreateKeyExA(HKEY_LOCAL_MACHINE, AppPathsSubkey(systemName).c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key,
                    nullptr);
    const std::string target = "C:\\Other\\tool.exe";
    RegSetValueExA(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(target.c_str()),
                   static_cast<DWORD>(target.size() + 1));
    RegCloseKey(key);
  }
  void TearDown() override { RegDeleteKeyA(HKEY_LOCAL_MACHINE, AppPathsSubkey(systemName).c_str()); }

  InstalledProgram program;
  std::string systemName = UniqueName("sys");
  Rows commands{{"alpha", "C:\\Docs\\a.txt", "-a"}, {"beta", "C:\\Tools\\", ""}, {"gamma", "http://example.com/", "x y"}};
};

TEST_F(MainWindowE2e, ListsTheCommandsAndRemovesOneThroughTheRealQuestion) {
  const auto quillet = program.Start("");
  const HWND window = WaitForMainWindow(quillet->Id());
  ASSERT_NE(window, nullptr);
  const HWND userList = GetDlgItem(window, kUserListId);
  Rows shown = tools::ReadListViewRows(userList, 3);
  std::sort(shown.begin(), shown.end());
  EXPECT_EQ(shown, commands);
  EXPECT_FALSE(IsWindowVisible(GetDlgItem(window, kSystemListId)));

  int beta = -1;
  const Rows unsorted = tools::ReadListViewRows(userList, 1);
  for (std::size_t row = 0; row < unsorted.size(); ++row) {
    if (unsorted[row][0] == "beta") beta = static_cast<int>(row);
  }
  ASSERT_TRUE(tools::SelectListViewRow(userList, beta));
  PostMessageA(window, WM_COMMAND, kRemoveButtonId, 0);
  AnswerDialog(quillet->Id(), "Confirm removal", "Do you want to delete the command: beta?", MessageIcon::Information,
               "Yes");
  for (int i = 0; i < 100 && FileExists(program.Generated("beta", ".cfg")); ++i) Sleep(50);
  EXPECT_FALSE(FileExists(program.Generated("beta", ".cfg")));
  EXPECT_EQ(tools::ReadListViewRows(userList, 1).size(), 2u);

  // The system category, clicked: the other program's entry is there, the user commands are not.
  ASSERT_TRUE(tools::ClickListViewRow(GetDlgItem(window, kCategoryPaneId), 1));
  const HWND systemList = GetDlgItem(window, kSystemListId);
  for (int i = 0; i < 100 && !IsWindowVisible(systemList); ++i) Sleep(50);
  ASSERT_TRUE(IsWindowVisible(systemList));
  const std::vector<std::string> expected{systemName, "C:\\Other\\tool.exe"};
  const Rows system = tools::ReadListViewRows(systemList, 2);
  EXPECT_NE(std::find(system.begin(), system.end(), expected), system.end());
  for (const auto& row : system) EXPECT_NE(row[0], "alpha");

  PostMessageA(window, WM_CLOSE, 0, 0);
  EXPECT_EQ(quillet->WaitForExit(), 0u);
}

}  // namespace
}  // namespace quillet::testing

namespace quillet::testing {
namespace {

// Waits until the list's first column is what `wanted` says.
bool ListShows(HWND list, const std::function<bool(const std::vector<std::string>&)>& wanted) {
  for (int i = 0; i < 200; ++i, Sleep(50)) {
    std::vector<std::string> names;
    for (const auto& row : tools::ReadListViewRows(list, 1)) names.push_back(row[0]);
    if (wanted(names)) return true;
  }
  return false;
}

TEST_F(MainWindowE2e, CommandsMadeAndRemovedElsewhereShowWithoutARestart) {
  const auto quillet = program.Start("");
  const HWND window = WaitForMainWindow(quillet->Id());
  ASSERT_NE(window, nullptr);
  const HWND userList = GetDlgItem(window, kUserListId);
  const std::string made = UniqueName("late");
  const auto contains = [&](const std::vector<std::string>& names) {
    return std::find(names.begin(), names.end(), made) != names.end();
  };

  const auto create = program.Start(made + " C:\\windows\\notepad.exe");
  AnswerDialog(create->Id(), "Quillet", "Command added...\r\n\r\nName: " + made + "\r\nPath: C:\\windows\\notepad.exe",
               MessageIcon::None, "OK");
  EXPECT_TRUE(ListShows(userList, contains));
  const auto remove = program.Start(made);
  AnswerDialog(remove->Id(), "Quillet", "The command: ' " + made + " ' was removed.", MessageIcon::None, "OK");
  EXPECT_TRUE(ListShows(userList, [&](const auto& names) { return !contains(names) && names.size() == 3; }));

  // Another program's entry shows in the system list while it is open.
  ASSERT_TRUE(tools::ClickListViewRow(GetDlgItem(window, kCategoryPaneId), 1));
  const std::string other = UniqueName("other");
  HKEY key = nullptr;
  RegCreateKeyExA(HKEY_LOCAL_MACHINE, AppPathsSubkey(other).c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr);
  RegCloseKey(key);
  EXPECT_TRUE(ListShows(GetDlgItem(window, kSystemListId),
                        [&](const auto& names) { return std::find(names.begin(), names.end(), other) != names.end(); }));
  RegDeleteKeyA(HKEY_LOCAL_MACHINE, AppPathsSubkey(other).c_str());

  PostMessageA(window, WM_CLOSE, 0, 0);
  EXPECT_EQ(quillet->WaitForExit(), 0u);
}

}  // namespace
}  // namespace quillet::testing
