// addcontextmenu.vbs and removecontextmenu.vbs: the per-user "Create Shortcut Command" entries
// of the Explorer context menu for files and folders.

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "tests/scripts/script_runner.h"
#include "tests/support/temp_program_folder.h"

namespace quillet::testing {
namespace {

constexpr const char* kFileEntry = "Software\\Classes\\*\\shell\\QuilletCreateCommand";
constexpr const char* kFolderEntry = "Software\\Classes\\Directory\\shell\\QuilletCreateCommand";

class ContextMenuScripts : public ::testing::Test {
 protected:
  void SetUp() override { RemoveEntries(); }
  void TearDown() override { RemoveEntries(); }
  static void RemoveEntries() {
    DeleteKeyTree(HKEY_CURRENT_USER, kFileEntry);
    DeleteKeyTree(HKEY_CURRENT_USER, kFolderEntry);
  }

  TempProgramFolder program_{TempProgramFolder::Scripts::Copied};
};

TEST_F(ContextMenuScripts, AddWritesBothEntriesAndMayRunAgain) {
  // Installed programs live in folders with blanks in their names.
  const std::string folder = program_.File("Program Files");
  CreateDirectoryA(folder.c_str(), nullptr);
  CopyFileA(program_.File("addcontextmenu.vbs").c_str(), (folder + "\\addcontextmenu.vbs").c_str(), FALSE);
  const std::string command = "\"" + folder + "\\quillet.exe\" %1";

  for (int run = 1; run <= 2; ++run) {
    SCOPED_TRACE("run " + std::to_string(run));
    ASSERT_TRUE(RunScript(folder, "addcontextmenu.vbs"));
    for (const std::string entry : {kFileEntry, kFolderEntry}) {
      SCOPED_TRACE(entry);
      EXPECT_EQ(ReadDefaultValue(HKEY_CURRENT_USER, entry), "Create Shortcut Command");
      EXPECT_EQ(ReadDefaultValue(HKEY_CURRENT_USER, entry + "\\command"), command);
    }
  }
}

TEST_F(ContextMenuScripts, RemoveDeletesBothEntriesOnly) {
  const std::string otherVerb = "Software\\Classes\\*\\shell\\" + UniqueName("OtherVerb");
  WriteDefaultValue(HKEY_CURRENT_USER, otherVerb, "Another program's entry");

  ASSERT_TRUE(RunScript(program_.Path(), "addcontextmenu.vbs"));
  ASSERT_TRUE(KeyExists(HKEY_CURRENT_USER, kFileEntry));
  ASSERT_TRUE(KeyExists(HKEY_CURRENT_USER, kFolderEntry));
  ASSERT_TRUE(RunScript(program_.Path(), "removecontextmenu.vbs"));

  EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kFileEntry));
  EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kFolderEntry));
  EXPECT_EQ(ReadDefaultValue(HKEY_CURRENT_USER, otherVerb), "Another program's entry");
  DeleteKeyTree(HKEY_CURRENT_USER, otherVerb);
}

TEST_F(ContextMenuScripts, RemoveWithNothingAddedEndsQuietly) {
  ASSERT_TRUE(RunScript(program_.Path(), "removecontextmenu.vbs"));
  EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kFileEntry));
  EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kFolderEntry));
}

}  // namespace
}  // namespace quillet::testing
