// Shortcuts on the prefix's Desktop and in a Favorites folder, imported
// through the real wizard driven from another process, then started through the Run dialog.

#include "store/definition_file.h"
#include "tests/e2e/e2e_support.h"
#include "tests/tools/control_driver.h"
#include "ui/import/import_wizard_ids.h"
#include "ui/main/main_menu.h"

namespace quillet::testing {
namespace {

class ImportE2e : public E2eTest {
 protected:
  ~ImportE2e() override {
    for (const std::string& made : leftovers) DeleteTree(made);
    Close(*quillet);
  }

  // Where the import from that shell folder finds `file`: on the Desktop itself; in the Favorites,
  // in a new folder `sub` for the picker, as in the Start Menu. Removed after the test.
  std::string Place(const std::string& shellFolder, const std::string& file) {
    const std::string folder = RegistryText(HKEY_CURRENT_USER, "Software\\Microsoft\\Windows\\CurrentVersion\\"
                                            "Explorer\\Shell Folders", shellFolder.c_str());
    if (shellFolder == "Desktop") return leftovers.emplace_back(folder + "\\" + file);
    CreateDirectoryA(leftovers.emplace_back(folder + "\\" + sub).c_str(), nullptr);
    return folder + "\\" + sub + "\\" + file;
  }

  // Opens the wizard from the Tools menu on the folder it offers; for the Favorites the
  // picker adds the shortcuts of the sub-folder `sub`. Then ticks all and imports.
  void Import(int menuItem, const std::string& source) {
    PostMessageA(MainWindow(*quillet), WM_COMMAND, menuItem, 0);
    const auto wizard = tools::WaitForDialog("Import Wizard - " + source, 20000, quillet->Id());
    ASSERT_TRUE(wizard && tools::PressButton(wizard->window, "Next >"));
    if (source != "Desktop") {
      const auto pick = tools::WaitForDialog("Add files to import...", 20000, quillet->Id());
      ASSERT_TRUE(pick && tools::SelectTreeChild(GetDlgItem(pick->window, IDC_PICKER_TREE), sub));
      ASSERT_TRUE(tools::PressButton(pick->window, "Add All In Dir") && tools::PressButton(pick->window, "Ok"));
      ASSERT_TRUE(tools::WaitForDialogGone(pick->window, 20000));
    }
    // Next is handled in the program's own time; the button shows with the list.
    ASSERT_TRUE(Eventually([&] { return tools::PressButton(wizard->window, "Check All"); }));
    ASSERT_TRUE(tools::PressButton(wizard->window, "Import Selected >"));
    ASSERT_TRUE(tools::WaitForDialogGone(wizard->window, 60000));
  }

  std::unique_ptr<ChildProcess> quillet = Start();
  std::string sub = UniqueName("Folder");
  std::vector<std::string> leftovers;
};

using ImportEitherWay = EitherWay<ImportE2e>;
QUILLET_EITHER_WAY(ImportEitherWay);

// From the Desktop, which needs no picker; the Favorites below go through it.
TEST_P(ImportEitherWay, ShellLinksStartWithTheirArgumentsFolderAndStyle) {
  const std::string name = NewName("imp");  // letters and digits: the suggestion is the name itself
  ASSERT_TRUE(WriteShortcut(Place("Desktop", name + ".lnk"), {target, "-a \"b  c\"", targetFolder, SW_SHOWMINNOACTIVE}));
  Import(kMenuImportDesktop, "Desktop");
  EXPECT_FALSE(FileExists(Generated(name, ".tmp")));
  EXPECT_EQ(Run(name), (Recorded{"-a \"b  c\"", targetFolder, "7"}));
}

// The Start Menu goes through the picker too: a folder of its Programs.
TEST_F(ImportE2e, AStartMenuShortcutStartsItsTarget) {
  const std::string name = NewName("menu");
  ASSERT_TRUE(WriteShortcut(Place("Programs", name + ".lnk"), {target, "-m", targetFolder, SW_SHOWNORMAL}));
  Import(kMenuImportStartMenu, "StartMenu");
  EXPECT_EQ(Run(name), (Recorded{"-m", targetFolder, "1"}));
}

TEST_F(ImportE2e, AFavoriteOpensInTheBrowser) {
  const HttpHandlerSwap browser;
  const std::string name = NewName("imp");
  SetEnvironmentVariableA("QUILLET_RECORD_FILE", recording.c_str());
  const std::string address = "http://example.com/quillet?q=" + name + "&x=2";
  WriteFileBytes(Place("Favorites", name + ".url"), "[InternetShortcut]\r\nURL=" + address + "\r\n");
  Import(kMenuImportFavorites, "Favorites");
  EXPECT_EQ(ReadFileBytes(Generated(name, ".cfg")), DefinitionFileText(name, address, "", 1));
  EXPECT_FALSE(FileExists(Generated(name, ".url")));
  EXPECT_EQ(Run(name).arguments, address);
  SetEnvironmentVariableA("QUILLET_RECORD_FILE", nullptr);
}

}  // namespace
}  // namespace quillet::testing
