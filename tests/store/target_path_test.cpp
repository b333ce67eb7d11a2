#include "store/target_path.h"

#include <gtest/gtest.h>

#include "store/command_record.h"
#include "store/command_table.h"
#include "store/shortcut_request.h"
#include "store/store_paths.h"

namespace quillet {
namespace {

TEST(GetFolderOfPath, GivesTheFolderWithADriveRootKeepingItsBackslash) {
  EXPECT_EQ(GetFolderOfPath("C:\\Tools\\app.exe"), "C:\\Tools");
  EXPECT_EQ(GetFolderOfPath("C:\\Tools\\"), "C:\\Tools");
  EXPECT_EQ(GetFolderOfPath("C:\\app.exe"), "C:\\");
  EXPECT_EQ(GetFolderOfPath("C:\\"), "C:\\");
  EXPECT_EQ(GetFolderOfPath("\\\\server\\share\\a.txt"), "\\\\server\\share");
}

TEST(GetFolderOfPath, PathWithoutBackslashHasNoFolder) {
  EXPECT_EQ(GetFolderOfPath("http://example.com/a"), "");
  EXPECT_EQ(GetFolderOfPath("notepad.exe"), "");
}

TEST(ApplyFolderRule, PathsWithoutADotBecomeFolders) {
  EXPECT_EQ(ApplyFolderRule("C:\\Tools"), "C:\\Tools\\");
  EXPECT_EQ(ApplyFolderRule("C:\\Tools\\"), "C:\\Tools\\");
  EXPECT_EQ(ApplyFolderRule("C:\\My.Folder"), "C:\\My.Folder");
  EXPECT_EQ(ApplyFolderRule("C:\\notes.txt"), "C:\\notes.txt");
}

TEST(StorePaths, AreConcatenationsOfFolderAndName) {
  EXPECT_EQ(GeneratedFilePath("C:\\Q", "notes", ".lnk"), "C:\\Q\\Cmds\\run_notes.lnk");
  EXPECT_EQ(AppPathsSubkey("notes"), "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\notes.exe");
}

TEST(ShortcutScriptParameters, JoinsTheFieldsWithSpacedSemicolons) {
  const ShortcutRequest request{"C:\\Q\\Cmds\\run_n.lnk", "C:\\a b.exe", "C:\\", kWindowMinimized,
                                "\"x y\"  ; z"};
  EXPECT_EQ(ShortcutScriptParameters(request), "C:\\Q\\Cmds\\run_n.lnk ; C:\\a b.exe ; C:\\ ; 7 ; \"x y\"  ; z");
}

TEST(RemoveFromCommandList, RemovesEveryRowOfTheNameWhateverItsCase) {
  UserCommandList rows{{"a", "1", "", "1", 0}, {"B", "2", "", "1", 0}, {"A", "3", "", "1", 0}};
  EXPECT_FALSE(RemoveFromCommandList(rows, "c"));
  EXPECT_EQ(rows.size(), 3u);
  EXPECT_TRUE(RemoveFromCommandList(rows, "a"));
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0].name, "B");
}

}  // namespace
}  // namespace quillet

namespace quillet {
namespace {

TEST(MergeRows, FollowsTheFilesKeepingOrderAndIcons) {
  UserCommandList rows{{"a", "C:\\a.exe", "", "1", 14}, {"b", "C:\\b.txt", "", "1", 9}, {"c", "C:\\c.txt", "", "1", 9}};
  const UserCommandList same = rows;
  EXPECT_FALSE(MergeRows(rows, {same[2], same[1], same[0]}));  // the order on disk does not matter
  EXPECT_EQ(rows[0].name, "a");

  UserCommandList now{{"c", "C:\\c.txt", "-x", "3", 0}, {"new", "C:\\n.txt", "", "1", 0}, {"a", "C:\\z.exe", "", "1", 0}};
  EXPECT_TRUE(MergeRows(rows, now));
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[0].name, "a");
  EXPECT_EQ(rows[0].icon, 0);  // a new target needs a new icon
  EXPECT_EQ(rows[1].name, "c");
  EXPECT_EQ(rows[1].parameters, "-x");
  EXPECT_EQ(rows[1].icon, 9);
  EXPECT_EQ(rows[2].name, "new");
}

}  // namespace
}  // namespace quillet
