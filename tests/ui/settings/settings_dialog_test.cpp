// The settings dialog, made for real and driven with messages. Its title, its OK button and what
// its Add and Remove buttons start are proven end to end, where the real scripts switch the
// Explorer entry; the buttons are found there by their captions.

#include "ui/settings/settings_dialog.h"

#include <gtest/gtest.h>

#include "tests/support/recording_prompt.h"
#include "tests/support/test_store.h"
#include "ui/settings/settings_ids.h"

namespace quillet {
namespace {

TEST(SettingsDialog, TheHelpPictureAndF1OpenTheContextMenuTopic) {
  const std::string folder = "C:\\Program Files\\Quillet";
  testing::RecordingPrompt prompt;
  const StoreContext store(folder, testing::kNativeWriter);
  SettingsDialog dialog{store, prompt};
  ASSERT_TRUE(dialog.CreateModeless(nullptr));
  ShowWindow(dialog.Handle(), SW_SHOW);
  ContextMenuPage& page = dialog.Page();
  SetFocus(page.Item(IDC_CONTEXT_ADD));
  SendMessageA(page.Handle(), WM_COMMAND, MAKEWPARAM(IDC_CONTEXT_HELP_PICTURE, STN_CLICKED),
               reinterpret_cast<LPARAM>(page.Item(IDC_CONTEXT_HELP_PICTURE)));
  EXPECT_EQ(GetFocus(), page.Item(IDC_CONTEXT_HELP));  // the picture hands over to the button
  HELPINFO help{sizeof help, HELPINFO_WINDOW, 0, dialog.Item(IDCANCEL), 0, {}};
  SendMessageA(dialog.Item(IDCANCEL), WM_HELP, 0, reinterpret_cast<LPARAM>(&help));  // as F1 arrives
  std::vector<std::string> opened;
  for (const auto& shown : prompt.HelpTopics()) opened.push_back(shown.helpFile + "|" + std::to_string(shown.topic));
  EXPECT_EQ(opened, std::vector<std::string>(2, folder + "\\quillet.chm|1018"));
}

}  // namespace
}  // namespace quillet
