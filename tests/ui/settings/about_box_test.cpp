// The About and credits boxes, made for real and driven with messages: their texts as a reader
// of the dialog sees them, the links opened through a shell that records them, the pointers and
// the arrow beside "Thanks to".

#include "ui/settings/about_box.h"

#include <gtest/gtest.h>

#include <thread>

#include "resources/resource_ids.h"
#include "tests/support/recording_shell_launcher.h"
#include "tools/ui_driver.h"
#include "ui/settings/about_ids.h"
#include "ui/settings/credits_box.h"

namespace quillet {
namespace {

const std::string kCreditsText =
    "Folder Tree\n"
    "This program uses its own folder tree, made on the Windows tree-view control, created by\n"
    "the Quillet maintainers\nVersion 2.0\n"
    "It is a part of Quillet: no third-party control is installed or needed.\n"
    "https://quillet.example/\n"
    "File Icons\n"
    "Most of the file-association icons were created and is owned  by:\n"
    "The Tango Desktop Project (public domain)\n"
    "His icons are free for personal use and can be downloaded at his website.\n"
    "http://tango.freedesktop.org/\n"
    "tango-artists@lists.freedesktop.org";

HCURSOR ProgramCursor(int id) { return LoadCursorA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id)); }

template <typename Box>
class InformationBoxTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(box.CreateModeless(nullptr)); }
  void Click(int id) {
    SendMessageA(box.Handle(), WM_COMMAND, MAKEWPARAM(id, STN_CLICKED), reinterpret_cast<LPARAM>(box.Item(id)));
  }
  // The pointer the box chooses while the mouse is over that child (or the box itself).
  HCURSOR PointerOver(HWND window) {
    SetCursor(nullptr);
    SendMessageA(box.Handle(), WM_SETCURSOR, reinterpret_cast<WPARAM>(window), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    return GetCursor();
  }
  std::vector<ShellRequest> Opened(std::initializer_list<std::string> files) {
    std::vector<ShellRequest> requests;
    for (const std::string& file : files) requests.push_back({box.Handle(), "open", file, "", "", 9});
    return requests;
  }

  testing::RecordingShellLauncher shell;
  Box box{shell};
};

using AboutBoxTest = InformationBoxTest<AboutBox>;
using CreditsBoxTest = InformationBoxTest<CreditsBox>;

TEST_F(AboutBoxTest, ShowsNameAddressesAndNoticeAndOpensTheAddresses) {
  const auto shown = tools::ReadDialog(box.Handle());
  ASSERT_TRUE(shown.has_value());
  EXPECT_EQ(shown->title, "About...");
  EXPECT_EQ(shown->text,
            "Quillet 2.0\nWritten by the Quillet maintainers\nmaintainers@quillet.example\nhttps://quillet.example/\n"
            "Thanks to\nCopyright 2026 the Quillet maintainers. This program is provided as is, without warranty of "
            "any kind.");
  EXPECT_EQ(shown->buttons, std::vector<std::string>{"Close"});

  Click(IDC_ABOUT_MAIL);
  Click(IDC_ABOUT_HOME);
  EXPECT_EQ(shell.requests,
            Opened({"mailto:maintainers@quillet.example?subject=Quillet%202.0", "https://quillet.example/"}));
}

TEST_F(AboutBoxTest, PointersAndTheArrowFollowTheMouse) {
  const auto arrowShown = [&] { return (GetWindowLongA(box.Item(IDC_ABOUT_ARROW), GWL_STYLE) & WS_VISIBLE) != 0; };
  EXPECT_FALSE(arrowShown());
  EXPECT_EQ(PointerOver(box.Item(IDC_ABOUT_MAIL)), ProgramCursor(IDCUR_MAIL_LINK));
  EXPECT_EQ(PointerOver(box.Item(IDC_ABOUT_HOME)), ProgramCursor(IDCUR_WEB_LINK));
  EXPECT_FALSE(arrowShown());
  EXPECT_EQ(PointerOver(box.Item(IDC_ABOUT_THANKS)), LoadCursorA(nullptr, MAKEINTRESOURCEA(32649)));  // IDC_HAND
  EXPECT_TRUE(arrowShown());
  PointerOver(box.Item(IDC_ABOUT_HOME));
  EXPECT_FALSE(arrowShown());
  PointerOver(box.Item(IDC_ABOUT_THANKS));
  PointerOver(box.Handle());  // the box, its picture and its plain texts let the mouse through to it
  EXPECT_FALSE(arrowShown());
}

TEST_F(AboutBoxTest, CloseClosesAndThanksToShowsTheCreditsOverTheBox) {
  std::optional<tools::DialogInfo> credits;
  HWND owner = nullptr;
  std::thread reader([&] {
    credits = tools::WaitForDialog("Thanks to...", 20000, GetCurrentProcessId());
    if (!credits) return;
    owner = GetWindow(credits->window, GW_OWNER);
    tools::PressButton(credits->window, "Close");
  });
  Click(IDC_ABOUT_THANKS);  // returns once the credits box is closed
  reader.join();
  ASSERT_TRUE(credits.has_value());
  EXPECT_EQ(credits->text, kCreditsText);
  EXPECT_EQ(owner, box.Handle());

  SendMessageA(box.Handle(), WM_COMMAND, IDCANCEL, 0);
  EXPECT_EQ(box.Handle(), nullptr);
  EXPECT_TRUE(shell.requests.empty());
}

TEST_F(CreditsBoxTest, LinksOpenTheirAddressesUnderTheirPointers) {
  EXPECT_EQ(tools::ReadDialog(box.Handle())->text, kCreditsText);
  for (int id : {IDC_CREDITS_PARTS_LINK, IDC_CREDITS_ICONS_PAGE, IDC_CREDITS_ICONS_MAIL}) Click(id);
  EXPECT_EQ(shell.requests, Opened({"https://quillet.example/", "http://tango.freedesktop.org/",
                                    "mailto:tango-artists@lists.freedesktop.org"}));
  EXPECT_EQ(PointerOver(box.Item(IDC_CREDITS_ICONS_PAGE)), ProgramCursor(IDCUR_WEB_LINK));
  EXPECT_EQ(PointerOver(box.Item(IDC_CREDITS_ICONS_MAIL)), ProgramCursor(IDCUR_MAIL_LINK));
  EXPECT_EQ(PointerOver(box.Item(IDCANCEL)), LoadCursorA(nullptr, MAKEINTRESOURCEA(32512)));  // IDC_ARROW
}

}  // namespace
}  // namespace quillet
