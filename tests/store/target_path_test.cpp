#include "store/target_path.h"

#include <gtest/gtest.h>

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

TEST(TargetPath, FoldersInsideFoldersAndWhatALauncherHolds) {
  for (const char* inside : {"C:\\Program Files", "c:\\program files\\Quillet", "C:\\Program Files\\"}) {
    EXPECT_TRUE(IsInsideFolder(inside, "C:\\Program Files\\")) << inside;
  }
  for (const char* outside : {"C:\\Program Files (x86)\\Quillet", "C:\\Program", "D:\\Program Files", ""}) {
    EXPECT_FALSE(IsInsideFolder(outside, "C:\\Program Files")) << outside;
  }
  const std::string longest = "C:\\" + std::string(kLongestPath - 3, 'a');
  EXPECT_EQ(RefuseLauncher(longest, ""), LauncherRefusal::None);
  EXPECT_EQ(RefuseLauncher(longest + "b", ""), LauncherRefusal::TargetTooLong);
  EXPECT_EQ(RefuseLauncher("https://x/" + std::string(500, 'q'), ""), LauncherRefusal::None);  // its arguments hold it
  EXPECT_EQ(RefuseLauncher("https://x/" + std::string(kLongestArguments, 'q'), ""), LauncherRefusal::TargetTooLong);
  EXPECT_EQ(RefuseLauncher("C:\\a.exe", std::string(kLongestArguments + 1, 'p')), LauncherRefusal::ParametersTooLong);
}

}  // namespace
}  // namespace quillet
