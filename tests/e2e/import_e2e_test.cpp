// Shortcuts on the prefix's Desktop, in a Start Menu folder and in a Favorites folder, imported
// through the real wizard driven from another process, then started through the Run dialog.

#include <gtest/gtest.h>

#include "store/companion_scripts.h"
#include "store/definition_file.h"
#include "store/store_paths.h"
#include "tests/e2e/e2e_support.h"
#include "tests/scripts/shortcut_reader.h"
#include "tests/support/http_handler_swap.h"
#include "tools/tree_view_driver.h"
#include "ui/import/import_wizard_ids.h"
#include "ui/main/main_menu.h"
#include "ui/main/main_window.h"

namespace quillet::testing {
namespace {

constexpr const char* kShellFolders = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

class ImportE2e : public ::testing::Test {
 protected:
  void SetUp() override {
    SetFirstStartDone(true);
    quillet = program.Start("");
    window = WaitForMainWindow(quillet->Id());
    ASSERT_NE(window, nullptr);
  }
  void TearDown() override {
    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(quillet->WaitForExit(), 0u);
    for (const std::string& made : leftovers) {
      DeleteFileA(made.c_str());
      RemoveDirectoryA(made.c_str());
    }
    RegDeleteKeyA(HKEY_LOCAL_MACHINE, AppPathsSubkey(name).c_str());
  }

  // A folder of the prefix's user; a sub-folder of it is made for this test and removed after it.
  std::string Folder(const char* shellFolder, const std::string& sub = "") {
    std::string folder = RegistryText(HKEY_CURRENT_USER, kShellFolders, shellFolder);
    if (sub.empty()) return folder;
    folder += "\\" + sub;
    CreateDirectoryA(folder.c_str(), nullptr);
    leftovers.insert(leftovers.begin(), folder);  // removed after what is put in it
    return folder;
  }

  // Opens the wizard from the Tools menu and leaves step 1 with Next.
  HWND OpenWizard(int menuItem, const std::string& source) {
    PostMessageA(window, WM_COMMAND, menuItem, 0);
    const auto wizard = tools::WaitForDialog("Import Wizard - " + source, 20000, quillet->Id());
    EXPECT_TRUE(wizard.has_value());
    if (!wizard) return nullptr;
    EXPECT_TRUE(tools::PressButton(wizard->window, "Next >"));
    return wizard->window;
  }
  // Ticks every listed row, imports and waits for the wizard to close.
  void ImportAll(HWND wizard) {
    ASSERT_TRUE(tools::PressButton(wizard, "Check All"));
    ASSERT_TRUE(tools::PressButton(wizard, "Import Selected >"));
    ASSERT_TRUE(tools::WaitForDialogGone(wizard, 60000));
  }
  // In the picker: the sub-folder of the import folder, all its shortcuts, Ok.
  void PickFolder(const std::string& sub) {
    const auto picker = tools::WaitForDialog("Add files to import...", 20000, quillet->Id());
    ASSERT_TRUE(picker.has_value());
    ASSERT_TRUE(tools::SelectTreeChild(GetDlgItem(picker->window, IDC_PICKER_TREE), sub));
    ASSERT_TRUE(tools::PressButton(picker->window, "Add All In Dir"));
    ASSERT_TRUE(tools::PressButton(picker->window, "Ok"));
    ASSERT_TRUE(tools::WaitForDialogGone(picker->window, 20000));
  }
  Recorded Start() {
    DeleteFileA(target.recording.c_str());
    EXPECT_EQ(RunDialog(name), 0);
    EXPECT_TRUE(WaitForFile(target.recording, 20));
    return ReadRecording(target.recording);
  }

  InstalledProgram program;
  RecordingTarget target{program};
  std::unique_ptr<ChildProcess> quillet;
  HWND window = nullptr;
  std::string name = UniqueName("imp");  // letters and digits: the suggestion is the name itself
  std::vector<std::string> leftovers;
};

TEST_F(ImportE2e, DesktopShortcutStartsWithItsArgumentsFolderAndStyle) {
  const std::string shortcut = Folder("Desktop") + "\\" + name + ".lnk";
  leftovers.insert(leftovers.begin(), shortcut);
  ASSERT_TRUE(WriteShortcut(shortcut, {target.exe, "-a \"b  c\"", target.folder, SW_SHOWMINNOACTIVE}));
  const HWND wizard = OpenWizard(kMenuImportDesktop, "Desktop");
  ASSERT_NE(wizard, nullptr);
  ImportAll(wizard);

  EXPECT_EQ(ReadFileBytes(program.Generated(name, ".cfg")), DefinitionFileText(name, target.exe, "-a \"b  c\"", 7));
  EXPECT_FALSE(FileExists(program.Generated(name, ".tmp")));
  const Recorded started = Start();
  EXPECT_EQ(started.arguments, "-a \"b  c\"");
  EXPECT_EQ(started.folder, target.folder);
  EXPECT_EQ(started.showCommand, "7");
}

TEST_F(ImportE2e, StartMenuShortcutInASubFolder) {
  const std::string sub = UniqueName("Folder");
  const std::string shortcut = Folder("Programs", sub) + "\\" + name + ".lnk";
  leftovers.insert(leftovers.begin(), shortcut);
  ASSERT_TRUE(WriteShortcut(shortcut, {target.exe, "x", target.folder, SW_SHOWNORMAL}));
  const HWND wizard = OpenWizard(kMenuImportStartMenu, "StartMenu");
  ASSERT_NE(wizard, nullptr);
  PickFolder(sub);
  ImportAll(wizard);
  EXPECT_EQ(Start().arguments, "x");
}

TEST_F(ImportE2e, FavoriteInASubFolderOpensInTheBrowser) {
  const HttpHandlerSwap browser;
  const std::string received = program.File("received.txt");
  const ScopedEnvironmentVariable recorderOutput("QUILLET_URL_RECORDER_OUT", received.c_str());
  const std::string address = "http://example.com/quillet?q=" + name + "&x=2";
  const std::string sub = UniqueName("Folder");
  const std::string favorite = Folder("Favorites", sub) + "\\" + name + ".url";
  leftovers.insert(leftovers.begin(), favorite);
  WriteFileBytes(favorite, "[InternetShortcut]\r\nURL=" + address + "\r\n");
  const HWND wizard = OpenWizard(kMenuImportFavorites, "Favorites");
  ASSERT_NE(wizard, nullptr);
  PickFolder(sub);
  ImportAll(wizard);

  EXPECT_EQ(ReadFileBytes(program.Generated(name, ".cfg")), DefinitionFileText(name, address, "", 1));
  EXPECT_FALSE(FileExists(program.Generated(name, ".url")));
  EXPECT_EQ(RunDialog(name), 0);
  ASSERT_TRUE(WaitForFile(received, 20));
  EXPECT_EQ(ReadFileBytes(received), address);
}

}  // namespace
}  // namespace quillet::testing
