// The settings dialog, made for real and driven with messages; the scripts go to a shell that
// records them.

#include "ui/settings/settings_dialog.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include "tests/support/recording_prompt.h"
#include "tests/support/recording_shell_launcher.h"
#include "ui/settings/settings_ids.h"

namespace quillet {
namespace {

class SettingsDialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dialog.CreateModeless(nullptr));
    ShowWindow(dialog.Handle(), SW_SHOW);
  }
  void Click(int id, int code = BN_CLICKED) {
    SendMessageA(page.Handle(), WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(page.Item(id)));
  }

  const std::string folder = "C:\\Program Files\\Quillet";
  testing::RecordingPrompt prompt;
  testing::RecordingShellLauncher shell;
  SettingsDialog dialog{folder, prompt, shell};
  ContextMenuPage& page = dialog.Page();
};

TEST_F(SettingsDialogTest, ShowsItsOnePageWithItsTexts) {
  char text[64] = {};
  GetWindowTextA(dialog.Handle(), text, sizeof text);
  EXPECT_STREQ(text, "Settings");
  const HWND tabs = dialog.Item(IDC_SETTINGS_TABS);
  TCITEMA tab{};
  tab.mask = TCIF_TEXT;
  tab.pszText = text;
  tab.cchTextMax = sizeof text;
  ASSERT_EQ(TabCtrl_GetItemCount(tabs), 1);
  ASSERT_TRUE(TabCtrl_GetItem(tabs, 0, &tab));
  EXPECT_STREQ(text, "Context Menu");
  EXPECT_TRUE(IsWindowVisible(page.Handle()));

  const std::pair<int, std::string> texts[] = {
      {IDC_CONTEXT_FRAME, " Right-click Context Menu "},
      {IDC_CONTEXT_HEADING, "Context Menu - Settings"},
      {IDC_CONTEXT_TEXT,
       "This will add/remove a right-click feature called 'Create Shortcut Command' to common files and folders "
       "that will speed up the process of creating commands. When enabled, right-click any file/folder in Explorer, "
       "select 'Create Shortcut Command', type in a command name and you\xB4re done."},
      {IDC_CONTEXT_ADD, "Add Context Menu"},
      {IDC_CONTEXT_REMOVE, "Remove Context Menu"},
      {IDC_CONTEXT_HELP, "Help on the context menu"},  // not shown; read out by screen readers
  };
  for (const auto& [id, expected] : texts) EXPECT_EQ(page.ItemText(id), expected) << id;
  EXPECT_EQ(dialog.ItemText(IDOK), "OK");
  EXPECT_EQ(dialog.ItemText(IDCANCEL), "Cancel");
}

TEST_F(SettingsDialogTest, EachPressStartsItsScriptAndTheDialogStaysOpen) {
  for (int id : {IDC_CONTEXT_ADD, IDC_CONTEXT_ADD, IDC_CONTEXT_REMOVE}) Click(id);
  const auto script = [&](const char* file) {
    return ShellRequest{dialog.Handle(), "open", folder + "\\" + file, "", "", 9};
  };
  EXPECT_EQ(shell.requests, (std::vector<ShellRequest>{script("addcontextmenu.vbs"), script("addcontextmenu.vbs"),
                                                       script("removecontextmenu.vbs")}));
  EXPECT_NE(dialog.Handle(), nullptr);
  EXPECT_TRUE(prompt.Records().empty());
  SendMessageA(dialog.Handle(), WM_COMMAND, IDOK, 0);
  EXPECT_EQ(dialog.Handle(), nullptr);
  EXPECT_EQ(shell.requests.size(), 3u);
}

TEST_F(SettingsDialogTest, HelpButtonPictureAndF1OpenTheContextMenuTopic) {
  Click(IDC_CONTEXT_HELP);
  SetFocus(page.Item(IDC_CONTEXT_ADD));
  Click(IDC_CONTEXT_HELP_PICTURE, STN_CLICKED);
  EXPECT_EQ(GetFocus(), page.Item(IDC_CONTEXT_HELP));
  for (HWND focused : {page.Item(IDC_CONTEXT_REMOVE), dialog.Item(IDCANCEL)}) {
    HELPINFO help{sizeof help, HELPINFO_WINDOW, 0, focused, 0, {}};
    SendMessageA(focused, WM_HELP, 0, reinterpret_cast<LPARAM>(&help));  // as F1 arrives
  }
  ASSERT_EQ(prompt.HelpTopics().size(), 4u);
  for (const auto& help : prompt.HelpTopics()) {
    EXPECT_EQ(help.topic, 1018);
    EXPECT_EQ(help.helpFile, folder + "\\quillet.chm");
  }
}

}  // namespace
}  // namespace quillet
