// The import wizard, the shortcut picker and the import itself, in this process, with the real
// import scripts.

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "store/definition_file.h"
#include "store/store_paths.h"
#include "tests/tools/shortcut_reader.h"
#include "tests/support/recording_list.h"
#include "tests/support/recording_prompt.h"
#include "tests/support/registry_sandbox.h"
#include "tests/support/temp_program_folder.h"
#include "ui/import/import_wizard.h"
#include "ui/import/import_wizard_ids.h"
#include "ui/import/shortcut_import.h"
#include "ui/import/shortcut_picker.h"

namespace quillet {
namespace {

using testing::FileExists;

// This process's HKEY_CURRENT_USER, redirected to a fresh key whose Shell Folders the test sets.
class ShellFoldersSandbox {
 public:
  ShellFoldersSandbox() : path_("Software\\QuilletTestSandbox\\" + testing::UniqueName("hkcu")) {
    RegCreateKeyExA(HKEY_CURRENT_USER, path_.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &root_, nullptr);
    RegOverridePredefKey(HKEY_CURRENT_USER, root_);
  }
  ~ShellFoldersSandbox() {
    RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
    RegCloseKey(root_);
    RegDeleteTreeA(HKEY_CURRENT_USER, path_.c_str());
  }
  // Stored with its terminating NUL counted, or without it.
  void Set(const char* value, const std::string& folder, bool withNul = true) {
    RegSetKeyValueA(HKEY_CURRENT_USER, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders", value,
                    REG_SZ, folder.c_str(), static_cast<DWORD>(folder.size() + (withNul ? 1 : 0)));
  }

 private:
  std::string path_;
  HKEY root_ = nullptr;
};

void Touch(const std::string& path, DWORD attributes = FILE_ATTRIBUTE_NORMAL) {
  testing::WriteFileBytes(path, "x");
  SetFileAttributesA(path.c_str(), attributes);
}

std::vector<std::string> Names(const ImportList& rows) {
  std::vector<std::string> names;
  for (const ImportRow& row : rows) names.push_back(row.name);
  return names;
}

class ImportWizardTest : public ::testing::Test {
 protected:
  void Open(ImportSource source) {
    wizard = std::make_unique<ImportWizard>(program.Path(), nullptr, prompt, list, source);
    ASSERT_TRUE(wizard->CreateModeless(nullptr));
  }
  void Press(int id) { SendMessageA(wizard->Handle(), WM_COMMAND, id, 0); }
  std::string Text(int id) { return wizard->ItemText(id); }

  testing::LocalMachineSandbox hklm;
  ShellFoldersSandbox shellFolders;
  testing::TempProgramFolder program{testing::TempProgramFolder::Scripts::Copied};
  testing::TempProgramFolder desktop;
  testing::RecordingPrompt prompt;
  testing::RecordingList list;
  std::unique_ptr<ImportWizard> wizard;
};

TEST_F(ImportWizardTest, OpensOnTheFolderOfItsSource) {
  shellFolders.Set("Desktop", "C:\\Desk");
  shellFolders.Set("Programs", "C:\\Start Menu\\Programs");
  shellFolders.Set("Favorites", "C:\\Favs", false);  // stored without its NUL: nothing is cut
  const struct {
    ImportSource source;
    const char* caption;
    const char* label;
    const char* folder;
  } cases[] = {{ImportSource::Desktop, "Import Wizard - Desktop", "&Desktop Folder:", "C:\\Desk"},
               {ImportSource::StartMenu, "Import Wizard - StartMenu", "&StartMenu Folder:", "C:\\Start Menu\\Programs"},
               {ImportSource::Favorites, "Import Wizard - Favorites", "&Favorites Folder:", "C:\\Favs"}};
  for (const auto& c : cases) {
    Open(c.source);
    char caption[64] = {};
    GetWindowTextA(wizard->Handle(), caption, sizeof caption);
    EXPECT_STREQ(caption, c.caption);
    EXPECT_EQ(Text(IDC_WIZARD_FOLDER_LABEL), c.label);
    EXPECT_EQ(Text(IDC_WIZARD_FOLDER), c.folder);
    EXPECT_FALSE(IsWindowEnabled(wizard->Item(IDC_WIZARD_PREVIOUS)));
  }
}

TEST_F(ImportWizardTest, DesktopShortcutsAreListedOnceWhateverTheSteps) {
  shellFolders.Set("Desktop", desktop.Path());
  for (const char* file : {"My Program 2.0.lnk", "Notepad++.lnk", "My-App.lnk", "MyApp.lnk"}) Touch(desktop.File(file));
  Touch(desktop.File("hidden.lnk"), FILE_ATTRIBUTE_HIDDEN);
  Touch(desktop.File("page.url"));
  CreateDirectoryA(desktop.File("sub").c_str(), nullptr);
  Touch(desktop.File("sub\\inner.lnk"));
  Open(ImportSource::Desktop);

  std::vector<std::string> expected{"myprogram20", "notepad", "myapp", "myapp"};
  std::sort(expected.begin(), expected.end());
  for (int pass = 0; pass < 2; ++pass) {
    Press(IDOK);
    ASSERT_TRUE(wizard->InStepTwo());
    std::vector<std::string> names = Names(wizard->Rows());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, expected);
    EXPECT_EQ(ListView_GetItemCount(wizard->Item(IDC_WIZARD_LIST)), 4);
    Press(IDC_WIZARD_PREVIOUS);
    EXPECT_FALSE(wizard->InStepTwo());
    EXPECT_TRUE(wizard->Rows().empty());
  }

  Press(IDOK);
  const HWND rows = wizard->Item(IDC_WIZARD_LIST);
  Press(IDC_WIZARD_CHECK_ALL);
  for (const ImportRow& row : wizard->Rows()) EXPECT_TRUE(row.ticked);
  Press(IDC_WIZARD_UNCHECK_ALL);
  for (const ImportRow& row : wizard->Rows()) EXPECT_FALSE(row.ticked);

  // A right-click renames the selected row in place.
  NMHDR click{rows, IDC_WIZARD_LIST, static_cast<UINT>(NM_RCLICK)};
  SendMessageA(wizard->Handle(), WM_NOTIFY, IDC_WIZARD_LIST, reinterpret_cast<LPARAM>(&click));
  const HWND edit = ListView_GetEditControl(rows);
  ASSERT_NE(edit, nullptr);
  SetWindowTextA(edit, "renamed");
  SendMessageA(edit, WM_KEYDOWN, VK_RETURN, 0);
  EXPECT_EQ(wizard->Rows()[0].name, "renamed");
}

// The picker, without being modal, on a Start Menu with two folders.
TEST_F(ImportWizardTest, PickerAddsEachSuggestedNameOnceAndCancelTakesAllBack) {
  CreateDirectoryA(desktop.File("A").c_str(), nullptr);
  CreateDirectoryA(desktop.File("B").c_str(), nullptr);
  for (const char* file : {"A\\My-App.lnk", "A\\MyApp.lnk", "A\\Word.lnk", "A\\page.url", "B\\Word.lnk", "B\\Other.lnk"}) {
    Touch(desktop.File(file));
  }
  ImportList rows;
  ShortcutPicker picker(rows, ImportSource::StartMenu, desktop.Path());
  ASSERT_TRUE(picker.CreateModeless(nullptr));
  EXPECT_EQ(picker.StatusText(0), "   StartMenu   ");
  EXPECT_EQ(picker.StatusText(1), " Files added: 0");

  ASSERT_TRUE(picker.Tree().Select(desktop.File("A")));
  std::vector<std::string> files = picker.ListedFiles();
  std::sort(files.begin(), files.end());
  EXPECT_EQ(files, (std::vector<std::string>{"My-App.lnk", "MyApp.lnk", "Word.lnk"}));
  for (int press = 0; press < 2; ++press) SendMessageA(picker.Handle(), WM_COMMAND, IDC_PICKER_ADD_ALL, 0);
  EXPECT_EQ(rows.size(), 2u);
  EXPECT_EQ(picker.StatusText(1), " Files added: 2");
  EXPECT_EQ(rows[0].shortcutPath, desktop.File("A\\" + rows[0].fileName));

  ASSERT_TRUE(picker.Tree().Select(desktop.File("B")));
  const HWND list = picker.Item(IDC_PICKER_FILES);
  SendMessageA(list, LB_SETSEL, TRUE, -1);  // Word (already listed from A) and Other
  SendMessageA(picker.Handle(), WM_COMMAND, MAKEWPARAM(IDC_PICKER_FILES, LBN_DBLCLK), reinterpret_cast<LPARAM>(list));
  EXPECT_EQ(Names(rows).back(), "other");
  EXPECT_EQ(rows.size(), 3u);

  SendMessageA(picker.Handle(), WM_COMMAND, IDCANCEL, 0);
  EXPECT_TRUE(rows.empty());

  ImportList favorites;
  ShortcutPicker urls(favorites, ImportSource::Favorites, desktop.File("A"));
  ASSERT_TRUE(urls.CreateModeless(nullptr));
  EXPECT_EQ(urls.ListedFiles(), std::vector<std::string>{"page.url"});
}

class ShortcutImport : public ImportWizardTest {
 protected:
  void SetUp() override {
    ASSERT_TRUE(testing::WriteShortcut(desktop.File("Tool.lnk"),
                                       {"C:\\windows\\notepad.exe", "a \"x  y\"", "C:\\windows", 3}));
    testing::WriteFileBytes(desktop.File("Page.url"), "[InternetShortcut]\r\nURL=http://example.com/q?a=1\r\n");
    testing::WriteFileBytes(Cfg("notes"), "keep");
    testing::AddAppPathsEntry("othertool.exe", "C:\\other\\tool.exe");
  }
  ImportRow Row(const std::string& name, const std::string& file, bool ticked = true) {
    return {ticked, name, file, desktop.File(file)};
  }
  std::string Cfg(const std::string& name) const { return GeneratedFilePath(program.Path(), name, ".cfg"); }
  std::string Made(const std::string& name, const char* ending) const {
    return GeneratedFilePath(program.Path(), name, ending);
  }
  void Import(const ImportList& rows, DWORD timeoutMs = kImportScriptTimeoutMs) {
    ImportShortcuts({program.Path(), nullptr, prompt}, prompt, rows, list, timeoutMs);
  }
};

TEST_F(ShortcutImport, TickedRowsBecomeCommandsAndRefusedOnesLeaveNothing) {
  list.rows = {{"Notes", "C:\\notes.txt", "", "1", 9}};
  prompt.AnswerButtons({IDNO, IDNO});
  Import({Row("notes", "Tool.lnk"), Row("skipped", "Tool.lnk", false), Row(" tool ", "Tool.lnk"),
          Row("", "Page.url"), Row("a\\b", "Page.url"), Row("quillet", "Page.url"), Row("othertool", "Page.url"),
          Row("page", "Page.url")});

  std::vector<std::string> messages;
  for (const auto& record : prompt.Records()) messages.push_back(record.text.substr(0, 32) + "|" + std::to_string(record.flags));
  EXPECT_EQ(messages, (std::vector<std::string>{
                          "The command: 'notes' already exi|4",
                          "The shortcut 'Page.url' has no c|48",
                          "The command name 'a\\b' cannot be|48",
                          "The command name 'quillet' canno|48",
                          "The command: 'othertool' is a sy|52"}));
  EXPECT_EQ(testing::ReadFileBytes(Cfg("notes")), "keep");
  EXPECT_FALSE(FileExists(Made("skipped", ".lnk")));

  ASSERT_EQ(list.rows.size(), 3u);
  EXPECT_EQ(list.rows[1].name, "tool");
  EXPECT_EQ(list.rows[1].target, "C:\\windows\\notepad.exe");
  EXPECT_EQ(list.rows[1].parameters, "a \"x  y\"");
  EXPECT_EQ(list.rows[1].windowModeText, "3");
  EXPECT_EQ(testing::ReadFileBytes(Cfg("tool")), DefinitionFileText("tool", "C:\\windows\\notepad.exe", "a \"x  y\"", 3));
  EXPECT_EQ(testing::ReadShortcut(Made("tool", ".lnk"))->arguments, "a \"x  y\"");
  EXPECT_EQ(testing::ReadFileBytes(Cfg("page")), DefinitionFileText("page", "http://example.com/q?a=1", "", 1));
  EXPECT_EQ(testing::ReadShortcut(Made("page", ".lnk"))->arguments, "url.dll,FileProtocolHandler http://example.com/q?a=1");
  for (const char* name : {"tool", "page"}) {
    EXPECT_TRUE(testing::AppPathsEntryExists(std::string(name) + ".exe"));
    EXPECT_FALSE(FileExists(Made(name, ".tmp")));
    EXPECT_FALSE(FileExists(Made(name, ".url")));
  }
}

TEST_F(ShortcutImport, AnOverwrittenCommandMovesToTheEndAndAFailedScriptLeavesNothing) {
  list.rows = {{"Tool", "C:\\old.exe", "", "1", 14}, {"memo", "C:\\memo.txt", "", "1", 9}};
  prompt.AnswerButtons({IDYES});
  Import({Row("tool", "Tool.lnk")});
  ASSERT_EQ(list.rows.size(), 2u);
  EXPECT_EQ(list.rows[1].name, "tool");
  EXPECT_EQ(list.rows[1].icon, 0);

  // A script that never says it has finished, and one that is not there.
  testing::WriteFileBytes(program.File("cishortcut.vbs"), "' does nothing\r\n");
  DeleteFileA(program.File("cishortcutu.vbs").c_str());
  Import({Row("late", "Tool.lnk"), Row("gone", "Page.url")}, 2000);
  const auto& records = prompt.Records();
  ASSERT_EQ(records.size(), 3u);
  EXPECT_EQ(records[1].text,
            "The shortcut 'Tool.lnk' could not be imported as the command 'late': the script cishortcut.vbs did not "
            "finish within 2 seconds.\r\nNothing of this command was kept.");
  EXPECT_NE(records[2].text.find("cishortcutu.vbs could not be started"), std::string::npos);
  for (const char* name : {"late", "gone"}) {
    EXPECT_FALSE(testing::AppPathsEntryExists(std::string(name) + ".exe")) << name;
    for (const char* ending : {".lnk", ".url", ".tmp", ".cfg"}) EXPECT_FALSE(FileExists(Made(name, ending))) << name << ending;
  }
  EXPECT_EQ(list.rows.size(), 2u);
}

}  // namespace
}  // namespace quillet
