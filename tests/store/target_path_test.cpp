#include "store/target_path.h"

#include <gtest/gtest.h>

#include "store/command_record.h"
#include "store/command_table.h"
#include "store/store_paths.h"

namespace quillet {
namespace {

TEST(TargetPath, FolderOfAPathAndTheFolderRule) {
  const std::pair<const char*, const char*> folders[] = {
      {"C:\\Tools\\app.exe", "C:\\Tools"}, {"C:\\Tools\\", "C:\\Tools"}, {"C:\\app.exe", "C:\\"}, {"C:\\", "C:\\"},
      {"\\\\server\\share\\a.txt", "\\\\server\\share"}, {"http://example.com/a", ""}, {"notepad.exe", ""}};
  for (const auto& [path, folder] : folders) EXPECT_EQ(GetFolderOfPath(path), folder) << path;
  // Paths without a dot become folders.
  const std::pair<const char*, const char*> ruled[] = {
      {"C:\\Tools", "C:\\Tools\\"}, {"C:\\Tools\\", "C:\\Tools\\"}, {"C:\\My.Folder", "C:\\My.Folder"}};
  for (const auto& [path, result] : ruled) EXPECT_EQ(ApplyFolderRule(path), result) << path;
}

TEST(MergeRows, FollowsTheFilesKeepingOrderAndIcons) {
  UserCommandList rows{{"a", "C:\\a.exe", "", "1", 14}, {"b", "C:\\b.txt", "", "1", 9}, {"c", "C:\\c.txt", "", "1", 9}};
  const UserCommandList same = rows;
  EXPECT_FALSE(MergeRows(rows, {same[2], same[1], same[0]}));  // the order on disk does not matter
  EXPECT_EQ(rows[0].name, "a");

  UserCommandList now{{"c", "C:\\c.txt", "-x", "3", 0}, {"new", "C:\\n.txt", "", "1", 0}, {"A", "C:\\z.exe", "", "1", 0}};
  EXPECT_TRUE(MergeRows(rows, now));
  std::string merged;
  for (const auto& row : rows) merged += row.name + " " + row.parameters + " " + std::to_string(row.icon) + "|";
  EXPECT_EQ(merged, "A  0|c -x 9|new  0|");  // a new target needs a new icon; a new case keeps the place
}

}  // namespace
}  // namespace quillet
