// The one save every route goes through: what it writes, and that a save that fails leaves
// everything as it was.

#include "store/save_command.h"

#include <gtest/gtest.h>

#include "store/app_paths_store.h"
#include "store/definition_file.h"
#include "store/repair.h"
#include "tests/support/test_store.h"
#include "tests/tools/shortcut_reader.h"

namespace quillet {
namespace {

using testing::FileExists;
using testing::ReadFileBytes;

class SaveCommandTest : public ::testing::Test {
 protected:
  SaveOutcome Save(SaveRequest request) { return SaveCommand(test.store, request, rows); }
  // What a failed save must leave untouched: the files of "notes" and "taken", both entries, the rows.
  std::string Snapshot() const {
    std::string all;
    for (const char* name : {"notes", "taken", "fresh"}) {
      all += ReadFileBytes(test.Lnk(name)) + "|" + ReadFileBytes(test.Cfg(name)) + "|" + test.Entry(name) + "|";
    }
    for (const UserCommandRow& row : rows) all += row.name + "," + row.target + ";";
    return all;
  }

  testing::TestStore test;
  UserCommandList rows;
  const std::string target = test.program.File("app.exe");

  void SetUp() override {
    ASSERT_TRUE(Save({{"notes", "C:\\notes.txt", "-a", kWindowMaximized}}).Saved());
    testing::AddAppPathsEntry(test.Root(), "taken.exe", "C:\\Other\\taken.exe");
  }
};

// The launcher's fields are writers_agree_test's, the definition file the restore's end to end.
TEST_F(SaveCommandTest, WritesTheEntryAndListsTheCommandAndReplacesAnotherProgramsEntryOnlyWhenAgreed) {
  // A file of the user's beside the launcher is made writable and visible again first.
  const std::string vbs = GeneratedFilePath(test.program.Path(), "notes", ".vbs");
  testing::WriteFileBytes(vbs, "' user file");
  SetFileAttributesA(vbs.c_str(), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN);
  ASSERT_TRUE(Save({{"notes", "C:\\notes.txt", "-a", kWindowMaximized}, "notes"}).Saved());
  EXPECT_EQ(GetFileAttributesA(vbs.c_str()) & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN), 0u);
  EXPECT_EQ(test.Entry("notes"), test.Lnk("notes") + '\0');
  EXPECT_EQ(testing::RegistryBytes(test.Root(), AppPathsSubkey("notes"), "Path"), test.program.Cmds() + '\0');
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0].name + "|" + rows[0].fileName + "|" + std::to_string(rows[0].windowMode) + "|" +
                std::to_string(rows[0].icon),
            "notes|notes|3|0");
  EXPECT_EQ(Save({{"taken", target}}).failure, SaveFailure::ForeignEntry);
  SaveRequest agreed{{"taken", target}};
  agreed.claim = EntryClaim::Any;
  EXPECT_TRUE(Save(agreed).Saved());
  EXPECT_EQ(test.Entry("taken"), test.Lnk("taken") + '\0');
}

TEST_F(SaveCommandTest, AFailedSaveLeavesEverythingAsItWas) {
  rows[0].icon = 9;
  testing::TestStore scriptless(testing::kScriptWriter);
  DeleteFileA(scriptless.program.File("cshortcut.vbs").c_str());
  struct Case {
    SaveRequest request;
    SaveFailure failure;
    std::function<void()> breakIt = [] {};
  };
  const std::string longPath = "C:\\" + std::string(kLongestPath, 'a') + ".exe";
  Case cases[] = {
      // Which names and launchers are refused is command_name_test's and target_path_test's.
      {{{"my tool", target}}, SaveFailure::NameRefused},
      {{{"fresh", longPath}}, SaveFailure::LauncherRefused},
      {{{"gone"}, "", LauncherSource::ShellLink, test.program.File("none.lnk")}, SaveFailure::SourceUnreadable},
      {{{"taken", target}}, SaveFailure::ForeignEntry},
      // A rename whose new definition file cannot be written keeps the command it was.
      {{{"fresh", target}, "notes"}, SaveFailure::DefinitionFailed,
       [&] { CreateDirectoryA(test.Cfg("fresh").c_str(), nullptr); }},
      // Last: the roots stay unwritable.
      {{{"notes", target}}, SaveFailure::AppPathsFailed, [&] { test.registry.MakeUnwritable(StoreScope::MachineWide); }},
  };
  for (Case& c : cases) {
    SCOPED_TRACE(c.request.command.name + " " + c.request.command.target.substr(0, 20));
    const std::string before = Snapshot();
    c.breakIt();
    const StoreContext store(test.program.Path(), testing::kNativeWriter, StoreScope::MachineWide, test.registry.Roots());
    EXPECT_EQ(SaveCommand(store, c.request, rows).failure, c.failure);
    EXPECT_EQ(Snapshot(), before);
  }
  EXPECT_EQ(SaveCommand(scriptless.store, {{"fresh", target}}, rows).failure, SaveFailure::ScriptMissing);
  EXPECT_FALSE(scriptless.HasEntry("fresh") || FileExists(scriptless.Cfg("fresh")));

  // With an empty HKEY_CLASSES_ROOT this process's shell finds no program for .vbs files.
  testing::TestStore scripted(testing::kScriptWriter);
  HKEY empty = nullptr;
  RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\QuilletTestEmptyClasses", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                  &empty, nullptr);
  RegOverridePredefKey(HKEY_CLASSES_ROOT, empty);
  const SaveFailure failure = SaveCommand(scripted.store, {{"fresh", target}}, rows).failure;
  RegOverridePredefKey(HKEY_CLASSES_ROOT, nullptr);
  RegCloseKey(empty);
  EXPECT_EQ(failure, SaveFailure::NoScriptHost);
  EXPECT_FALSE(FileExists(scripted.Lnk("fresh")) || scripted.HasEntry("fresh"));
  EXPECT_EQ(GetEnvironmentVariableA("QUILLET_SHORTCUT_TARGET", nullptr, 0), 0u);  // put back as it was
}

TEST_F(SaveCommandTest, UpdatesKeepPlaceIconAndStartInFolderAndRenamesMoveTheCommandWhole) {
  ASSERT_TRUE(Save({{"other", "C:\\other.txt"}}).Saved());
  rows[0].icon = 9;
  // An imported command's launcher keeps the folder of the shortcut it came from.
  ASSERT_TRUE(testing::WriteShortcut(test.Lnk("notes"), {"C:\\notes.txt", "-a", "D:\\Work", SW_SHOWNORMAL}));
  ASSERT_TRUE(Save({{"notes", "C:\\notes.txt", "-b", kWindowNormal}, "notes"}).Saved());
  EXPECT_EQ(testing::ReadShortcut(test.Lnk("notes"))->workingFolder, "D:\\Work");
  ASSERT_TRUE(Save({{"notes", "C:\\Docs\\new.txt"}, "notes"}).Saved());  // a new target: its own folder
  EXPECT_EQ(testing::ReadShortcut(test.Lnk("notes"))->workingFolder, "C:\\Docs");

  ASSERT_TRUE(Save({{"memo", "C:\\Docs\\new.txt"}, "notes"}).Saved());
  EXPECT_EQ(rows[0].name + "|" + rows[0].fileName + "|" + std::to_string(rows[0].icon), "memo|memo|9");
  EXPECT_FALSE(test.HasEntry("notes") || FileExists(test.Lnk("notes")) || FileExists(test.Cfg("notes")));
  EXPECT_TRUE(test.HasEntry("memo") && FileExists(test.Lnk("memo")) && FileExists(test.Cfg("memo")));
  // A rename onto another command replaces it; one that changes only the letter case keeps the files.
  ASSERT_TRUE(Save({{"other", "C:\\Docs\\new.txt"}, "memo"}).Saved());
  ASSERT_TRUE(Save({{"Other", "C:\\Docs\\new.txt"}, "other"}).Saved());
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(test.Entry("other"), GeneratedFilePath(test.program.Path(), "Other", ".lnk") + '\0');
  SystemCommandList system;
  RebuildSystemList(test.store, rows, system);
  for (const auto& row : system) EXPECT_NE(row.name, "other");  // the entry has the new case
}

TEST_F(SaveCommandTest, RepairClaimsOnlyFreeOwnAndOrphanedEntriesAndCountsWhatItMade) {
  const std::string moved = "C:\\Old Place\\Cmds\\run_moved.lnk";  // a copy of Quillet that is gone
  for (const auto& [name, entry] : {std::pair<std::string, std::string>{"taken", "C:\\Other\\taken.exe"},
                                    {"moved", moved}, {"fake", ""}}) {
    testing::WriteFileBytes(test.Cfg(name), DefinitionFileText(name == "fake" ? "sysapp" : name, target, "", 1));
  }
  testing::AddAppPathsEntry(test.Root(), "moved.exe", moved);
  testing::AddAppPathsEntry(test.Root(), "sysapp.exe", "C:\\Other\\sysapp.exe");
  DeleteAppPathsKey(test.Root(), "notes");
  DeleteFileA(test.Lnk("notes").c_str());
  testing::WriteFileBytes(test.Cfg("create"), DefinitionFileText("create", target, "", 1));

  RepairResult repaired = RepairCommands(test.store);
  std::sort(repaired.failed.begin(), repaired.failed.end());
  EXPECT_EQ(repaired.repaired, 2);  // notes and moved
  EXPECT_EQ(repaired.failed, (std::vector<std::string>{"create", "sysapp", "taken"}));
  EXPECT_EQ(test.Entry("moved"), test.Lnk("moved") + '\0');  // a lost entry comes back end to end
  EXPECT_EQ(testing::RegistryText(test.Root(), AppPathsSubkey("taken")), "C:\\Other\\taken.exe");
  EXPECT_EQ(testing::RegistryText(test.Root(), AppPathsSubkey("sysapp")), "C:\\Other\\sysapp.exe");
  EXPECT_FALSE(test.HasEntry("create") || test.HasEntry("fake"));
  EXPECT_EQ(RepairMessage(repaired), "2 commands were repaired.\r\nThese could not be repaired: create, sysapp, taken");
}

}  // namespace
}  // namespace quillet
