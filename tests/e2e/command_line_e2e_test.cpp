// The real quillet.exe, started as the shell starts it, with its dialogs answered from outside
// and its work checked in the registry, in Cmds and by starting the commands it made.

#include <gtest/gtest.h>

#include <filesystem>

#include "store/definition_file.h"
#include "store/store_paths.h"
#include "tests/e2e/e2e_support.h"
#include "tests/scripts/shortcut_reader.h"
#include "ui/common/wide_text.h"

namespace quillet::testing {
namespace {

using tools::MessageIcon;

constexpr const char* kContextMenuCommand = "Software\\Classes\\*\\shell\\QuilletCreateCommand\\command";

std::string AppPathsValue(const std::string& name, const char* valueName) {
  return RegistryText(HKEY_LOCAL_MACHINE, AppPathsSubkey(name), valueName);
}

class CommandLine : public ::testing::Test {
 protected:
  void SetUp() override {
    SetFirstStartDone(true);
    // A target with a blank in its folder: the program that records how the shell started it.
    CreateDirectoryA(targetFolder.c_str(), nullptr);
    CopyFileA(BuiltTool("record_args.exe").c_str(), target.c_str(), FALSE);
  }

  // A normal start writes the Run-dialog verbs for this program folder; closing the window ends it.
  void InstallVerbs() {
    const auto quillet = program.Start("");
    const HWND window = WaitForMainWindow(quillet->Id());
    ASSERT_NE(window, nullptr);
    char caption[64] = {};
    GetWindowTextA(window, caption, sizeof caption);
    EXPECT_STREQ(caption, "Quillet");
    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(quillet->WaitForExit(), 0u);
  }

  void ExpectVerbsOfThisProgram() const {
    for (const char* verb : {"create", "remove", "quillet"}) {
      EXPECT_EQ(AppPathsValue(verb, nullptr), program.Exe()) << verb;
      EXPECT_EQ(AppPathsValue(verb, "Path"), program.Path()) << verb;
    }
    EXPECT_EQ(AppPathsValue("clear", nullptr), program.File("clear.vbs"));
  }

  InstalledProgram program;
  std::string targetFolder = program.File("Target Folder");
  std::string target = targetFolder + "\\record_args.exe";
  std::string recording = targetFolder + "\\record_args.out";
  std::string name = UniqueName("cmd");
};

TEST_F(CommandLine, NormalStartWritesTheFourVerbsAndEndsWhenClosed) {
  InstallVerbs();
  ExpectVerbsOfThisProgram();
}

TEST_F(CommandLine, QuestionMarkAfterAVerbShowsTheSyntaxHelp) {
  InstallVerbs();
  const auto quillet = program.Start("?");
  AnswerDialog(quillet->Id(), "Quillet - Help",
               "Creating a command. Syntax: create <name> <path>\r\nRemoving a command. Syntax: remove <name>",
               MessageIcon::None, "OK");
  EXPECT_EQ(quillet->WaitForExit(), 0u);
}

TEST_F(CommandLine, CreateMakesACommandThatTheRunDialogStartsAndRemoveTakesItAway) {
  InstallVerbs();
  // Quotes around a path with blanks are optional; typed, they are not part of the path.
  ASSERT_EQ(RunDialog("create " + name + " \"" + target + "\""), 0);
  AnswerDialog(0, "Quillet", "Command added...\r\n\r\nName: " + name + "\r\nPath: " + target, MessageIcon::None,
               "OK");

  EXPECT_EQ(AppPathsValue(name, nullptr), program.Generated(name, ".lnk"));
  EXPECT_EQ(AppPathsValue(name, "Path"), program.Cmds());
  EXPECT_EQ(ReadFileBytes(program.Generated(name, ".cfg")), DefinitionFileText(name, target, "", 1));
  ASSERT_TRUE(WaitForFile(program.Generated(name, ".lnk"), 20));
  const ShortcutFields expected{target, "", targetFolder, 1};
  EXPECT_EQ(ReadShortcut(program.Generated(name, ".lnk")), expected);
  auto independent = ReadShortcutWithLnkinfo(program.Generated(name, ".lnk"));
  ASSERT_TRUE(independent.has_value());
  independent->windowStyle = 1;  // lnkinfo cannot read it
  EXPECT_EQ(*independent, expected);

  ASSERT_EQ(RunDialog(name), 0);
  ASSERT_TRUE(WaitForFile(recording, 20));
  const Recorded recorded = ReadRecording(recording);
  EXPECT_EQ(recorded.arguments, "");
  EXPECT_EQ(recorded.folder, targetFolder);

  ASSERT_EQ(RunDialog("remove " + name), 0);
  AnswerDialog(0, "Quillet", "The command: ' " + name + " ' was removed.", MessageIcon::None, "OK");
  EXPECT_EQ(AppPathsValue(name, nullptr), "");
  EXPECT_FALSE(FileExists(program.Generated(name, ".lnk")));
  EXPECT_FALSE(FileExists(program.Generated(name, ".cfg")));
  EXPECT_EQ(RunDialog(name), 2);
}

TEST_F(CommandLine, RemovingANameThatHoldsNoCommandSaysSo) {
  for (const std::string typed : {"nosuchcmd", "help", "--help"}) {
    const auto quillet = program.Start(typed);
    AnswerDialog(quillet->Id(), "Quillet",
                 "There is no command named '" + typed + "', so nothing was removed.\r\nOne word after create, "
                 "remove or quillet removes the command of that name; quillet ? shows the syntax.",
                 MessageIcon::Exclamation, "OK");
    EXPECT_EQ(quillet->WaitForExit(), 0u);
  }
}

TEST_F(CommandLine, RemovingAnotherProgramsEntryAsksTheSystemCommandQuestion) {
  const std::string other = UniqueName("other"), otherTarget = "C:\\Other\\tool.exe";
  RegSetKeyValueA(HKEY_LOCAL_MACHINE, AppPathsSubkey(other).c_str(), nullptr, REG_SZ, otherTarget.c_str(),
                  static_cast<DWORD>(otherTarget.size() + 1));
  for (const std::string answer : {"No", "Yes"}) {
    const auto quillet = program.Start(other);
    AnswerDialog(quillet->Id(), "Confirm removal",
                 "This is a system command, added by other applications than Quillet!\r\n"
                 "Are you sure you want to delete the command: " + other + "?",
                 MessageIcon::Exclamation, answer);
    if (answer == "Yes") {
      AnswerDialog(quillet->Id(), "Quillet", "The command: ' " + other + " ' was removed.", MessageIcon::None, "OK");
    }
    EXPECT_EQ(quillet->WaitForExit(), 0u);
    EXPECT_EQ(AppPathsValue(other, nullptr), answer == "No" ? otherTarget : "");
  }
}

TEST_F(CommandLine, QuilletsOwnRunWordsAreNeitherMadeNorRemoved) {
  InstallVerbs();
  for (const std::string word : {"create", "Remove", "CLEAR", "quillet"}) {
    for (const std::string& line : {"remove " + word, "create " + word + " " + target}) {
      ASSERT_EQ(RunDialog(line), 0);
      AnswerDialog(0, "Quillet",
                   "The command name '" + word + "' cannot be used.\r\ncreate, remove, clear and quillet are "
                   "Quillet's own Run words: they cannot be made into commands or removed.",
                   MessageIcon::Exclamation, "OK");
    }
  }
  ExpectVerbsOfThisProgram();
}

TEST_F(CommandLine, TextOutsideTheCodePageIsRefusedAsTyped) {
  const std::wstring cyrillicPath = L"C:\\\u0424\u043E\u0442\u043E", greekName = L"\u03C6\u03C9\u03C4\u03BF";
  const std::pair<std::wstring, std::wstring> cases[] = {
      {WideFromAnsi(name) + L" " + cyrillicPath, L"The path '" + cyrillicPath},
      {greekName + L" " + WideFromAnsi(target), L"The command name '" + greekName}};
  for (const auto& [arguments, refused] : cases) {
    const ChildProcess quillet(WideFromAnsi(QuoteArgument(program.Exe())) + L" " + arguments);
    AnswerDialog(quillet.Id(), "Quillet", refused + L"' cannot be used: some of its characters do not exist in the "
                 L"code page of the system's language for non-Unicode programs, in which Quillet stores its "
                 L"commands.\r\nNothing was changed.", MessageIcon::Exclamation, "OK");
    EXPECT_EQ(quillet.WaitForExit(), 0u);
  }
  EXPECT_EQ(AppPathsValue(name, nullptr), "");
  EXPECT_TRUE(std::filesystem::is_empty(program.Cmds()));
}

TEST_F(CommandLine, ExplorerEntryAsksForANameAgainWhileItHasBlanks) {
  // The first start offers the context-menu entry; the entry then starts the program on a file.
  SetFirstStartDone(false);
  const auto first = program.Start("?");
  const auto question = tools::WaitForDialog("Quillet (First Run)", 20000, first->Id());
  ASSERT_TRUE(question.has_value());
  EXPECT_EQ(question->icon, MessageIcon::None);
  EXPECT_EQ(question->buttons, (std::vector<std::string>{"Yes", "No"}));
  tools::PressButton(question->window, "Yes");
  AnswerDialog(first->Id(), "Quillet - Help",
               "Creating a command. Syntax: create <name> <path>\r\nRemoving a command. Syntax: remove <name>",
               MessageIcon::None, "OK");
  EXPECT_EQ(first->WaitForExit(), 0u);

  std::string entry;
  for (int i = 0; i < 200 && entry.empty(); ++i, Sleep(100)) {
    entry = RegistryText(HKEY_CURRENT_USER, kContextMenuCommand, nullptr);
  }
  ASSERT_EQ(entry, "\"" + program.Exe() + "\" %1");

  const std::string file = targetFolder + "\\My Notes.txt";
  WriteFileBytes(file, "notes");
  const ChildProcess quillet(entry.substr(0, entry.size() - 2) + file);
  for (const char* answer : {"my notes", name.c_str()}) {
    const auto input = tools::WaitForDialog("Quillet", 20000, quillet.Id());
    ASSERT_TRUE(input.has_value());
    EXPECT_EQ(input->text, "Enter command name for the selected file/folder:");
    ASSERT_TRUE(input->hasEdit);
    EXPECT_EQ(input->editText, "mycommand");
    tools::SetEditText(input->window, answer);
    tools::PressButton(input->window, "OK");
    tools::WaitForDialogGone(input->window, 10000);
    if (std::string(answer).find(' ') != std::string::npos) {
      AnswerDialog(quillet.Id(), "Quillet", "No spaces allowed!", MessageIcon::Information, "OK");
    }
  }
  AnswerDialog(quillet.Id(), "Quillet", "Command added...\r\n\r\nName: " + name + "\r\nPath: " + file,
               MessageIcon::None, "OK");
  EXPECT_EQ(quillet.WaitForExit(), 0u);
  EXPECT_EQ(ReadFileBytes(program.Generated(name, ".cfg")), DefinitionFileText(name, file, "", 1));
  ASSERT_TRUE(WaitForFile(program.Generated(name, ".lnk"), 20));
  EXPECT_EQ(ReadShortcut(program.Generated(name, ".lnk"))->target, file);

  RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Classes\\*\\shell\\QuilletCreateCommand");
  RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Classes\\Directory\\shell\\QuilletCreateCommand");
  RegDeleteKeyA(HKEY_LOCAL_MACHINE, AppPathsSubkey(name).c_str());
}

TEST_F(CommandLine, WithoutItsScriptTheProgramSaysSoAndWritesNothing) {
  DeleteFileA(program.File("cshortcut.vbs").c_str());
  const auto quillet = program.Start(name + " " + target);
  AnswerDialog(quillet->Id(), "Error", "Couldn\xB4t find the file 'cshortcut.vbs', please reinstall the program!",
               MessageIcon::Information, "OK");
  AnswerDialog(quillet->Id(), "Quillet", "CreateShortcutLNKFile=false", MessageIcon::None, "OK");
  const HWND window = WaitForMainWindow(quillet->Id());
  ASSERT_NE(window, nullptr);
  PostMessageA(window, WM_CLOSE, 0, 0);
  EXPECT_EQ(quillet->WaitForExit(), 0u);
  EXPECT_EQ(AppPathsValue(name, nullptr), "");
  EXPECT_FALSE(FileExists(program.Generated(name, ".cfg")));
}

}  // namespace
}  // namespace quillet::testing
