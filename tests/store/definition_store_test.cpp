#include "store/definition_store.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <tuple>

#include "store/definition_file.h"
#include "store/store_paths.h"
#include "tests/support/test_store.h"

namespace quillet {
namespace {

class DefinitionStore : public ::testing::Test {
 protected:
  std::string Cfg(const std::string& name) const { return GeneratedFilePath(program.Path(), name, ".cfg"); }

  testing::TempProgramFolder program;
  StoreContext store{program.Path(), testing::kNativeWriter};
};

TEST_F(DefinitionStore, WritesTheExactTextInPlaceOfTheOldFileAndRefusesQuietly) {
  testing::WriteFileBytes(Cfg("notes"), std::string(5000, 'x'));
  ASSERT_TRUE(WriteDefinitionFile(store, "notes", "C:\\n.txt", "-a, \"b\"", kWindowMinimized));
  EXPECT_EQ(testing::ReadFileBytes(Cfg("notes")), DefinitionFileText("notes", "C:\\n.txt", "-a, \"b\"", 7));
  const std::filesystem::directory_iterator files(program.Cmds());
  EXPECT_EQ(std::distance(begin(files), end(files)), 1);  // no temporary left behind

  EXPECT_FALSE(WriteDefinitionFile(store, "a\\..\\..\\evil", "C:\\x", "", 1));
  EXPECT_FALSE(testing::FileExists(program.File("evil.cfg")));
  testing::DeleteTree(program.Cmds());
  EXPECT_FALSE(WriteDefinitionFile(store, "notes", "C:\\x", "", 1));
}

TEST_F(DefinitionStore, LeavesAFileBesideItThatIsNamedLikeATemporaryOne) {
  testing::WriteFileBytes(Cfg("notes") + ".new", "mine");
  ASSERT_TRUE(WriteDefinitionFile(store, "notes", "C:\\n.txt", "", 1));
  EXPECT_EQ(testing::ReadFileBytes(Cfg("notes") + ".new"), "mine");
}

TEST_F(DefinitionStore, LoadsOneRowPerVisibleFileWhateverItHolds) {
  WriteDefinitionFile(store, "notes", "C:\\n.txt", "-p", kWindowMaximized);
  testing::WriteFileBytes(Cfg("renamed"), DefinitionFileText("Inside", "C:\\t", "", 1));
  WriteDefinitionFile(store, "hidden", "C:\\b", "", 1);
  SetFileAttributesA(Cfg("hidden").c_str(), FILE_ATTRIBUTE_HIDDEN);
  CreateDirectoryA(Cfg("folder").c_str(), nullptr);
  testing::WriteFileBytes(program.Cmds() + "\\run_x.cfgx", DefinitionFileText("x", "C:\\x", "", 1));
  testing::WriteFileBytes(Cfg("empty"), "");
  testing::WriteFileBytes(Cfg("junk"), std::string(3 << 20, '\x01'));  // 3 MiB, no line end
  testing::WriteFileBytes(Cfg("two"), "header\r\nTwo\r\n");

  UserCommandList rows;
  LoadDefinitionFiles(store, rows);
  std::vector<std::tuple<std::string, std::string, std::string, int, std::string>> loaded;
  for (const auto& row : rows) loaded.emplace_back(row.name, row.target, row.parameters, row.windowMode, row.fileName);
  std::sort(loaded.begin(), loaded.end());
  // A file too short to name itself is listed under its file's name.
  const decltype(loaded) expected{{"Inside", "C:\\t", "", 1, "renamed"}, {"Two", "", "", 1, "two"},
                                  {"empty", "", "", 1, "empty"}, {"junk", "", "", 1, "junk"},
                                  {"notes", "C:\\n.txt", "-p", 3, "notes"}};
  EXPECT_EQ(loaded, expected);
}

}  // namespace
}  // namespace quillet
