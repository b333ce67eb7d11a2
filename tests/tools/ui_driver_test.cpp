#include "tools/ui_driver.h"

#include <gtest/gtest.h>

#include "tests/support/temp_program_folder.h"
#include "tests/tools/child_process.h"
#include "tests/tools/test_dialogs.h"

namespace quillet::tools::testing {
namespace {

using quillet::testing::ReadFileBytes;
using quillet::testing::TempProgramFolder;
using quillet::testing::UniqueName;
using Buttons = std::vector<std::string>;

constexpr DWORD kAppearMs = 20000;
constexpr DWORD kGoneMs = 10000;

// A message box shown by bare_msgbox.exe, as quillet.exe shows its messages: another process.
TEST(UiDriverMessageBox, ReadsAnotherProcesssMessageBoxAndPressesOk) {
  ChildProcess child(QuoteArgument(BuiltTool("bare_msgbox.exe")));
  ASSERT_TRUE(child.Started());

  const auto box = WaitForDialog("Quillet", kAppearMs, child.Id());
  ASSERT_TRUE(box);
  EXPECT_EQ(box->title, "Quillet");
  EXPECT_EQ(box->text, "The command: ' x ' was removed.");
  EXPECT_EQ(box->icon, MessageIcon::None);
  EXPECT_EQ(box->buttons, Buttons{"OK"});
  EXPECT_FALSE(box->hasEdit);
  EXPECT_EQ(box->processId, child.Id());

  EXPECT_TRUE(PressButton(box->window, "ok"));
  EXPECT_TRUE(WaitForDialogGone(box->window, kGoneMs));
  EXPECT_EQ(child.WaitForExit(), DWORD{IDOK});
}

TEST(UiDriverMessageBox, TellsTheStandardIconsAndButtonsApart) {
  struct Case {
    UINT flags;
    MessageIcon icon;
    Buttons buttons;
    const char* press;
    int pressed;
  };
  const Case cases[] = {
      {MB_OK | MB_ICONINFORMATION, MessageIcon::Information, {"OK"}, "OK", IDOK},
      {MB_OKCANCEL | MB_ICONEXCLAMATION, MessageIcon::Exclamation, {"OK", "Cancel"}, "cancel", IDCANCEL},
      {MB_YESNO | MB_ICONHAND, MessageIcon::Critical, {"Yes", "No"}, "No", IDNO},
      {MB_YESNOCANCEL | MB_ICONQUESTION, MessageIcon::Question, {"Yes", "No", "Cancel"}, "YES", IDYES},
      {MB_RETRYCANCEL, MessageIcon::None, {"Retry", "Cancel"}, "Retry", IDRETRY},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(MessageIconName(c.icon));
    const std::string title = UniqueName("Icon test ");
    ChildProcess child(MessageBoxChildCommand(c.flags, title, "First line\nsecond line"));
    const auto box = WaitForDialog(title, kAppearMs, child.Id());
    ASSERT_TRUE(box);
    EXPECT_EQ(box->icon, c.icon);
    EXPECT_EQ(box->buttons, c.buttons);
    EXPECT_EQ(box->text, "First line\nsecond line");
    if (!PressButton(box->window, c.press)) {
      ADD_FAILURE() << "could not press " << c.press;
      continue;  // the child ends with the ChildProcess
    }
    EXPECT_TRUE(WaitForDialogGone(box->window, kGoneMs));
    EXPECT_EQ(child.WaitForExit(), static_cast<DWORD>(c.pressed));
  }
}

TEST(UiDriverMessageBox, PressesNothingForACaptionItDoesNotShow) {
  const std::string title = UniqueName("Caption test ");
  ChildProcess child(MessageBoxChildCommand(MB_OK, title, "Only OK"));
  const auto box = WaitForDialog(title, kAppearMs, child.Id());
  ASSERT_TRUE(box);

  EXPECT_FALSE(PressButton(box->window, "Cancel"));
  EXPECT_FALSE(PressButton(box->window, ""));
  EXPECT_FALSE(WaitForDialogGone(box->window, 300));
  EXPECT_FALSE(child.WaitForExit(0));

  EXPECT_TRUE(PressButton(box->window, "OK"));
  EXPECT_TRUE(WaitForDialogGone(box->window, kGoneMs));
}

TEST(UiDriverWaiting, FindsOnlyTheDialogsOfTheGivenProcess) {
  EXPECT_FALSE(WaitForDialog(UniqueName("Never shown "), 200));

  const std::string title = UniqueName("Process test ");
  ChildProcess child(MessageBoxChildCommand(MB_OK, title, "Mine"));
  ASSERT_TRUE(WaitForDialog(title, kAppearMs));  // from any process
  EXPECT_FALSE(WaitForDialog(title, 200, GetCurrentProcessId()));
  const auto box = WaitForDialog(title, kAppearMs, child.Id());
  ASSERT_TRUE(box);
  EXPECT_FALSE(WaitForDialog(title.substr(0, title.size() - 1), 200, child.Id()));  // titles match whole

  PressButton(box->window, "OK");
  EXPECT_TRUE(WaitForDialogGone(box->window, kGoneMs));
  EXPECT_FALSE(ReadDialog(box->window));
}

// The input dialog shown from a second thread of this process.
TEST(UiDriverInputDialog, TypesIntoTheEditBoxAndPressesOk) {
  const std::string title = UniqueName("Input test ");
  InputDialogThread shower(title, "Enter a name:", "mycommand");

  const auto dialog = WaitForDialog(title, kAppearMs, GetCurrentProcessId());
  ASSERT_TRUE(dialog);
  EXPECT_EQ(dialog->text, "Enter a name:");
  EXPECT_EQ(dialog->icon, MessageIcon::None);
  EXPECT_EQ(dialog->buttons, (Buttons{"OK", "Cancel"}));  // neither the check box nor the hidden button
  EXPECT_TRUE(dialog->hasEdit);
  EXPECT_EQ(dialog->editText, "mycommand");

  EXPECT_FALSE(PressButton(dialog->window, "Remember"));
  EXPECT_FALSE(PressButton(dialog->window, "Help"));
  EXPECT_TRUE(SetEditText(dialog->window, "new name"));
  EXPECT_TRUE(PressButton(dialog->window, "OK"));
  EXPECT_TRUE(WaitForDialogGone(dialog->window, kGoneMs));
  const InputDialogResult result = shower.Finish();
  EXPECT_EQ(result.button, IDOK);
  EXPECT_EQ(result.answer, "new name");
}

TEST(UiDriverInputDialog, PressesCancelByItsShownCaption) {
  const std::string title = UniqueName("Cancel test ");
  InputDialogThread shower(title, "Enter a name:", "");
  const auto dialog = WaitForDialog(title, kAppearMs, GetCurrentProcessId());
  ASSERT_TRUE(dialog);
  EXPECT_EQ(dialog->editText, "");
  EXPECT_TRUE(PressButton(dialog->window, "cancel"));  // its caption is "&Cancel"
  EXPECT_TRUE(WaitForDialogGone(dialog->window, kGoneMs));
  EXPECT_EQ(shower.Finish().button, IDCANCEL);
}

// The same dialog in another process: Edit text must cross the process boundary both ways.
TEST(UiDriverInputDialog, WorksOnAnotherProcesssDialog) {
  const TempProgramFolder folder;
  const std::string answerFile = folder.File("answer.txt");
  const std::string title = UniqueName("Remote input test ");
  ChildProcess child(InputDialogChildCommand(title, "Enter command name for the selected file/folder:",
                                             "mycommand", answerFile));
  const auto dialog = WaitForDialog(title, kAppearMs, child.Id());
  ASSERT_TRUE(dialog);
  EXPECT_EQ(dialog->text, "Enter command name for the selected file/folder:");
  EXPECT_EQ(dialog->editText, "mycommand");

  const std::string typed = "C:\\My Files\\with  two blanks";
  ASSERT_TRUE(SetEditText(dialog->window, typed));
  const auto reread = ReadDialog(dialog->window);
  ASSERT_TRUE(reread);
  EXPECT_EQ(reread->editText, typed);

  EXPECT_TRUE(PressButton(dialog->window, "OK"));
  EXPECT_TRUE(WaitForDialogGone(dialog->window, kGoneMs));
  EXPECT_EQ(child.WaitForExit(), DWORD{IDOK});
  EXPECT_EQ(ReadFileBytes(answerFile), typed);
}

TEST(UiDriverInputDialog, SetEditTextNeedsAnEditBox) {
  const std::string title = UniqueName("No edit test ");
  ChildProcess child(MessageBoxChildCommand(MB_OK, title, "No edit box here"));
  const auto box = WaitForDialog(title, kAppearMs, child.Id());
  ASSERT_TRUE(box);
  EXPECT_FALSE(SetEditText(box->window, "text"));
  PressButton(box->window, "OK");
  EXPECT_TRUE(WaitForDialogGone(box->window, kGoneMs));
}

}  // namespace
}  // namespace quillet::tools::testing
