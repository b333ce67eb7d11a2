#include "ui/common/folder_chooser.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include "tests/support/recording_prompt.h"
#include "tests/support/temp_program_folder.h"
#include "ui/common/folder_chooser_ids.h"

namespace quillet {
namespace {

TEST(FolderChooser, StartsAtDriveCAndOkGivesOnlyASelectedFolder) {
  testing::TempProgramFolder folder;
  CreateDirectoryA(folder.File("Chosen Folder").c_str(), nullptr);
  testing::RecordingPrompt prompt;
  FolderChooser chooser(prompt);
  ASSERT_TRUE(chooser.CreateModeless(nullptr));
  char caption[32] = {};
  GetWindowTextA(chooser.Handle(), caption, sizeof caption);
  EXPECT_EQ(caption + ("|" + chooser.Tree().SelectedPath()), " Select Folder|C:\\");

  TreeView_SelectItem(chooser.Item(IDC_FOLDER_TREE), nullptr);
  SendMessageA(chooser.Handle(), WM_COMMAND, IDOK, 0);
  EXPECT_EQ(prompt.Summaries(), std::vector<std::string>{"Please choose a valid folder!|Quillet|64"});
  EXPECT_FALSE(chooser.Chosen());

  ASSERT_TRUE(chooser.Tree().Select(folder.File("chosen folder")));  // letter case ignored
  SendMessageA(chooser.Handle(), WM_COMMAND, IDOK, 0);
  EXPECT_EQ(chooser.Chosen(), folder.File("Chosen Folder"));
  EXPECT_EQ(chooser.Handle(), nullptr);
}

}  // namespace
}  // namespace quillet
