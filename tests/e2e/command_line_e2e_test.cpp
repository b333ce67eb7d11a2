// The Run-dialog verbs and the Explorer entry, through the real quillet.exe.

#include <filesystem>

#include "tests/e2e/e2e_support.h"
#include "ui/main/main_menu.h"

namespace quillet::testing {
namespace {

const std::string kEntries[] = {"Software\\Classes\\*\\shell\\QuilletCreateCommand",
                                 "Software\\Classes\\Directory\\shell\\QuilletCreateCommand"};

using CommandLine = E2eTest;
using CommandLineEitherWay = EitherWay<E2eTest>;
QUILLET_EITHER_WAY(CommandLineEitherWay);

TEST_P(CommandLineEitherWay, CreateMakesACommandThatStartsAndRemoveTakesItAway) {
  Close(*Start());  // a normal start writes the Run-dialog verbs
  // Quotes around a path with blanks are optional; typed, they are not part of the path.
  const std::string name = NewName("cmd");
  ASSERT_EQ(RunDialog("create " + name + " \"" + target + "\""), 0);
  Answer("Quillet", "Command added...\r\n\r\nName: " + name + "\r\nPath: " + target);
  ExpectShortcut(Generated(name, ".lnk"), {target, "", targetFolder, 1});
  EXPECT_EQ(Run(name), (Recorded{"", targetFolder, "1"}));

  ASSERT_EQ(RunDialog("remove " + name), 0);
  Answer("Quillet", "The command: ' " + name + " ' was removed.");
  EXPECT_EQ(RunDialog(name), 2);  // which files go with it: AppPathsStore
}

TEST_F(CommandLine, TextOutsideTheCodePageIsRefused) {
  const std::wstring cyrillicPath = L"C:\\\u0424\u043E\u0442\u043E", greekName = L"\u03C6\u03C9\u03C4\u03BF";
  const std::string name = NewName("cmd");
  const std::pair<std::wstring, std::wstring> cases[] = {
      {std::wstring(name.begin(), name.end()) + L" " + cyrillicPath, L"The path '" + cyrillicPath},
      {greekName + L" C:\\a.txt", L"The command name '" + greekName}};
  for (const auto& [arguments, refused] : cases) {
    const auto quillet = Start(arguments);
    Answer("Quillet", refused + L"' cannot be used: some of its characters do not exist in the code page of the "
                      L"system's language for non-Unicode programs, in which Quillet stores its commands.\r\n"
                      L"Nothing was changed.");
    EXPECT_EQ(quillet->WaitForExit(), 0u);
  }
  EXPECT_TRUE(std::filesystem::is_empty(program.Cmds()));
}

TEST_P(CommandLineEitherWay, TheClearWordEmptiesTheRunHistory) {
  const std::string history = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\RunMRU";
  SetRegistryText(HKEY_CURRENT_USER, history, "a", "notepad\\1");
  Close(*Start());  // a normal start writes the Run-dialog verbs
  // Without VBScript, the word leads to Quillet itself.
  const std::string word = RegistryText(HKEY_LOCAL_MACHINE, AppPathsSubkey("clear"));
  EXPECT_EQ(word, program.File(GetParam() == VBScript::On ? "clear.vbs" : "clear.lnk"));
  ASSERT_EQ(RunDialog("clear"), 0);
  Answer("Quillet", "The Run dialog's history has been cleared.");
  EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, history));
}

TEST_P(CommandLineEitherWay, TheFirstStartOffersTheExplorerEntryThatMakesCommandsAndSettingsSwitchIt) {
  SetFirstStartDone(false);
  const auto first = Start();
  const auto question = tools::WaitForDialog("Quillet (First Run)", kDialogTimeoutMs, first->Id());  // its text: Startup
  ASSERT_TRUE(question && tools::PressButton(question->window, "Yes"));
  const std::string command = "\"" + program.File("quillet.exe") + "\" %1";
  // The script writes the folders' entry last.
  ASSERT_TRUE(Eventually([&] { return RegistryText(HKEY_CURRENT_USER, kEntries[1] + "\\command") == command; }));

  // The entry asks for a name, on a file and on a folder (whose path then ends in a backslash).
  for (const std::string& path : {target, targetFolder}) {
    const std::string name = NewName("cmd"), made = path == target ? target : targetFolder + "\\";
    const ChildProcess quillet(command.substr(0, command.size() - 2) + path);
    const auto input = tools::WaitForDialog("Quillet", kDialogTimeoutMs, quillet.Id());
    ASSERT_TRUE(input && input->hasEdit);
    EXPECT_EQ(input->editText, "mycommand");
    ASSERT_TRUE(tools::SetControlText(input->window, 0, name) && tools::PressButton(input->window, "OK") &&
                tools::WaitForDialogGone(input->window, kDialogTimeoutMs));
    Answer("Quillet", "Command added...\r\n\r\nName: " + name + "\r\nPath: " + made, "OK", quillet.Id());
    EXPECT_EQ(quillet.WaitForExit(), 0u);
    ASSERT_TRUE(WaitForFile(Generated(name, ".lnk"), 20));
    EXPECT_EQ(ReadShortcut(Generated(name, ".lnk")).value_or(ShortcutFields{}).target, made);
    if (path == target) {
      EXPECT_EQ(Run(name), (Recorded{"", targetFolder, "1"}));
    }
  }

  // The settings' buttons run the scripts that take the entry away and bring it back.
  PostMessageA(MainWindow(*first), WM_COMMAND, kMenuSettings, 0);
  const auto settings = tools::WaitForDialog("Settings", kDialogTimeoutMs, first->Id());
  ASSERT_TRUE(settings);
  const HWND page = FindWindowExA(settings->window, nullptr, "#32770", nullptr);  // the tab's page
  for (const std::string button : {"Remove Context Menu", "Add Context Menu", "Remove Context Menu"}) {
    ASSERT_TRUE(tools::PressButton(page, button));
    const bool on = button[0] == 'A';
    for (const std::string& entry : kEntries) {
      const std::string key = on ? entry + "\\command" : entry;
      EXPECT_TRUE(Eventually([&] { return KeyExists(HKEY_CURRENT_USER, key) == on; })) << button << " " << key;
      EXPECT_EQ(RegistryText(HKEY_CURRENT_USER, entry), on ? "Create Shortcut Command" : "");
    }
  }
  ASSERT_TRUE(tools::PressButton(settings->window, "OK") && tools::WaitForDialogGone(settings->window, 10000));
  Close(*first);
}

}  // namespace
}  // namespace quillet::testing
