// The About and credits boxes, made for real and driven with messages: their texts as a reader
// of the dialog sees them, and the links opened through a shell that records them.

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

TEST(AboutBox, ShowsItsTextsOpensItsLinksAndTheCreditsOverItAndCloses) {
  testing::RecordingShellLauncher shell;
  AboutBox box{shell};
  ASSERT_TRUE(box.CreateModeless(nullptr));
  const auto shown = tools::WaitForDialog("About...", 5000, GetCurrentProcessId());
  ASSERT_TRUE(shown.has_value());
  EXPECT_EQ(shown->text,
            L"Quillet 2.0\nWritten by the Quillet maintainers\nmaintainers@quillet.example\nhttps://quillet.example/\n"
            L"Thanks to\nCopyright 2026 the Quillet maintainers. This program is provided as is, without warranty of "
            L"any kind.");
  EXPECT_EQ(shown->buttons, std::vector<std::string>{"Close"});

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
  EXPECT_EQ(credits->text,
            L"Folder Tree\nThis program uses its own folder tree, made on the Windows tree-view control, created by\n"
            L"the Quillet maintainers\nVersion 2.0\nIt is a part of Quillet: no third-party control is installed or "
            L"needed.\nhttps://quillet.example/\nFile Icons\nMost of the file-association icons were created and is "
            L"owned  by:\nThe Tango Desktop Project (public domain)\nHis icons are free for personal use and can be "
            L"downloaded at his website.\nhttp://tango.freedesktop.org/\ntango-artists@lists.freedesktop.org");
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
