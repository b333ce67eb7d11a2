// The About and credits boxes, made for real and driven with messages: the links opened through a
// shell that records them, and the credits box over the About box.

#include "ui/settings/about_box.h"

#include <gtest/gtest.h>

#include <thread>

#include "tests/support/recording_shell_launcher.h"
#include "tests/tools/ui_driver.h"
#include "ui/settings/about_ids.h"

namespace quillet {
namespace {

void Click(HWND box, int id) {
  SendMessageA(box, WM_COMMAND, MAKEWPARAM(id, STN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, id)));
}

TEST(AboutBox, OpensItsLinksAndTheCreditsOverItAndCloses) {
  testing::RecordingShellLauncher shell;
  AboutBox box{shell};
  ASSERT_TRUE(box.CreateModeless(nullptr));

  std::optional<tools::DialogInfo> credits;
  HWND owner = nullptr;
  std::thread reader([&] {
    credits = tools::WaitForDialog("Thanks to...", 20000, GetCurrentProcessId());
    if (!credits) return;
    owner = GetWindow(credits->window, GW_OWNER);
    for (int id : {IDC_CREDITS_PARTS_LINK, IDC_CREDITS_ICONS_PAGE, IDC_CREDITS_ICONS_MAIL}) Click(credits->window, id);
    tools::PressButton(credits->window, "Close");
  });
  // The click on "Thanks to" returns once the credits box is closed.
  for (int id : {IDC_ABOUT_MAIL, IDC_ABOUT_HOME, IDC_ABOUT_THANKS}) Click(box.Handle(), id);
  reader.join();
  ASSERT_TRUE(credits.has_value());
  EXPECT_EQ(owner, box.Handle());
  const auto opened = [](HWND from, const std::string& file) { return ShellRequest{from, "open", file, "", "", 9}; };
  EXPECT_EQ(shell.requests,
            (std::vector<ShellRequest>{opened(box.Handle(), "mailto:maintainers@quillet.example?subject=Quillet%202.0"),
                                       opened(box.Handle(), "https://quillet.example/"),
                                       opened(credits->window, "https://quillet.example/"),
                                       opened(credits->window, "http://tango.freedesktop.org/"),
                                       opened(credits->window, "mailto:tango-artists@lists.freedesktop.org")}));
  SendMessageA(box.Handle(), WM_COMMAND, IDCANCEL, 0);
  EXPECT_EQ(box.Handle(), nullptr);
}

}  // namespace
}  // namespace quillet
