#include "ui/common/folder_chooser.h"

#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include "tests/support/recording_prompt.h"
#include "tests/support/temp_program_folder.h"
#include "ui/common/folder_chooser_ids.h"

namespace quillet {
namespace {

class FolderChooserTest : public ::testing::Test {
 protected:
  void SetUp() override {
    CreateDirectoryA(folder.File("Sub One").c_str(), nullptr);
    CreateDirectoryA(folder.File("Sub One\\Deeper").c_str(), nullptr);
    CreateDirectoryA(folder.File("hidden").c_str(), nullptr);
    SetFileAttributesA(folder.File("hidden").c_str(), FILE_ATTRIBUTE_HIDDEN);
    ASSERT_TRUE(chooser.CreateModeless(nullptr));
  }
  void PressOk() { SendMessageA(chooser.Handle(), WM_COMMAND, IDOK, 0); }

  testing::TempProgramFolder folder;
  testing::RecordingPrompt prompt;
  FolderChooser chooser{prompt};
};

TEST_F(FolderChooserTest, StartsAtDriveCAndOkGivesTheSelectedFolder) {
  char caption[32] = {};
  GetWindowTextA(chooser.Handle(), caption, sizeof caption);
  EXPECT_STREQ(caption, " Select Folder");
  EXPECT_EQ(chooser.Tree().SelectedPath(), "C:\\");

  const std::string deeper = folder.File("Sub One\\Deeper");
  ASSERT_TRUE(chooser.Tree().Select(deeper));
  PressOk();
  EXPECT_TRUE(prompt.Records().empty());
  EXPECT_EQ(chooser.Chosen(), deeper);
  EXPECT_EQ(chooser.Handle(), nullptr);
}

TEST_F(FolderChooserTest, NothingSelectedIsRefused) {
  TreeView_SelectItem(chooser.Item(IDC_FOLDER_TREE), nullptr);
  PressOk();
  ASSERT_EQ(prompt.Records().size(), 1u);
  EXPECT_EQ(prompt.Records()[0].text, "Please choose a valid folder!");
  EXPECT_EQ(prompt.Records()[0].flags, 64u);
  EXPECT_NE(chooser.Handle(), nullptr);
  EXPECT_FALSE(chooser.Chosen());
}

TEST_F(FolderChooserTest, ARootedTreeListsOnlyVisibleFoldersBelowIt) {
  chooser.Tree().ShowRoot(chooser.Item(IDC_FOLDER_TREE), folder.Path() + "\\");
  EXPECT_EQ(chooser.Tree().SelectedPath(), folder.Path());
  EXPECT_FALSE(chooser.Tree().Select(folder.File("hidden")));
  EXPECT_FALSE(chooser.Tree().Select("C:\\windows"));
  EXPECT_TRUE(chooser.Tree().Select(folder.File("sub one\\deeper")));  // letter case ignored
  EXPECT_EQ(chooser.Tree().SelectedPath(), folder.File("Sub One\\Deeper"));
}

}  // namespace
}  // namespace quillet
