// The main window's ways into the editor: double-click, the popup and Add Command.

#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include "store/definition_file.h"
#include "store/store_paths.h"
#include "tests/support/recording_prompt.h"
#include "tests/support/registry_sandbox.h"
#include "tests/support/temp_program_folder.h"
#include "ui/common/twips.h"
#include "ui/editor/command_editor_ids.h"
#include "ui/main/main_window.h"

namespace quillet {
namespace {

std::string TextOf(HWND window) {
  char text[256] = {};
  GetWindowTextA(window, text, sizeof text);
  return text;
}

class MainWindowEditing : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* name : {"alpha", "beta"}) {
      testing::WriteFileBytes(GeneratedFilePath(program.Path(), name, ".cfg"),
                              DefinitionFileText(name, std::string("C:\\") + name + ".txt", "-a", 3));
    }
    ASSERT_TRUE(window.Create());
    window.FinishNormalStart();
  }
  void SelectUserRow(int row) {
    ListView_SetItemState(window.Control(kUserListId), row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
  }
  void Notify(UINT code, POINT at = {}) {
    NMITEMACTIVATE event{};
    event.hdr = {window.Control(kUserListId), static_cast<UINT_PTR>(kUserListId), code};
    event.ptAction = at;
    SendMessageA(window.Handle(), WM_NOTIFY, kUserListId, reinterpret_cast<LPARAM>(&event));
  }
  std::string RowName(int row) { return window.UserCommands()[static_cast<std::size_t>(row)].name; }
  HWND EditorWindow() { return window.Editor() ? window.Editor()->Handle() : nullptr; }

  testing::LocalMachineSandbox hklm;
  testing::TempProgramFolder program;
  testing::RecordingPrompt prompt;
  MainWindow window{program.Path(), prompt};
};

TEST_F(MainWindowEditing, DoubleClickOpensTheSelectedCommandAndReplacesAnOpenEditor) {
  Notify(NM_DBLCLK);  // no row selected: nothing opens
  EXPECT_EQ(EditorWindow(), nullptr);
  SelectUserRow(0);
  Notify(NM_DBLCLK);
  const HWND first = EditorWindow();
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(TextOf(first), "Update Command");
  EXPECT_EQ(GetWindow(first, GW_OWNER), window.Handle());
  EXPECT_EQ(window.Editor()->ItemText(IDC_EDITOR_COMMAND), RowName(0));

  SelectUserRow(1);
  Notify(NM_DBLCLK);
  EXPECT_FALSE(IsWindow(first));
  EXPECT_EQ(window.Editor()->ItemText(IDC_EDITOR_COMMAND), RowName(1));
}

TEST_F(MainWindowEditing, PopupOpensBesideTheMouseAndItsItemsAct) {
  SelectUserRow(1);
  Notify(NM_RCLICK, {10, 20});
  ActionPopup& popup = window.Popup();
  ASSERT_TRUE(IsWindowVisible(popup.Handle()));
  RECT main{}, at{};
  GetWindowRect(window.Handle(), &main);
  GetWindowRect(popup.Handle(), &at);
  const UINT dpi = GetDpiForWindow(window.Handle());
  EXPECT_EQ(at.left, main.left + 10 + TwipsToPixels(1600, dpi));
  EXPECT_EQ(at.top, main.top + 20 + TwipsToPixels(650, dpi));
  EXPECT_EQ(TextOf(popup.Label(ActionPopup::kHeading)), "  " + RowName(1));
  EXPECT_EQ(TextOf(popup.Label(ActionPopup::kEditCommand)), "  Edit Command");
  EXPECT_EQ(TextOf(popup.Label(ActionPopup::kSecuritySettings)), "  Security Settings");

  SendMessageA(popup.Handle(), WM_SETCURSOR, reinterpret_cast<WPARAM>(popup.Label(ActionPopup::kEditCommand)), 0);
  EXPECT_EQ(popup.Highlighted(), ActionPopup::kEditCommand);
  SendMessageA(popup.Handle(), WM_SETCURSOR, reinterpret_cast<WPARAM>(popup.Handle()), 0);
  EXPECT_EQ(popup.Highlighted(), ActionPopup::kEditCommand);  // leaving the labels keeps the light

  const auto click = [&](ActionPopup::Item item) {
    SendMessageA(popup.Handle(), WM_COMMAND, MAKEWPARAM(10 + item, STN_CLICKED),
                 reinterpret_cast<LPARAM>(popup.Label(item)));
  };
  click(ActionPopup::kHeading);
  EXPECT_FALSE(IsWindowVisible(popup.Handle()));
  EXPECT_EQ(EditorWindow(), nullptr);

  Notify(NM_RCLICK, {0, 0});
  SendMessageA(popup.Handle(), WM_ACTIVATE, WA_INACTIVE, 0);  // a click elsewhere
  EXPECT_FALSE(IsWindowVisible(popup.Handle()));

  Notify(NM_RCLICK, {0, 0});
  click(ActionPopup::kEditCommand);
  EXPECT_FALSE(IsWindowVisible(popup.Handle()));
  ASSERT_NE(EditorWindow(), nullptr);
  EXPECT_EQ(window.Editor()->ItemText(IDC_EDITOR_COMMAND), RowName(1));
}

// The new-command editor is modal: a timer, run by its message loop, looks at it and cancels it.
struct ModalSeen {
  std::string caption;
  std::string name;
};
ModalSeen* seen = nullptr;

void CALLBACK CancelNewCommandEditor(HWND, UINT, UINT_PTR timer, DWORD) {
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND dialog, LPARAM) -> BOOL {
        if (TextOf(dialog) != " New Command" || !IsWindowVisible(dialog)) return TRUE;
        seen->caption = TextOf(dialog);
        seen->name = TextOf(GetDlgItem(dialog, IDC_EDITOR_COMMAND));
        PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
        return FALSE;
      },
      0);
  if (!seen->caption.empty()) KillTimer(nullptr, timer);
}

TEST_F(MainWindowEditing, AddCommandClosesAnUpdateEditorAndOpensAnEmptyOne) {
  SelectUserRow(0);
  Notify(NM_DBLCLK);
  const HWND update = EditorWindow();
  ModalSeen modal;
  seen = &modal;
  SetTimer(nullptr, 0, 50, CancelNewCommandEditor);
  SendMessageA(window.Handle(), WM_COMMAND, kAddButtonId, 0);
  EXPECT_FALSE(IsWindow(update));
  EXPECT_EQ(modal.caption, " New Command");
  EXPECT_EQ(modal.name, "");
  EXPECT_EQ(window.UserCommands().size(), 2u);
}

}  // namespace
}  // namespace quillet
