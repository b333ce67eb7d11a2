// The import wizard, the shortcut picker and the import itself, in this process, with the real
// import scripts; and the reading of the shell folders the wizard starts from.

#include <windows.h>
#include <commctrl.h>

#include <algorithm>

#include <gtest/gtest.h>

#include "store/command_name.h"
#include "store/definition_file.h"
#include "store/shell_folders.h"
#include "tests/support/recording_list.h"
#include "tests/support/recording_prompt.h"
#include "tests/support/test_store.h"
#include "tests/tools/control_driver.h"
#include "tests/tools/shortcut_reader.h"
#include "ui/import/import_wizard.h"
#include "ui/import/import_wizard_ids.h"
#include "ui/import/shortcut_import.h"
#include "ui/import/shortcut_picker.h"

namespace quillet {
namespace {

using Texts = std::vector<std::string>;
constexpr const char* kShellFolders = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

// Notes, whenever it is asked something, whether the wizard would still take a press.
struct WizardWatchingPrompt : testing::RecordingPrompt {
  int Message(const std::string& text, const std::string& title, unsigned flags) override {
    for (int id : {IDOK, IDCANCEL, IDC_WIZARD_PREVIOUS, IDC_WIZARD_CHECK_ALL, IDC_WIZARD_LIST}) {
      wizardTookPresses |= IsWindowEnabled(GetDlgItem(wizard, id)) != 0;
    }
    return RecordingPrompt::Message(text, title, flags);
  }
  HWND wizard = nullptr;
  bool wizardTookPresses = false;
};

// A shell folder of the user's or the machine's in another place while it lives.
class ShellFolderSwap {
 public:
  ShellFolderSwap(HKEY root, const char* value, const std::string& folder)
      : root_(root), value_(value), previous_(testing::RegistryText(root, kShellFolders, value)) {
    testing::SetRegistryText(root, kShellFolders, value, folder);
  }
  ~ShellFolderSwap() { testing::SetRegistryText(root_, kShellFolders, value_, previous_); }

 private:
  HKEY root_;
  const char* value_;
  std::string previous_;
};

class ImportWizardTest : public ::testing::Test {
 protected:
  testing::TestStore test{testing::kScriptWriter};
  testing::TempProgramFolder desktop, common;
  WizardWatchingPrompt prompt;
  testing::RecordingList list;
};

// A program that wrote the value may have left out its terminating NUL.
TEST(ShellFolders, AValueStoredWithoutItsNulKeepsItsLastCharacter) {
  const std::string value = testing::UniqueName("folder");
  // Not followed by a NUL in memory either: the registry would count that one in.
  RegSetKeyValueA(HKEY_CURRENT_USER, kShellFolders, value.c_str(), REG_SZ, "C:\\Favs+", 7);
  EXPECT_EQ(ReadShellFolder(value.c_str()), "C:\\Favs");
  const std::string deep = "C:\\" + std::string(255, 'd');  // as long as a path may be
  RegSetKeyValueA(HKEY_CURRENT_USER, kShellFolders, value.c_str(), REG_SZ, deep.c_str(),
                  static_cast<DWORD>(deep.size() + 1));
  EXPECT_EQ(ReadShellFolder(value.c_str()), deep);
  RegDeleteKeyValueA(HKEY_CURRENT_USER, kShellFolders, value.c_str());
}

TEST_F(ImportWizardTest, TheUsersAndAllUsersDesktopsAreListedAfreshAndTheWizardTakesNoPressWhileItImports) {
  for (const char* file : {"My Program 2.0.lnk", "Notepad++.lnk"}) testing::WriteFileBytes(desktop.File(file), "x");
  for (const char* file : {"Notepad++.lnk", "Setup Tool.lnk"}) testing::WriteFileBytes(common.File(file), "x");
  const ShellFolderSwap user(HKEY_CURRENT_USER, "Desktop", desktop.Path());
  const ShellFolderSwap machine(HKEY_LOCAL_MACHINE, "Common Desktop", common.Path());
  ImportWizard wizard(test.store, prompt, list, ImportSource::Desktop);
  ASSERT_TRUE(wizard.CreateModeless(nullptr));
  prompt.wizard = wizard.Handle();
  const auto press = [&](int id) { SendMessageA(wizard.Handle(), WM_COMMAND, id, 0); };
  EXPECT_EQ(wizard.ItemText(IDC_WIZARD_FOLDER_LABEL), "&Desktop Folder:");
  for (int id : {IDOK, IDC_WIZARD_PREVIOUS, IDOK}) press(id);  // back and on: listed afresh
  const HWND rows = wizard.Item(IDC_WIZARD_LIST);
  auto shown = tools::ReadListViewRows(rows, 2);
  std::sort(shown.begin() + 2, shown.end());  // each folder in the order the file system gives
  std::sort(shown.begin(), shown.begin() + 2);
  // The user's own first; a name already suggested is not suggested again.
  EXPECT_EQ(shown, (std::vector<Texts>{{"myprogram20", "My Program 2.0.lnk"}, {"notepad", "Notepad++.lnk"},
                                       {"", "Notepad++.lnk"}, {"setuptool", "Setup Tool.lnk"}}));

  ListView_SetCheckState(rows, 0, TRUE);
  // A right-click renames the selected row in place; a name with a blank is refused.
  NMHDR click{rows, IDC_WIZARD_LIST, static_cast<UINT>(NM_RCLICK)};
  SendMessageA(wizard.Handle(), WM_NOTIFY, IDC_WIZARD_LIST, reinterpret_cast<LPARAM>(&click));
  const HWND edit = ListView_GetEditControl(rows);
  SetWindowTextA(edit, "My Tool");
  SendMessageA(edit, WM_KEYDOWN, VK_RETURN, 0);
  press(IDOK);
  EXPECT_EQ(prompt.Summaries(), Texts{NameRefusalMessage(NameRefusal::Blank, "My Tool") + "|Quillet|48"});
  EXPECT_FALSE(prompt.wizardTookPresses);
}

// The picker, without being modal, on two Start Menus: one with two folders, a hidden one and a
// hidden shortcut, and the one of all users.
TEST_F(ImportWizardTest, PickerAddsEachSuggestedNameOnceAndCancelTakesAllBackButTheCloseBoxDoesNot) {
  for (const char* folder : {"A", "B", "hidden"}) CreateDirectoryA(desktop.File(folder).c_str(), nullptr);
  for (const char* file : {"A\\My-App.lnk", "A\\MyApp.lnk", "A\\Word.lnk", "A\\page.url", "A\\hidden.lnk", "B\\Word.lnk",
                           "B\\Other.lnk"}) testing::WriteFileBytes(desktop.File(file), "x");
  for (const char* hidden : {"hidden", "A\\hidden.lnk"}) SetFileAttributesA(desktop.File(hidden).c_str(), FILE_ATTRIBUTE_HIDDEN);
  testing::WriteFileBytes(common.File("Word.lnk"), "x");
  testing::WriteFileBytes(common.File("Setup.lnk"), "x");
  for (const UINT closing : {static_cast<UINT>(WM_COMMAND), static_cast<UINT>(WM_CLOSE)}) {
    ImportList rows;
    ShortcutPicker picker(rows, ImportSource::StartMenu, {desktop.Path(), common.Path(), ""});
    ASSERT_TRUE(picker.CreateModeless(nullptr));
    EXPECT_FALSE(picker.Tree().Select(desktop.File("hidden")));
    // In A, Word alone by a double-click, then all; then all of B, and all of all users'.
    ASSERT_TRUE(picker.Tree().Select(desktop.File("A")));
    const HWND files = picker.Item(IDC_PICKER_FILES);
    SendMessageA(files, LB_SETSEL, TRUE, SendMessageA(files, LB_FINDSTRINGEXACT, -1, reinterpret_cast<LPARAM>("Word.lnk")));
    SendMessageA(picker.Handle(), WM_COMMAND, MAKEWPARAM(IDC_PICKER_FILES, LBN_DBLCLK), reinterpret_cast<LPARAM>(files));
    for (const std::string& folder : {desktop.File("A"), desktop.File("B"), common.Path()}) {
      ASSERT_TRUE(picker.Tree().Select(folder)) << folder;
      SendMessageA(picker.Handle(), WM_COMMAND, IDC_PICKER_ADD_ALL, 0);
    }
    Texts names;
    for (const ImportRow& row : rows) names.push_back(row.name);
    EXPECT_EQ(names, (Texts{"word", "myapp", "other", "setup"}));
    EXPECT_EQ(picker.StatusText(0) + "|" + picker.StatusText(1), "   StartMenu   | Files added: 4");
    // Cancel (and Esc) takes every row back; the close box keeps them.
    SendMessageA(picker.Handle(), closing, closing == WM_COMMAND ? IDCANCEL : 0, 0);
    EXPECT_EQ(rows.size(), closing == WM_CLOSE ? 4u : 0u);
  }
}

TEST_F(ImportWizardTest, TickedRowsBecomeCommandsAndWhatCannotBeImportedLeavesNothing) {
  const auto Row = [&](const std::string& name, const std::string& file = "Tool.lnk") {
    return ImportRow{true, name, file, desktop.File(file)};
  };
  ASSERT_TRUE(testing::WriteShortcut(desktop.File("Tool.lnk"),
                                     {"C:\\windows\\notepad.exe", "a \"x  y\"", "C:\\windows", 3}));
  testing::WriteFileBytes(test.Cfg("notes"), "keep");
  list.rows = {RowOf({"Tool", "C:\\old.exe"}), RowOf({"Notes", "C:\\notes.txt"})};
  list.rows[0].icon = 14;
  testing::WriteFileBytes(desktop.File("notes.exe"), "x");  // what Windows would start for "notes"
  list.shadows = ShadowIndex({{desktop.Path()}, {".exe"}});
  prompt.AnswerButtons({IDYES, IDYES, IDNO});  // replace Tool; replace Notes, but not as it is shadowed
  ImportShortcuts(test.store, prompt, {Row(" tool "), Row("notes"), Row(""), Row("a\\b")}, list);
  // A script that ends without writing anything, and one that is not there.
  testing::WriteFileBytes(test.program.File("cishortcut.vbs"), "' does nothing\r\n");
  DeleteFileA(test.program.File("cishortcutu.vbs").c_str());
  testing::WriteFileBytes(desktop.File("Page.URL"), "[InternetShortcut]\r\nURL=http://example.com/\r\n");
  ImportShortcuts(test.store, prompt, {Row("late"), Row("gone", "Page.URL"), Row("lost", "Lost.lnk")}, list);

  const std::string refused = "|Quillet|48", kept = "\r\nNothing of this command was kept.|Quillet|48";
  EXPECT_EQ(prompt.Summaries(),
            (Texts{"The command: 'tool' already exists, do you want to overwrite it?|Quillet|4",
                   "The command: 'notes' already exists, do you want to overwrite it?|Quillet|4",
                   ShadowedNameQuestion("notes", desktop.File("notes.exe")) + "|Quillet|52",
                   "The shortcut 'Tool.lnk' has no command name, so it was not imported.\r\n"
                   "Right-click its row in the list to give it one." + refused,
                   NameRefusalMessage(NameRefusal::Unsafe, "a\\b") + refused,
                   "The shortcut 'Tool.lnk' could not be imported as the command 'late': the script cishortcut.vbs "
                   "ended without writing the command." + kept,
                   "The shortcut 'Page.URL' could not be imported as the command 'gone': the script cishortcutu.vbs "
                   "could not be started." + kept,
                   "The shortcut 'Lost.lnk' could not be imported as the command 'lost': it could not be copied into "
                   "the Cmds folder.\r\nNothing was changed." + refused}));
  // The replaced command moves to the end with its shortcut's parameters and window mode.
  EXPECT_EQ(list.rows.at(1).Command(), (CommandRecord{"tool", "C:\\windows\\notepad.exe", "a \"x  y\"", 3}));
  EXPECT_EQ(list.rows.at(1).icon, 0);
  EXPECT_EQ(testing::ReadFileBytes(test.Cfg("notes")), "keep");
  for (const char* name : {"late", "gone", "lost"}) {
    EXPECT_FALSE(test.HasEntry(name)) << name;
    for (const char* ending : {".lnk", ".url", ".tmp", ".cfg"}) {
      EXPECT_FALSE(testing::FileExists(GeneratedFilePath(test.program.Path(), name, ending))) << ending;
    }
  }
}

}  // namespace
}  // namespace quillet
