#include "ui/main/main_window.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include "store/definition_file.h"
#include "store/store_paths.h"
#include "tests/support/recording_prompt.h"
#include "tests/support/registry_sandbox.h"
#include "tests/support/temp_program_folder.h"
#include "ui/common/twips.h"
#include "ui/main/main_layout.h"
#include "ui/main/main_menu.h"

namespace quillet {
namespace {

std::string ListText(HWND list, int row, int column) {
  char text[256] = {};
  ListView_GetItemText(list, row, column, text, sizeof text);
  return text;
}


std::string MenuText(HMENU menu, int position) {
  char text[128] = {};
  GetMenuStringA(menu, static_cast<UINT>(position), text, sizeof text, MF_BYPOSITION);
  return text;
}

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::AddAppPathsEntry("othertool.exe", "C:\\other\\tool.exe");
    testing::WriteFileBytes(GeneratedFilePath(program.Path(), "notes", ".cfg"),
                            DefinitionFileText("notes", "C:\\notes.txt", "-a", 3));
    testing::WriteFileBytes(GeneratedFilePath(program.Path(), "web", ".cfg"),
                            DefinitionFileText("web", "http://example.com/", "", 1));
    ASSERT_TRUE(window.Create());
    window.FinishNormalStart();
  }

  void Select(MainControl list, int row) {
    ListView_SetItemState(window.Control(list), row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
  }
  void PressKey(MainControl list, WPARAM key) { SendMessageA(window.Control(list), WM_KEYDOWN, key, 0); }
  void ClickCategory(int entry) {
    Select(kCategoryPaneId, entry);
    NMHDR click{window.Control(kCategoryPaneId), static_cast<UINT_PTR>(kCategoryPaneId), static_cast<UINT>(NM_CLICK)};
    SendMessageA(window.Handle(), WM_NOTIFY, kCategoryPaneId, reinterpret_cast<LPARAM>(&click));
  }
  bool Enabled(int menuItem) {
    return !(GetMenuState(GetMenu(window.Handle()), static_cast<UINT>(menuItem), MF_BYCOMMAND) & MF_GRAYED);
  }

  int RowOf(const std::string& name) {
    for (int row = 0; row < 2; ++row) {
      if (ListText(window.Control(kUserListId), row, 0) == name) return row;
    }
    return -1;
  }

  testing::LocalMachineSandbox hklm;
  testing::TempProgramFolder program;
  testing::RecordingPrompt prompt;
  MainWindow window{program.Path(), prompt};
};

TEST_F(MainWindowTest, ListsTheUserCommandsWithCountAndTypeOfTheSelection) {
  const HWND list = window.Control(kUserListId);
  ASSERT_EQ(ListView_GetItemCount(list), 2);
  const int notes = RowOf("notes");
  ASSERT_GE(notes, 0);
  EXPECT_EQ(ListText(list, notes, 1), "C:\\notes.txt");
  EXPECT_EQ(ListText(list, notes, 2), "-a");

  EXPECT_EQ(window.Status(0).text, "Count: 2");
  EXPECT_EQ(window.Status(1).text, "Type: Other");
  ListView_SetItemState(list, notes, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
  EXPECT_EQ(window.Status(1).text, "Type: Textfile");
  ListView_SetItemState(list, 1 - notes, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
  EXPECT_EQ(window.Status(1).text, "Type: URL");
}

TEST_F(MainWindowTest, ColumnsFollowTheWidthAndSmallSizesAreRefused) {
  const HWND window_ = window.Handle();
  const UINT dpi = GetDpiForWindow(window_);
  SetWindowPos(window_, nullptr, 0, 0, 900, 600, SWP_NOMOVE | SWP_NOZORDER);
  const MainLayout expected = LayoutMainWindow(PixelsToTwips(900, dpi), PixelsToTwips(600, dpi));
  const HWND list = window.Control(kUserListId);
  EXPECT_EQ(ListView_GetColumnWidth(list, 0), TwipsToPixels(expected.userColumns.command, dpi));
  EXPECT_EQ(ListView_GetColumnWidth(list, 1), TwipsToPixels(expected.userColumns.path, dpi));
  EXPECT_EQ(ListView_GetColumnWidth(list, 2), TwipsToPixels(expected.userColumns.parameters, dpi));

  SetWindowPos(window_, nullptr, 0, 0, 900, TwipsToPixels(4000, dpi), SWP_NOMOVE | SWP_NOZORDER);
  RECT outer{};
  GetWindowRect(window_, &outer);
  EXPECT_EQ(outer.bottom - outer.top, 600);  // the height before the drag comes back
  EXPECT_EQ(outer.right - outer.left, 900);
}

}  // namespace
}  // namespace quillet

namespace quillet {
namespace {

TEST_F(MainWindowTest, MenuBarHasItsItemsInOrder) {
  const HMENU bar = GetMenu(window.Handle());
  ASSERT_EQ(GetMenuItemCount(bar), 3);
  EXPECT_EQ(MenuText(bar, 0), "&File");
  EXPECT_EQ(MenuText(bar, 1), "&Tools");
  EXPECT_EQ(MenuText(bar, 2), "&Help");
  const HMENU file = GetSubMenu(bar, 0);
  EXPECT_EQ(MenuText(file, 0), "&Add Command\tCtrl+A");
  EXPECT_EQ(MenuText(file, 1), "&Remove Command\tCtrl+R");
  EXPECT_EQ(MenuText(file, 2), "Ex&port Commands...");
  EXPECT_EQ(MenuText(file, 3), "Res&tore Commands...");
  EXPECT_EQ(GetMenuItemID(file, 4), 0u);  // separator
  EXPECT_EQ(MenuText(file, 5), "&Exit");
  const HMENU tools = GetSubMenu(bar, 1);
  EXPECT_EQ(MenuText(tools, 0), "Import Wizards");
  EXPECT_EQ(MenuText(GetSubMenu(tools, 0), 2), "Favorites");
  EXPECT_EQ(MenuText(tools, 1), "Re&pair Commands");
  EXPECT_EQ(MenuText(tools, 3), "&Settings...");
  const HMENU help = GetSubMenu(bar, 2);
  EXPECT_EQ(MenuText(help, 0), "&Help\tF1");
  EXPECT_EQ(MenuText(help, 2), "A&bout...");
}

TEST_F(MainWindowTest, CategoryPaneSwitchesListsButtonsMenusAndStatus) {
  const HWND pane = window.Control(kCategoryPaneId);
  ASSERT_EQ(ListView_GetItemCount(pane), 2);
  EXPECT_EQ(ListText(pane, 0, 0), "My Commands");
  EXPECT_EQ(ListText(pane, 1, 0), "System");
  EXPECT_EQ(window.Status(2).text, "My Commands");

  ClickCategory(1);
  EXPECT_FALSE(IsWindowVisible(window.Control(kUserListId)));
  EXPECT_TRUE(IsWindowVisible(window.Control(kSystemListId)));
  EXPECT_FALSE(IsWindowEnabled(window.Control(kAddButtonId)));
  EXPECT_FALSE(Enabled(kMenuAddCommand));
  EXPECT_FALSE(Enabled(kMenuImport));
  EXPECT_TRUE(Enabled(kMenuRemoveCommand));
  EXPECT_EQ(window.Status(0).text, "Count:");
  EXPECT_EQ(window.Status(1).text, "Type:");
  EXPECT_FALSE(window.Status(0).enabled || window.Status(1).enabled);
  EXPECT_EQ(window.Status(2).text, "System Commands");
  const HWND system = window.Control(kSystemListId);
  bool listed = false;
  for (int row = 0; row < ListView_GetItemCount(system); ++row) {
    listed |= ListText(system, row, 0) == "othertool" && ListText(system, row, 1) == "C:\\other\\tool.exe";
    EXPECT_NE(ListText(system, row, 0), "notes");  // user commands stay out
  }
  EXPECT_TRUE(listed);

  // A subkey added meanwhile shows after the next click.
  testing::AddAppPathsEntry("latecomer.exe", "C:\\late.exe");
  ClickCategory(1);
  EXPECT_EQ(ListView_GetItemCount(system), static_cast<int>(window.SystemCommands().size()));
  EXPECT_GE(window.SystemCommands().size(), 3u);  // othertool, latecomer and the four verbs

  ClickCategory(0);
  EXPECT_TRUE(IsWindowVisible(window.Control(kUserListId)));
  EXPECT_TRUE(Enabled(kMenuAddCommand));
  EXPECT_EQ(window.Status(0).text, "Count: 2");
  EXPECT_TRUE(window.Status(0).enabled && window.Status(1).enabled);
  EXPECT_EQ(window.Status(2).text, "My Commands");
}

TEST_F(MainWindowTest, DeleteKeyAsksAndRemovesTheSelectedUserCommand) {
  PressKey(kUserListId, VK_DELETE);  // nothing selected: nothing asked
  EXPECT_TRUE(prompt.Records().empty());

  const int notes = RowOf("notes");
  Select(kUserListId, notes);
  PressKey(kUserListId, VK_DELETE);  // answered No
  ASSERT_EQ(prompt.Records().size(), 1u);
  EXPECT_EQ(prompt.Records()[0].text, "Do you want to delete the command: notes?");
  EXPECT_EQ(prompt.Records()[0].title, "Confirm removal");
  EXPECT_EQ(prompt.Records()[0].flags, 68u);
  EXPECT_TRUE(testing::FileExists(GeneratedFilePath(program.Path(), "notes", ".cfg")));

  prompt.AnswerButtons({IDYES});
  SendMessageA(window.Handle(), WM_COMMAND, kRemoveButtonId, 0);
  EXPECT_FALSE(testing::FileExists(GeneratedFilePath(program.Path(), "notes", ".cfg")));
  EXPECT_EQ(ListView_GetItemCount(window.Control(kUserListId)), 1);
  EXPECT_EQ(window.Status(0).text, "Count: 1");
}

TEST_F(MainWindowTest, SystemCommandsAreRemovedAfterTheSternerQuestion) {
  ClickCategory(1);
  const auto& rows = window.SystemCommands();
  int row = -1;
  for (std::size_t i = 0; i < rows.size(); ++i) if (rows[i].name == "othertool") row = static_cast<int>(i);
  ASSERT_GE(row, 0);
  Select(kSystemListId, row);
  prompt.AnswerButtons({IDYES});
  PressKey(kSystemListId, VK_DELETE);
  ASSERT_EQ(prompt.Records().size(), 1u);
  EXPECT_EQ(prompt.Records()[0].text,
            "This is a system command, added by other applications than Quillet!\r\n"
            "Are you sure you want to delete the command: othertool?");
  EXPECT_EQ(prompt.Records()[0].flags, 52u);
  EXPECT_FALSE(testing::AppPathsEntryExists("othertool.exe"));
  for (const auto& left : window.SystemCommands()) EXPECT_NE(left.name, "othertool");
  EXPECT_EQ(ListView_GetNextItem(window.Control(kSystemListId), -1, LVNI_SELECTED), -1);
}

TEST_F(MainWindowTest, CtrlRRemovesAndHelpWithoutItsFileSaysSo) {
  Select(kUserListId, 0);
  BYTE keys[256] = {};
  GetKeyboardState(keys);
  keys[VK_CONTROL] = 0x80;
  SetKeyboardState(keys);
  MSG ctrlR{window.Control(kUserListId), WM_KEYDOWN, 'R', 0, 0, {}};
  EXPECT_TRUE(window.TranslateShortcut(ctrlR));
  keys[VK_CONTROL] = 0;
  SetKeyboardState(keys);
  ASSERT_EQ(prompt.Records().size(), 1u);
  EXPECT_EQ(prompt.Records()[0].title, "Confirm removal");

  SendMessageA(window.Handle(), WM_COMMAND, kMenuHelp, 0);
  ASSERT_EQ(prompt.Records().size(), 2u);
  EXPECT_EQ(prompt.Records()[1].text, "Couldn\xB4t locate the program\xB4s HTML Helpfile!");
  EXPECT_EQ(prompt.Records()[1].flags, 64u);
}

TEST_F(MainWindowTest, RowsGetTheirTypeIcons) {
  for (const auto& row : window.UserCommands()) {
    EXPECT_EQ(row.icon, row.name == "notes" ? 9 : 3) << row.name;  // page of text; web
  }
}

TEST_F(MainWindowTest, ExitEndsTheWindow) {
  SendMessageA(window.Handle(), WM_COMMAND, kMenuExit, 0);
  EXPECT_EQ(window.Handle(), nullptr);
}

}  // namespace
}  // namespace quillet

namespace quillet {
namespace {

TEST(MainWindowBadFiles, ListsEveryFileWhateverItHolds) {
  testing::LocalMachineSandbox hklm;
  testing::TempProgramFolder program;
  const auto cfg = [&](const std::string& name) { return GeneratedFilePath(program.Path(), name, ".cfg"); };
  testing::WriteFileBytes(cfg("oneline"), "This is a generated file, do not edit!\r\n");
  testing::WriteFileBytes(cfg("junk"), std::string("\x00\xFF\x01\r\n\x7F\x80\x81\r\n", 10) + std::string(70000, '\x02'));
  testing::WriteFileBytes(cfg("long"), "h\r\n" + std::string(300, 'n') + "\r\n" + std::string(2 << 20, 'p') + "\r\n");
  testing::RecordingPrompt prompt;
  MainWindow window{program.Path(), prompt};
  ASSERT_TRUE(window.Create());
  window.FinishNormalStart();
  const HWND list = window.Control(kUserListId);
  ASSERT_EQ(ListView_GetItemCount(list), 3);
  for (int row = 0; row < 3; ++row) {
    const std::string name = ListText(list, row, 0);
    const std::string path = ListText(list, row, 1);  // cut to the buffer, never past it
    EXPECT_LT(path.size(), 256u);
    EXPECT_TRUE(name == "oneline" || name == std::string(255, 'n') || name == std::string("\x7F\x80\x81")) << name;
  }
  EXPECT_TRUE(prompt.Records().empty());
}

}  // namespace
}  // namespace quillet

namespace quillet {
namespace {

TEST(MainWindowHealth, MarksAndTipsSayWhyACommandCannotWork) {
  testing::LocalMachineSandbox hklm;
  testing::TempProgramFolder program;
  const std::pair<const char*, const char*> commands[] = {
      {"notepad", "C:\\windows\\notepad.exe"}, {"gone", "C:\\nowhere\\gone.txt"}, {"site", "http://example.com/"},
      {"share", "\\\\server\\share\\a.txt"}};
  for (const auto& [name, target] : commands) {
    testing::WriteFileBytes(GeneratedFilePath(program.Path(), name, ".cfg"), DefinitionFileText(name, target, "", 1));
  }
  testing::RecordingPrompt prompt;
  MainWindow window{program.Path(), prompt};
  ASSERT_TRUE(window.Create());
  window.FinishNormalStart();
  const HWND list = window.Control(kUserListId);
  for (int row = 0; row < ListView_GetItemCount(list); ++row) {
    const std::string name = ListText(list, row, 0);
    char tip[512] = {};
    NMLVGETINFOTIPA request{{list, kUserListId, static_cast<UINT>(LVN_GETINFOTIPA)}, 0, tip, sizeof tip, row, 0, 0};
    SendMessageA(window.Handle(), WM_NOTIFY, kUserListId, reinterpret_cast<LPARAM>(&request));
    const UINT overlay = (ListView_GetItemState(list, row, LVIS_OVERLAYMASK) & LVIS_OVERLAYMASK) >> 8;
    if (name == "notepad") {
      EXPECT_EQ(overlay, 1u);
      EXPECT_STREQ(tip, "Windows starts C:\\windows\\notepad.exe when you type 'notepad', not this command.");
    } else if (name == "gone") {
      EXPECT_EQ(overlay, 2u);
      EXPECT_STREQ(tip, "Target not found: C:\\nowhere\\gone.txt");
    } else {  // an address and a network path are never probed
      EXPECT_EQ(overlay, 0u) << name;
      EXPECT_STREQ(tip, "") << name;
    }
  }
}

}  // namespace
}  // namespace quillet
