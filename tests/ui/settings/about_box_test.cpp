// The About and credits boxes, made for real and driven with messages: their texts as a reader
// of the dialog sees them, the links opened through a shell that records them, the pointers and
// the arrow beside "Thanks to".

#include "ui/settings/about_box.h"

#include <gtest/gtest.h>

#include <thread>

#include "resources/resource_ids.h"
#include "tests/support/recording_shell_launcher.h"
#include "tests/tools/ui_driver.h"
#include "ui/settings/about_ids.h"

namespace quillet {
namespace {

HCURSOR ProgramCursor(int id) { return LoadCursorA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id)); }
HCURSOR SystemCursor(int id) { return LoadCursorA(nullptr, MAKEINTRESOURCEA(id)); }

void Click(HWND box, int id) {
  SendMessageA(box, WM_COMMAND, MAKEWPARAM(id, STN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, id)));
}

class AboutBoxTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(box.CreateModeless(nullptr)); }
  // The pointer the box chooses while the mouse is over that child (or the box itself).
  HCURSOR PointerOver(HWND window) {
    SetCursor(nullptr);
    SendMessageA(box.Handle(), WM_SETCURSOR, reinterpret_cast<WPARAM>(window), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    return GetCursor();
  }
  static ShellRequest Opened(HWND owner, const std::string& file) { return {owner, "open", file, "", "", 9}; }

  testing::RecordingShellLauncher shell;
  AboutBox box{shell};
};

TEST_F(AboutBoxTest, ShowsNameAddressesAndNoticeOpensTheAddressesAndCloses) {
  const auto shown = tools::WaitForDialog("About...", 5000, GetCurrentProcessId());
  ASSERT_TRUE(shown.has_value());
  EXPECT_EQ(shown->text,
            L"Quillet 2.0\nWritten by the Quillet maintainers\nmaintainers@quillet.example\nhttps://quillet.example/\n"
            L"Thanks to\nCopyright 2026 the Quillet maintainers. This program is provided as is, without warranty of "
            L"any kind.");
  EXPECT_EQ(shown->buttons, std::vector<std::string>{"Close"});

  Click(box.Handle(), IDC_ABOUT_MAIL);
  Click(box.Handle(), IDC_ABOUT_HOME);
  EXPECT_EQ(shell.requests,
            (std::vector<ShellRequest>{Opened(box.Handle(), "mailto:maintainers@quillet.example?subject=Quillet%202.0"),
                                       Opened(box.Handle(), "https://quillet.example/")}));
  SendMessageA(box.Handle(), WM_COMMAND, IDCANCEL, 0);
  EXPECT_EQ(box.Handle(), nullptr);
}

TEST_F(AboutBoxTest, PointersAndTheArrowFollowTheMouse) {
  const auto arrowShown = [&] { return (GetWindowLongA(box.Item(IDC_ABOUT_ARROW), GWL_STYLE) & WS_VISIBLE) != 0; };
  EXPECT_FALSE(arrowShown());
  EXPECT_EQ(PointerOver(box.Item(IDC_ABOUT_MAIL)), ProgramCursor(IDCUR_MAIL_LINK));
  EXPECT_EQ(PointerOver(box.Item(IDC_ABOUT_HOME)), ProgramCursor(IDCUR_WEB_LINK));
  EXPECT_FALSE(arrowShown());
  EXPECT_EQ(PointerOver(box.Item(IDC_ABOUT_THANKS)), SystemCursor(32649));  // IDC_HAND
  EXPECT_TRUE(arrowShown());
  PointerOver(box.Item(IDC_ABOUT_HOME));
  EXPECT_FALSE(arrowShown());
  PointerOver(box.Item(IDC_ABOUT_THANKS));
  PointerOver(box.Handle());  // the box, its picture and its plain texts let the mouse through to it
  EXPECT_FALSE(arrowShown());
  EXPECT_EQ(PointerOver(box.Item(IDCANCEL)), SystemCursor(32512));  // IDC_ARROW, as the button has it
}

TEST_F(AboutBoxTest, ThanksToShowsTheCreditsOverTheBoxAndTheirLinksOpen) {
  std::optional<tools::DialogInfo> credits;
  HWND owner = nullptr;
  std::thread reader([&] {
    credits = tools::WaitForDialog("Thanks to...", 20000, GetCurrentProcessId());
    if (!credits) return;
    owner = GetWindow(credits->window, GW_OWNER);
    for (int id : {IDC_CREDITS_PARTS_LINK, IDC_CREDITS_ICONS_PAGE, IDC_CREDITS_ICONS_MAIL}) Click(credits->window, id);
    tools::PressButton(credits->window, "Close");
  });
  Click(box.Handle(), IDC_ABOUT_THANKS);  // returns once the credits box is closed
  reader.join();
  ASSERT_TRUE(credits.has_value());
  EXPECT_EQ(owner, box.Handle());
  EXPECT_EQ(credits->text,
            L"Folder Tree\n"
            L"This program uses its own folder tree, made on the Windows tree-view control, created by\n"
            L"the Quillet maintainers\nVersion 2.0\n"
            L"It is a part of Quillet: no third-party control is installed or needed.\n"
            L"https://quillet.example/\n"
            L"File Icons\n"
            L"Most of the file-association icons were created and is owned  by:\n"
            L"The Tango Desktop Project (public domain)\n"
            L"His icons are free for personal use and can be downloaded at his website.\n"
            L"http://tango.freedesktop.org/\n"
            L"tango-artists@lists.freedesktop.org");
  EXPECT_EQ(shell.requests,
            (std::vector<ShellRequest>{Opened(credits->window, "https://quillet.example/"),
                                       Opened(credits->window, "http://tango.freedesktop.org/"),
                                       Opened(credits->window, "mailto:tango-artists@lists.freedesktop.org")}));
}

}  // namespace
}  // namespace quillet
