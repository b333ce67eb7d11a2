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

namespace quillet {
namespace {

std::string ListText(HWND list, int row, int column) {
  char text[256] = {};
  ListView_GetItemText(list, row, column, text, sizeof text);
  return text;
}

std::string StatusText(HWND status, int panel) {
  char text[256] = {};
  SendMessageA(status, SB_GETTEXTA, panel, reinterpret_cast<LPARAM>(text));
  return text;
}

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::WriteFileBytes(GeneratedFilePath(program.Path(), "notes", ".cfg"),
                            DefinitionFileText("notes", "C:\\notes.txt", "-a", 3));
    testing::WriteFileBytes(GeneratedFilePath(program.Path(), "web", ".cfg"),
                            DefinitionFileText("web", "http://example.com/", "", 1));
    ASSERT_TRUE(window.Create());
    window.FinishNormalStart(store);
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
  StoreContext store{program.Path(), nullptr, prompt};
  MainWindow window;
};

TEST_F(MainWindowTest, ListsTheUserCommandsWithCountAndTypeOfTheSelection) {
  const HWND list = window.Control(kUserListId);
  ASSERT_EQ(ListView_GetItemCount(list), 2);
  const int notes = RowOf("notes");
  ASSERT_GE(notes, 0);
  EXPECT_EQ(ListText(list, notes, 1), "C:\\notes.txt");
  EXPECT_EQ(ListText(list, notes, 2), "-a");

  const HWND status = window.Control(kStatusBarId);
  EXPECT_EQ(StatusText(status, 0), "Count: 2");
  EXPECT_EQ(StatusText(status, 1), "Type: Other");
  ListView_SetItemState(list, notes, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
  EXPECT_EQ(StatusText(status, 1), "Type: Textfile");
  ListView_SetItemState(list, 1 - notes, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
  EXPECT_EQ(StatusText(status, 1), "Type: URL");
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
