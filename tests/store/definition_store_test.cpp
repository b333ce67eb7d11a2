#include "store/definition_store.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "store/definition_file.h"
#include "store/store_paths.h"
#include "tests/support/recording_prompt.h"
#include "tests/support/temp_program_folder.h"

namespace quillet {
namespace {

class DefinitionStore : public ::testing::Test {
 protected:
  testing::TempProgramFolder program;
  testing::RecordingPrompt prompt;
  StoreContext store{program.Path(), nullptr, prompt};

  std::string Cfg(const std::string& name) const { return GeneratedFilePath(program.Path(), name, ".cfg"); }

  UserCommandList Load() const {
    UserCommandList rows;
    LoadDefinitionFiles(store, rows);
    std::sort(rows.begin(), rows.end(), [](const auto& a, const auto& b) { return a.name < b.name; });
    return rows;
  }
};

TEST_F(DefinitionStore, WritesTheExactTextAndReplacesAnOldFileLeavingNoTemporary) {
  testing::WriteFileBytes(Cfg("notes"), std::string(5000, 'x'));
  ASSERT_TRUE(WriteDefinitionFile(store, "notes", "C:\\n.txt", "-a, \"b\"", kWindowMinimized));
  EXPECT_EQ(testing::ReadFileBytes(Cfg("notes")), DefinitionFileText("notes", "C:\\n.txt", "-a, \"b\"", 7));

  WIN32_FIND_DATAA found;
  const HANDLE search = FindFirstFileA((program.Cmds() + "\\*").c_str(), &found);
  int files = 0;
  do files += (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) ? 0 : 1;
  while (FindNextFileA(search, &found));
  FindClose(search);
  EXPECT_EQ(files, 1);
}

TEST_F(DefinitionStore, WriteFailsQuietlyWithoutCmdsOrForAnUnsafeName) {
  EXPECT_FALSE(WriteDefinitionFile(store, "a\\..\\..\\evil", "C:\\x", "", 1));
  EXPECT_FALSE(testing::FileExists(program.File("evil.cfg")));
  RemoveDirectoryA(program.Cmds().c_str());
  EXPECT_FALSE(WriteDefinitionFile(store, "notes", "C:\\x", "", 1));
  EXPECT_TRUE(prompt.Records().empty());
}

TEST_F(DefinitionStore, LoadsOneRowPerFileUnderTheNameInsideIt) {
  WriteDefinitionFile(store, "notes", "C:\\n.txt", "-p", kWindowMaximized);
  WriteDefinitionFile(store, "web", "http://example.com/", "", kWindowNormal);
  testing::WriteFileBytes(Cfg("renamed"), DefinitionFileText("Inside", "C:\\t", "", 1));
  const auto rows = Load();
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[0].name, "Inside");
  EXPECT_EQ(rows[1].name, "notes");
  EXPECT_EQ(rows[1].target, "C:\\n.txt");
  EXPECT_EQ(rows[1].parameters, "-p");
  EXPECT_EQ(rows[1].windowModeText, "3");
  EXPECT_EQ(rows[1].icon, 0);
  EXPECT_EQ(rows[2].target, "http://example.com/");
}

TEST_F(DefinitionStore, LoadSkipsHiddenFilesFoldersAndLongerExtensions) {
  WriteDefinitionFile(store, "shown", "C:\\a", "", 1);
  WriteDefinitionFile(store, "hidden", "C:\\b", "", 1);
  SetFileAttributesA(Cfg("hidden").c_str(), FILE_ATTRIBUTE_HIDDEN);
  CreateDirectoryA(Cfg("folder").c_str(), nullptr);
  testing::WriteFileBytes(program.Cmds() + "\\run_x.cfgx", DefinitionFileText("x", "C:\\x", "", 1));
  const auto rows = Load();
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0].name, "shown");
}

TEST_F(DefinitionStore, BadFilesStillGiveRowsWithoutCrashingOrHanging) {
  testing::WriteFileBytes(Cfg("empty"), "");
  testing::WriteFileBytes(Cfg("junk"), std::string(3 << 20, '\x01'));  // 3 MiB, no line end
  testing::WriteFileBytes(Cfg("two"), "header\r\nTwo\r\n");
  const auto rows = Load();
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[0].name, "Two");
  EXPECT_EQ(rows[1].name, "empty");  // too short to name itself: listed under its file's name
  EXPECT_EQ(rows[2].name, "junk");
  EXPECT_EQ(rows[2].target, "");
}

}  // namespace
}  // namespace quillet
