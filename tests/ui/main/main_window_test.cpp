// The main window, made for real in this process and driven with the messages that the mouse and
// the keyboard would send.

#include "ui/main/main_window.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <thread>

#include "store/definition_file.h"
#include "store/store_paths.h"
#include "tests/support/recording_prompt.h"
#include "tests/support/test_store.h"
#include "tests/tools/control_driver.h"
#include "tests/tools/ui_driver.h"
#include "ui/common/twips.h"
#include "ui/editor/command_editor_ids.h"
#include "ui/main/main_layout.h"
#include "ui/main/main_menu.h"

namespace quillet {
namespace {

std::string TextOf(HWND window) {
  char text[256] = {};
  GetWindowTextA(window, text, sizeof text);
  return text;
}

using Texts = std::vector<std::string>;

// A window with the commands of `definitions` (name, target) and another program's App Paths entry.
class MainWindowTest : public ::testing::Test {
 protected:
  void Open(const std::vector<std::pair<std::string, std::string>>& definitions) {
    testing::AddAppPathsEntry(test.Root(), "othertool.exe", "C:\\other\\tool.exe");
    for (const auto& [name, target] : definitions) {
      testing::WriteFileBytes(test.Cfg(name), DefinitionFileText(name, target, "-a", 3));
    }
    ASSERT_TRUE(window.Create());
    window.FinishNormalStart();
  }
  void SetUp() override { Open({{"notes", "C:\\notes.txt"}, {"web", "http://example.com/"}}); }

  HWND Control(MainControl id) const { return window.Control(id); }
  int SelectedRow(MainControl list) const { return ListView_GetNextItem(Control(list), -1, LVNI_SELECTED); }
  void Select(MainControl list, int row) {
    ListView_SetItemState(Control(list), row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
  }
  std::vector<Texts> Rows(MainControl list, int columns) const { return tools::ReadListViewRows(Control(list), columns); }
  int RowOf(const std::string& name, MainControl list = kUserListId) const {
    const std::vector<Texts> rows = Rows(list, 1);
    const auto found = std::find(rows.begin(), rows.end(), Texts{name});
    return found == rows.end() ? -1 : static_cast<int>(found - rows.begin());
  }
  void Key(MainControl control, WPARAM key, UINT message = WM_KEYDOWN) {
    SetFocus(Control(control));
    SendMessageA(Control(control), message, key, 1);  // a repeat count of 1, as a real key has
  }
  void Notify(MainControl control, UINT code, POINT at = {}) {
    NMITEMACTIVATE event{};
    event.hdr = {Control(control), static_cast<UINT_PTR>(control), code};
    event.ptAction = at;
    SendMessageA(window.Handle(), WM_NOTIFY, control, reinterpret_cast<LPARAM>(&event));
  }
  void Command(int id) { SendMessageA(window.Handle(), WM_COMMAND, static_cast<WPARAM>(id), 0); }
  // The status bar's texts, read as a screen reader reads them; "(grey)" marks a greyed panel.
  std::vector<std::string> Status() const {
    std::vector<std::string> texts;
    for (int panel = 0; panel < 3; ++panel) {
      texts.push_back(tools::StatusBarText(Control(kStatusBarId), panel) + (window.PanelGreyed(panel) ? " (grey)" : ""));
    }
    return texts;
  }
  bool MenuEnabled(int item) const {
    return !(GetMenuState(GetMenu(window.Handle()), static_cast<UINT>(item), MF_BYCOMMAND) & MF_GRAYED);
  }
  bool ShowsSystem() const {
    return IsWindowVisible(Control(kSystemListId)) && !IsWindowVisible(Control(kUserListId)) &&
           !IsWindowEnabled(Control(kAddButtonId)) && !MenuEnabled(kMenuAddCommand) && !MenuEnabled(kMenuImport) &&
           Status() == std::vector<std::string>{"Count: (grey)", "Type: (grey)", "System Commands"};
  }
  HWND EditorWindow() const { return window.Editor() ? window.Editor()->Handle() : nullptr; }
  std::string EditorName() const { return window.Editor()->ItemText(IDC_EDITOR_COMMAND); }

  testing::TestStore test;
  testing::RecordingPrompt prompt;
  MainWindow window{test.store, prompt};
};

// The rows, the first one selected, and the status at the start are the end-to-end test's.
TEST_F(MainWindowTest, StartsWithTheListFocusedAndTypingANameSelectsItsRow) {
  EXPECT_EQ(GetFocus(), Control(kUserListId));
  for (const auto& row : window.UserCommands()) EXPECT_EQ(row.icon, row.name == "notes" ? 9 : 3);  // text; web
  // The lists are virtual: the window answers the list's search for the typed letters.
  Key(kUserListId, static_cast<WPARAM>(toupper(window.UserCommands()[1].name[0])), WM_CHAR);
  EXPECT_EQ(SelectedRow(kUserListId), 1);
}

TEST_F(MainWindowTest, CategoryPaneSwitchesByClickAndByKeys) {
  EXPECT_EQ(Rows(kCategoryPaneId, 1), (std::vector<Texts>{{"My Commands"}, {"System"}}));

  Key(kCategoryPaneId, VK_DOWN);
  EXPECT_TRUE(ShowsSystem());
  EXPECT_EQ(Rows(kSystemListId, 2)[RowOf("othertool", kSystemListId)][1], "C:\\other\\tool.exe");
  EXPECT_EQ(SelectedRow(kSystemListId), 0);

  Key(kCategoryPaneId, VK_UP);
  EXPECT_TRUE(IsWindowVisible(Control(kUserListId)) && MenuEnabled(kMenuAddCommand));
  EXPECT_EQ(Status(), (std::vector<std::string>{"Count: 2", "Type: Textfile", "My Commands"}));

  // A click beside the entries leaves the shown category selected; Space and Enter switch too.
  Select(kCategoryPaneId, 1);
  Key(kCategoryPaneId, VK_SPACE);
  EXPECT_TRUE(ShowsSystem());
  ListView_SetItemState(Control(kCategoryPaneId), -1, 0, LVIS_SELECTED);
  Notify(kCategoryPaneId, NM_CLICK);
  EXPECT_EQ(SelectedRow(kCategoryPaneId), 1);
  EXPECT_TRUE(ShowsSystem());
  testing::AddAppPathsEntry(test.Root(), "latecomer.exe", "C:\\late.exe");  // shows once the category is chosen again
  Command(IDOK);  // by Enter, while the pane has the focus
  EXPECT_GE(RowOf("latecomer", kSystemListId), 0);
}

TEST_F(MainWindowTest, RemovalAsksKeepsARowSelectedAndGivesTheFocusBack) {
  // The question and a No are the end-to-end test's.
  Select(kUserListId, RowOf("notes"));
  prompt.AnswerButtons({IDYES});
  SetFocus(Control(kRemoveButtonId));  // as the click on it leaves it
  Command(kRemoveButtonId);
  EXPECT_FALSE(testing::FileExists(test.Cfg("notes")));
  EXPECT_EQ(Status()[0] + " " + std::to_string(SelectedRow(kUserListId)), "Count: 1 0");
  EXPECT_EQ(GetFocus(), Control(kUserListId));

  // A system command, after the sterner question.
  Select(kCategoryPaneId, 1);  // switches as the arrow keys do
  Select(kSystemListId, RowOf("othertool", kSystemListId));
  prompt.AnswerButtons({IDYES});
  Key(kSystemListId, VK_DELETE);
  EXPECT_EQ(prompt.Summaries().back(),
            "This is a system command, added by other applications than Quillet!\r\n"
            "Are you sure you want to delete the command: othertool?|Confirm removal|52");
  EXPECT_FALSE(testing::AppPathsEntryExists(test.Root(), "othertool.exe"));
  EXPECT_GE(SelectedRow(kSystemListId), 0);
}

TEST_F(MainWindowTest, CtrlRRemovesHelpWithoutItsFileSaysSoAndExitCloses) {
  BYTE keys[256] = {};
  keys[VK_CONTROL] = 0x80;
  SetKeyboardState(keys);
  MSG ctrlR{Control(kUserListId), WM_KEYDOWN, 'R', 0, 0, {}};
  EXPECT_TRUE(window.TranslateShortcut(ctrlR));
  keys[VK_CONTROL] = 0;
  SetKeyboardState(keys);
  Command(kMenuHelp);
  const std::vector<std::string> shown{"Do you want to delete the command: " + window.UserCommands()[0].name +
                                           "?|Confirm removal|68",
                                       "Couldn\xB4t locate the program\xB4s HTML Helpfile!|Quillet|64"};
  EXPECT_EQ(prompt.Summaries(), shown);
  Command(kMenuExit);
  EXPECT_EQ(window.Handle(), nullptr);
}

TEST_F(MainWindowTest, OneEditorAtATimeOpensOnADoubleClickOrEnterAndAddCommandStartsAnEmptyOne) {
  Select(kUserListId, 0);
  Notify(kUserListId, NM_DBLCLK);
  const HWND first = EditorWindow();
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(TextOf(first) + "|" + EditorName(), "Update Command|" + window.UserCommands()[0].name);
  EXPECT_EQ(GetWindow(first, GW_OWNER), window.Handle());
  Select(kUserListId, 1);
  SetFocus(Control(kUserListId));
  Command(IDOK);
  EXPECT_FALSE(IsWindow(first));
  EXPECT_EQ(EditorName(), window.UserCommands()[1].name);

  // The new-command editor is modal: another thread reads it and cancels it.
  const HWND update = EditorWindow();
  std::optional<tools::DialogInfo> added;
  std::thread reader([&] {
    added = tools::WaitForDialog(" New Command", 20000, GetCurrentProcessId());
    if (added) PostMessageA(added->window, WM_COMMAND, IDCANCEL, 0);
  });
  Command(kAddButtonId);
  reader.join();
  EXPECT_FALSE(IsWindow(update));
  EXPECT_EQ(added.value_or(tools::DialogInfo{}).editText + "|" + std::to_string(window.UserCommands().size()), "|2");
}

TEST_F(MainWindowTest, PopupWorksByMouseAndKeys) {
  Select(kUserListId, 1);
  Notify(kUserListId, NM_RCLICK, {10, 20});
  ActionPopup& popup = window.Popup();
  ASSERT_TRUE(IsWindowVisible(popup.Handle()));
  EXPECT_EQ(TextOf(popup.Label(ActionPopup::kHeading)) + "|" + TextOf(popup.Label(ActionPopup::kEditCommand)) + "|" +
                TextOf(popup.Label(ActionPopup::kSecuritySettings)),
            "  " + window.UserCommands()[1].name + "|  Edit Command|  Security Settings");
  for (HWND over : {popup.Label(ActionPopup::kEditCommand), popup.Handle()}) {  // leaving the labels keeps the light
    SendMessageA(popup.Handle(), WM_SETCURSOR, reinterpret_cast<WPARAM>(over), 0);
    EXPECT_EQ(popup.Highlighted(), ActionPopup::kEditCommand);
  }
  SendMessageA(popup.Handle(), WM_ACTIVATE, WA_INACTIVE, 0);  // a click elsewhere
  EXPECT_FALSE(IsWindowVisible(popup.Handle()));
  Notify(kUserListId, NM_RCLICK);
  SendMessageA(popup.Handle(), WM_KEYDOWN, VK_ESCAPE, 0);
  EXPECT_FALSE(IsWindowVisible(popup.Handle()));

  // The menu key opens it from the keyboard; Down, Down, Up and Enter choose Edit Command.
  const HWND list = Control(kUserListId);  // what the menu key and Shift+F10 end in, in the list
  SendMessageA(list, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(list), MAKELPARAM(-1, -1));
  ASSERT_TRUE(IsWindowVisible(popup.Handle()));
  for (WPARAM key : {VK_DOWN, VK_DOWN, VK_UP, VK_RETURN}) SendMessageA(popup.Handle(), WM_KEYDOWN, key, 0);
  EXPECT_FALSE(IsWindowVisible(popup.Handle()));
  ASSERT_NE(EditorWindow(), nullptr);
  EXPECT_EQ(EditorName(), window.UserCommands()[1].name);
}

TEST_F(MainWindowTest, ControlsAndColumnsFollowTheSizeAndSmallSizesAreRefusedEachDimensionOnItsOwn) {
  const UINT dpi = GetDpiForWindow(window.Handle());
  const auto place = [](HWND of) {
    RECT rect{};
    GetWindowRect(of, &rect);
    return rect;
  };
  const RECT frame = place(window.Handle()), button = place(Control(kRemoveButtonId)), help = place(Control(kHelpPictureId));
  SetWindowPos(window.Handle(), nullptr, 0, 0, frame.right - frame.left + 40, 600, SWP_NOMOVE | SWP_NOZORDER);
  const RECT moved = place(Control(kRemoveButtonId));
  EXPECT_EQ(std::pair(moved.left, moved.top - button.top), std::pair(button.left, 600 - (frame.bottom - frame.top)));
  EXPECT_EQ(std::pair(place(Control(kHelpPictureId)).left - help.left, moved.top - button.top),
            std::pair(40L, place(Control(kHelpPictureId)).top - help.top));  // the help picture follows the corner
  // Each list is the outer width less 1705 twips: "Command" 2/10 of it, "Path" 6/10, "Parameter(s)"
  // the rest less 70; in the system list 2.3/10 and 7.7/10 less 355.
  SetWindowPos(window.Handle(), nullptr, 0, 0, TwipsToPixels(13500, dpi), 600, SWP_NOMOVE | SWP_NOZORDER);
  const std::pair<MainControl, std::vector<double>> columns[] = {{kUserListId, {2359, 7077, 2289}},
                                                                 {kSystemListId, {2712.85, 8727.15}}};
  for (const auto& [list, widths] : columns) {
    for (int column = 0; column < static_cast<int>(widths.size()); ++column) {
      EXPECT_EQ(ListView_GetColumnWidth(Control(list), column), TwipsToPixels(widths[column], dpi)) << column;
    }
  }
  SetWindowPos(window.Handle(), nullptr, 0, 0, TwipsToPixels(12000, dpi), TwipsToPixels(4000, dpi),
               SWP_NOMOVE | SWP_NOZORDER);
  const RECT outer = place(window.Handle());
  EXPECT_EQ(std::pair(outer.right - outer.left, outer.bottom - outer.top),
            std::pair(static_cast<LONG>(TwipsToPixels(12000, dpi)), 600L));  // the new width, the height as before
}

TEST_F(MainWindowTest, CategoryEntriesArePlacedAgainForANewDpi) {
  RECT frame{}, user{}, system{};
  GetWindowRect(window.Handle(), &frame);
  SendMessageA(window.Handle(), WM_DPICHANGED, MAKEWPARAM(192, 192), reinterpret_cast<LPARAM>(&frame));
  ListView_GetItemRect(Control(kCategoryPaneId), 0, &user, LVIR_BOUNDS);
  ListView_GetItemRect(Control(kCategoryPaneId), 1, &system, LVIR_BOUNDS);
  EXPECT_GE(system.top, user.bottom);  // below the larger "My Commands", not over it
}

// Opens its window itself, on commands of its own.
struct MainWindowOther : MainWindowTest {
  void SetUp() override {}
};

TEST_F(MainWindowOther, MarksAndTipsSayWhyACommandCannotWork) {
  Open({{"notepad", "C:\\windows\\notepad.exe"}, {"gone", "C:\\nowhere\\gone.txt"}, {"site", "http://example.com/"},
        {"share", "\\\\server\\share\\a.txt"}});
  const HWND list = Control(kUserListId);
  for (int row = 0; row < ListView_GetItemCount(list); ++row) {
    const std::string name = Rows(kUserListId, 1)[row][0];
    char tip[512] = {};
    NMLVGETINFOTIPA request{{list, kUserListId, static_cast<UINT>(LVN_GETINFOTIPA)}, 0, tip, sizeof tip, row, 0, 0};
    SendMessageA(window.Handle(), WM_NOTIFY, kUserListId, reinterpret_cast<LPARAM>(&request));
    const UINT overlay = (ListView_GetItemState(list, row, LVIS_OVERLAYMASK) & LVIS_OVERLAYMASK) >> 8;
    // An address and a network path are never probed.
    const std::map<std::string, std::string> expected{
        {"notepad", "1 Windows starts C:\\windows\\notepad.exe when you type 'notepad', not this command."},
        {"gone", "2 Target not found: C:\\nowhere\\gone.txt"}, {"site", "0 "}, {"share", "0 "}};
    EXPECT_EQ(std::to_string(overlay) + " " + tip, expected.at(name));
  }
}

TEST_F(MainWindowTest, AnEditorBelowItsOwnDialogIsNeitherReplacedNorClosed) {
  Select(kUserListId, 0);
  Notify(kUserListId, NM_DBLCLK);
  const HWND editor = EditorWindow();
  ASSERT_NE(editor, nullptr);
  // While its file dialog is up, another row is opened, a new command asked for and the window closed.
  bool windowTookInput = true;
  prompt.WhileAsking([&] {
    windowTookInput = IsWindowEnabled(window.Handle()) != FALSE;
    Select(kUserListId, 1);
    Notify(kUserListId, NM_DBLCLK);
    Command(kAddButtonId);
    SendMessageA(window.Handle(), WM_CLOSE, 0, 0);
  });
  SendMessageA(editor, WM_COMMAND, IDC_EDITOR_GET_FILE, 0);
  EXPECT_FALSE(windowTookInput);
  EXPECT_TRUE(IsWindow(window.Handle()) && IsWindowEnabled(window.Handle()));
  EXPECT_EQ(EditorWindow(), editor);
  EXPECT_EQ(EditorName(), window.UserCommands()[0].name);
}

TEST_F(MainWindowTest, TheSelectionFollowsItsCommandWhenARowAboveItGoes) {
  testing::WriteFileBytes(test.Cfg("zed"), DefinitionFileText("zed", "C:\\z.txt", "", 1));
  window.OnDue();  // what the store watch starts once the files settle
  ASSERT_EQ(RowOf("web"), 1);  // notes, web, zed
  Select(kUserListId, 1);
  DeleteFileA(test.Cfg("notes").c_str());
  window.OnDue();
  EXPECT_EQ(SelectedRow(kUserListId), RowOf("web"));
  EXPECT_EQ(RowOf("web"), 0);
}

}  // namespace
}  // namespace quillet
