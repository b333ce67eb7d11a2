// The Run-dialog verbs and the Explorer entry, through the real quillet.exe.

#include <filesystem>

#include "store/definition_file.h"
#include "store/store_paths.h"
#include "tests/e2e/e2e_support.h"

namespace quillet::testing {
namespace {

constexpr const char* kSyntax =
    "Creating a command. Syntax: create <name> <path>\r\nRemoving a command. Syntax: remove <name>";

class CommandLine : public E2eTest {
 protected:
  // A normal start writes the Run-dialog verbs for this program folder; closing the window ends it.
  void InstallVerbs() {
    const auto quillet = Start();
    char caption[64] = {};
    GetWindowTextA(MainWindow(*quillet), caption, sizeof caption);
    EXPECT_STREQ(caption, "Quillet");
    Close(*quillet);
    for (const char* verb : {"create", "remove", "quillet"}) {
      EXPECT_EQ(AppPaths(verb), program.File("quillet.exe")) << verb;
      EXPECT_EQ(AppPaths(verb, "Path"), program.Path()) << verb;
    }
    EXPECT_EQ(AppPaths("clear"), program.File("clear.vbs"));
  }
};

TEST_F(CommandLine, CreateMakesACommandThatStartsAndRemoveTakesItAway) {
  InstallVerbs();
  ASSERT_EQ(RunDialog("quillet ?"), 0);
  Answer("Quillet - Help", kSyntax);
  // Quotes around a path with blanks are optional; typed, they are not part of the path.
  const std::string name = NewName("cmd");
  ASSERT_EQ(RunDialog("create " + name + " \"" + target + "\""), 0);
  Answer("Quillet", "Command added...\r\n\r\nName: " + name + "\r\nPath: " + target);
  EXPECT_EQ(AppPaths(name), Generated(name, ".lnk"));
  EXPECT_EQ(AppPaths(name, "Path"), program.Cmds());
  EXPECT_EQ(ReadFileBytes(Generated(name, ".cfg")), DefinitionFileText(name, target, "", 1));
  ExpectShortcut(Generated(name, ".lnk"), {target, "", targetFolder, 1});
  const Recorded started = Run(name);
  EXPECT_EQ(started.arguments, "");
  EXPECT_EQ(started.folder, targetFolder);

  ASSERT_EQ(RunDialog("remove " + name), 0);
  Answer("Quillet", "The command: ' " + name + " ' was removed.");
  EXPECT_EQ(AppPaths(name), "");
  EXPECT_FALSE(FileExists(Generated(name, ".lnk")) || FileExists(Generated(name, ".cfg")));
  EXPECT_EQ(RunDialog(name), 2);
}

TEST_F(CommandLine, RemoveChangesNothingUnaskedThatIsNotACommand) {
  for (const std::string typed : {"nosuchcmd", "--help"}) {
    const auto quillet = Start(typed);
    Answer("Quillet", "There is no command named '" + typed + "', so nothing was removed.\r\nOne word after create, "
                      "remove or quillet removes the command of that name; quillet ? shows the syntax.");
    EXPECT_EQ(quillet->WaitForExit(), 0u);
  }
  // Another program's entry goes only after the main window's question about system commands.
  const std::string other = NewName("other"), otherTarget = "C:\\Other\\tool.exe";
  AddAppPathsEntry(other + ".exe", otherTarget);
  for (const std::string answer : {"No", "Yes"}) {
    const auto quillet = Start(other);
    Answer("Confirm removal", "This is a system command, added by other applications than Quillet!\r\n"
                              "Are you sure you want to delete the command: " + other + "?", answer);
    if (answer == "Yes") Answer("Quillet", "The command: ' " + other + " ' was removed.");
    EXPECT_EQ(quillet->WaitForExit(), 0u);
    EXPECT_EQ(AppPaths(other), answer == "No" ? otherTarget : "");
  }
}

TEST_F(CommandLine, QuilletsOwnWordsAndTextOutsideTheCodePageAreRefused) {
  InstallVerbs();
  for (const std::string word : {"create", "Remove", "CLEAR", "quillet"}) {
    for (const std::string& line : {"remove " + word, "create " + word + " " + target}) {
      ASSERT_EQ(RunDialog(line), 0);
      Answer("Quillet", "The command name '" + word + "' cannot be used.\r\ncreate, remove, clear and quillet are "
                        "Quillet's own Run words: they cannot be made into commands or removed.");
    }
  }
  EXPECT_EQ(AppPaths("create"), program.File("quillet.exe"));
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
  EXPECT_EQ(AppPaths(name), "");
  EXPECT_TRUE(std::filesystem::is_empty(program.Cmds()));
}

TEST_F(CommandLine, ExplorerEntryAsksForANameAgainWhileItHasBlanks) {
  // The first start offers the context-menu entry; the entry then starts the program on a file.
  SetFirstStartDone(false);
  const auto first = Start("?");
  Answer("Quillet (First Run)",
         "Do you want to add a Quillet context menu for common files and folders? This will make it possible to "
         "create commands by right-clicking files/folders in explorer. You can alter this feature later under "
         "'Settings' in the main window.", "Yes", first->Id());
  Answer("Quillet - Help", kSyntax, "OK", first->Id());
  EXPECT_EQ(first->WaitForExit(), 0u);
  std::string entry;
  Eventually([&] { return !(entry = RegistryText(HKEY_CURRENT_USER, "Software\\Classes\\*\\shell\\QuilletCreateCommand\\command")).empty(); });
  ASSERT_EQ(entry, "\"" + program.File("quillet.exe") + "\" %1");

  const std::string file = targetFolder + "\\My Notes.txt", name = NewName("cmd");
  WriteFileBytes(file, "notes");
  const ChildProcess quillet(entry.substr(0, entry.size() - 2) + file);
  for (const std::string& answer : {std::string("my notes"), name}) {
    const auto input = tools::WaitForDialog("Quillet", 20000, quillet.Id());
    ASSERT_TRUE(input && input->hasEdit);
    EXPECT_EQ(input->text, L"Enter command name for the selected file/folder:");
    EXPECT_EQ(input->editText, "mycommand");
    tools::SetControlText(input->window, 0, answer);
    tools::PressButton(input->window, "OK");
    tools::WaitForDialogGone(input->window, 10000);
    if (answer.find(' ') != std::string::npos) Answer("Quillet", "No spaces allowed!", "OK", quillet.Id());
  }
  Answer("Quillet", "Command added...\r\n\r\nName: " + name + "\r\nPath: " + file, "OK", quillet.Id());
  EXPECT_EQ(quillet.WaitForExit(), 0u);
  EXPECT_EQ(ReadFileBytes(Generated(name, ".cfg")), DefinitionFileText(name, file, "", 1));
  for (const char* kind : {"*", "Directory"}) {
    DeleteKeyTree(HKEY_CURRENT_USER, std::string("Software\\Classes\\") + kind + "\\shell\\QuilletCreateCommand");
  }
}

TEST_F(CommandLine, WithoutItsScriptTheProgramSaysSoAndWritesNothing) {
  DeleteFileA(program.File("cshortcut.vbs").c_str());
  const std::string name = NewName("cmd");
  const auto quillet = Start(name + " " + target);
  Answer("Error", "Couldn\xB4t find the file 'cshortcut.vbs', please reinstall the program!", "OK", quillet->Id());
  Answer("Quillet", "CreateShortcutLNKFile=false", "OK", quillet->Id());
  Close(*quillet);
  EXPECT_EQ(AppPaths(name), "");
  EXPECT_FALSE(FileExists(Generated(name, ".cfg")));
}

}  // namespace
}  // namespace quillet::testing
