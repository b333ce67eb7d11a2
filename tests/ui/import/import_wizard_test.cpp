// The import wizard, the shortcut picker and the import itself, in this process, with the real
// import scripts; and the reading of the shell folder the wizard starts from.

#include <windows.h>
#include <commctrl.h>

#include <algorithm>

#include <gtest/gtest.h>

#include "store/command_name.h"
#include "store/shell_folders.h"
#include "store/store_paths.h"
#include "tests/support/recording_list.h"
#include "tests/support/recording_prompt.h"
#include "tests/support/registry_sandbox.h"
#include "tests/support/temp_program_folder.h"
#include "tests/tools/control_driver.h"
#include "tests/tools/shortcut_reader.h"
#include "ui/import/import_wizard.h"
#include "ui/import/import_wizard_ids.h"
#include "ui/import/shortcut_import.h"
#include "ui/import/shortcut_picker.h"

namespace quillet {
namespace {

using Texts = std::vector<std::string>;

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

class ImportWizardTest : public ::testing::Test {
 protected:
  testing::LocalMachineSandbox hklm;
  testing::TempProgramFolder program{testing::TempProgramFolder::Scripts::Copied};
  testing::TempProgramFolder desktop;
  WizardWatchingPrompt prompt;
  testing::RecordingList list;
};

// A program that wrote the value may have left out its terminating NUL.
TEST(ShellFolders, AValueStoredWithoutItsNulKeepsItsLastCharacter) {
  const char* key = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
  const std::string value = testing::UniqueName("folder");
  // Not followed by a NUL in memory either: the registry would count that one in.
  RegSetKeyValueA(HKEY_CURRENT_USER, key, value.c_str(), REG_SZ, "C:\\Favs+", 7);
  EXPECT_EQ(ReadShellFolder(value.c_str()), "C:\\Favs");
  const std::string deep = "C:\\" + std::string(255, 'd');  // as long as a path may be
  RegSetKeyValueA(HKEY_CURRENT_USER, key, value.c_str(), REG_SZ, deep.c_str(), static_cast<DWORD>(deep.size() + 1));
  EXPECT_EQ(ReadShellFolder(value.c_str()), deep);
  RegDeleteKeyValueA(HKEY_CURRENT_USER, key, value.c_str());
}

TEST_F(ImportWizardTest, DesktopShortcutsAreListedAfreshAndTheWizardTakesNoPressWhileItImports) {
  for (const char* file : {"My Program 2.0.lnk", "Notepad++.lnk"}) testing::WriteFileBytes(desktop.File(file), "x");
  ImportWizard wizard(program.Path(), nullptr, prompt, list, ImportSource::Desktop);
  ASSERT_TRUE(wizard.CreateModeless(nullptr));
  prompt.wizard = wizard.Handle();
  const auto press = [&](int id) { SendMessageA(wizard.Handle(), WM_COMMAND, id, 0); };
  EXPECT_EQ(wizard.ItemText(IDC_WIZARD_FOLDER_LABEL), "&Desktop Folder:");
  prompt.AnswerFolders({desktop.Path()});
  for (int id : {IDC_WIZARD_BROWSE, IDOK, IDC_WIZARD_PREVIOUS, IDOK}) press(id);  // back and on: listed afresh
  const HWND rows = wizard.Item(IDC_WIZARD_LIST);
  auto shown = tools::ReadListViewRows(rows, 2);
  std::sort(shown.begin(), shown.end());
  EXPECT_EQ(shown, (std::vector<Texts>{{"myprogram20", "My Program 2.0.lnk"}, {"notepad", "Notepad++.lnk"}}));

  ListView_SetCheckState(rows, 0, TRUE);
  // A right-click renames the selected row in place; Quillet's own Run word is refused.
  NMHDR click{rows, IDC_WIZARD_LIST, static_cast<UINT>(NM_RCLICK)};
  SendMessageA(wizard.Handle(), WM_NOTIFY, IDC_WIZARD_LIST, reinterpret_cast<LPARAM>(&click));
  const HWND edit = ListView_GetEditControl(rows);
  SetWindowTextA(edit, "quillet");
  SendMessageA(edit, WM_KEYDOWN, VK_RETURN, 0);
  press(IDOK);
  EXPECT_EQ(prompt.Summaries(), Texts{OwnRunWordMessage("quillet") + "|Quillet|48"});
  EXPECT_FALSE(prompt.wizardTookPresses);
}

// The picker, without being modal, on a Start Menu with two folders, a hidden one and a hidden shortcut.
TEST_F(ImportWizardTest, PickerAddsEachSuggestedNameOnceAndCancelTakesAllBack) {
  for (const char* folder : {"A", "B", "hidden"}) CreateDirectoryA(desktop.File(folder).c_str(), nullptr);
  for (const char* file : {"A\\My-App.lnk", "A\\MyApp.lnk", "A\\Word.lnk", "A\\page.url", "A\\hidden.lnk", "B\\Word.lnk",
                           "B\\Other.lnk"}) testing::WriteFileBytes(desktop.File(file), "x");
  for (const char* hidden : {"hidden", "A\\hidden.lnk"}) SetFileAttributesA(desktop.File(hidden).c_str(), FILE_ATTRIBUTE_HIDDEN);
  ImportList rows;
  ShortcutPicker picker(rows, ImportSource::StartMenu, desktop.Path());
  ASSERT_TRUE(picker.CreateModeless(nullptr));
  EXPECT_FALSE(picker.Tree().Select(desktop.File("hidden")));
  // In A, Word alone by a double-click, then all; then all of B.
  ASSERT_TRUE(picker.Tree().Select(desktop.File("A")));
  const HWND files = picker.Item(IDC_PICKER_FILES);
  SendMessageA(files, LB_SETSEL, TRUE, SendMessageA(files, LB_FINDSTRINGEXACT, -1, reinterpret_cast<LPARAM>("Word.lnk")));
  SendMessageA(picker.Handle(), WM_COMMAND, MAKEWPARAM(IDC_PICKER_FILES, LBN_DBLCLK), reinterpret_cast<LPARAM>(files));
  SendMessageA(picker.Handle(), WM_COMMAND, IDC_PICKER_ADD_ALL, 0);
  ASSERT_TRUE(picker.Tree().Select(desktop.File("B")));
  SendMessageA(picker.Handle(), WM_COMMAND, IDC_PICKER_ADD_ALL, 0);
  Texts names;
  for (const ImportRow& row : rows) names.push_back(row.name);
  EXPECT_EQ(names, (Texts{"word", "myapp", "other"}));
  EXPECT_EQ(picker.StatusText(0) + "|" + picker.StatusText(1), "   StartMenu   | Files added: 3");

  SendMessageA(picker.Handle(), WM_COMMAND, IDCANCEL, 0);
  EXPECT_TRUE(rows.empty());
}

TEST_F(ImportWizardTest, TickedRowsBecomeCommandsAndWhatCannotBeImportedLeavesNothing) {
  const auto Row = [&](const std::string& name, const std::string& file = "Tool.lnk") {
    return ImportRow{true, name, file, desktop.File(file)};
  };
  const auto made = [&](const char* name, const char* ending) { return GeneratedFilePath(program.Path(), name, ending); };
  ASSERT_TRUE(testing::WriteShortcut(desktop.File("Tool.lnk"),
                                     {"C:\\windows\\notepad.exe", "a \"x  y\"", "C:\\windows", 3}));
  testing::AddAppPathsEntry("othertool.exe", "C:\\other\\tool.exe");
  testing::WriteFileBytes(made("notes", ".cfg"), "keep");
  list.rows = {{"Tool", "C:\\old.exe", "", "1", 14}, {"Notes", "C:\\notes.txt", "", "1", 9}};
  testing::WriteFileBytes(desktop.File("notes.exe"), "x");  // what Windows would start for "notes"
  list.shadows = ShadowIndex({{desktop.Path()}, {".exe"}});
  prompt.AnswerButtons({IDYES, IDYES, IDNO});  // replace Tool; replace Notes, but not as it is shadowed
  ImportShortcuts({program.Path(), nullptr, prompt}, prompt,
                  {Row(" tool "), Row("notes"), Row(""), Row("a\\b"), Row("othertool")}, list);
  // A script that never says it has finished, and one that is not there.
  testing::WriteFileBytes(program.File("cishortcut.vbs"), "' does nothing\r\n");
  DeleteFileA(program.File("cishortcutu.vbs").c_str());
  testing::WriteFileBytes(desktop.File("Page.URL"), "[InternetShortcut]\r\nURL=http://example.com/\r\n");
  ImportShortcuts({program.Path(), nullptr, prompt}, prompt,
                  {Row("late"), Row("gone", "Page.URL"), Row("lost", "Lost.lnk")}, list, 2000);

  const std::string refused = "|Quillet|48", kept = "\r\nNothing of this command was kept.|Quillet|48";
  EXPECT_EQ(prompt.Summaries(),
            (Texts{"The command: 'tool' already exists, do you want to overwrite it?|Quillet|4",
                   "The command: 'notes' already exists, do you want to overwrite it?|Quillet|4",
                   ShadowedNameQuestion("notes", desktop.File("notes.exe")) + "|Quillet|52",
                   "The shortcut 'Tool.lnk' has no command name, so it was not imported.\r\n"
                   "Right-click its row in the list to give it one." + refused,
                   UnsafeNameMessage("a\\b") + refused,
                   "The command: 'othertool' is a system command, added by other applications than Quillet!\r\n"
                   "Do you want to replace it with this command?|Quillet|52",
                   "The shortcut 'Tool.lnk' could not be imported as the command 'late': the script cishortcut.vbs "
                   "did not finish within 2 seconds." + kept,
                   "The shortcut 'Page.URL' could not be imported as the command 'gone': the script cishortcutu.vbs "
                   "could not be started." + kept,
                   "The shortcut 'Lost.lnk' could not be imported as the command 'lost': it could not be copied into "
                   "the Cmds folder.\r\nNothing was changed." + refused}));
  // The replaced command moves to the end with its shortcut's parameters and window mode.
  const UserCommandRow& tool = list.rows.at(1);
  EXPECT_EQ(tool.name + "|" + tool.target + "|" + tool.parameters + "|" + tool.windowModeText + "|" + std::to_string(tool.icon),
            "tool|C:\\windows\\notepad.exe|a \"x  y\"|3|0");
  EXPECT_EQ(testing::ReadFileBytes(made("notes", ".cfg")), "keep");
  for (const char* name : {"late", "gone", "lost"}) {
    EXPECT_FALSE(testing::AppPathsEntryExists(std::string(name) + ".exe")) << name;
    for (const char* ending : {".lnk", ".url", ".tmp", ".cfg"}) EXPECT_FALSE(testing::FileExists(made(name, ending))) << ending;
  }
}

}  // namespace
}  // namespace quillet
