#include "store/app_paths_store.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "tests/support/test_store.h"

namespace quillet {
namespace {

using testing::AddAppPathsEntry;
using testing::AppPathsEntryExists;
using testing::TestStore;

// Which scope gets the words, and that each leads where it should, clear.vbs included, is proven
// end to end. Where Windows cannot run clear.vbs, the word leads to a shortcut that starts
// quillet.exe.
TEST(AppPathsStore, WritesTheRunWordsAsNulCountedTextWithTheProgramFolderAsTheirPath) {
  TestStore test;
  ASSERT_TRUE(WriteBuiltInVerbs(test.store));
  const std::string folder = test.program.Path();
  for (const char* name : {"create", "remove", "quillet", "clear"}) {
    const std::string file = name == std::string("clear") ? "\\clear.lnk" : "\\quillet.exe";
    EXPECT_EQ(test.Entry(name), folder + file + '\0') << name;
    EXPECT_EQ(testing::RegistryBytes(test.Root(), AppPathsSubkey(name), "Path"), folder + '\0') << name;
  }
}

TEST(AppPathsStore, FailuresAreToldToTheCaller) {
  TestStore test;
  test.registry.MakeUnwritable(StoreScope::MachineWide);
  const StoreContext unwritable(test.program.Path(), testing::kNativeWriter, StoreScope::MachineWide,
                                test.registry.Roots());
  EXPECT_FALSE(WriteBuiltInVerbs(unwritable));
  EXPECT_EQ(DeleteAppPathsKey(unwritable.Root(), "notes"), DeleteResult::Denied);
  SystemCommandList system;
  EXPECT_FALSE(ListSystemCommands(unwritable, {}, system));
  EXPECT_TRUE(system.empty());
}

TEST(AppPathsStore, DeleteTakesOnlyTheCommandsOwnVisibleFilesAndItsOwnEntry) {
  TestStore test;
  const StoreContext& store = test.store;
  AddAppPathsEntry(test.Root(), "notes.exe", test.Lnk("notes"));
  AddAppPathsEntry(test.Root(), "other.exe", "C:\\other\\tool.exe");
  for (const char* extension : {".lnk", ".cfg", ".vbs"}) {
    testing::WriteFileBytes(GeneratedFilePath(test.program.Path(), "notes", extension), "x");
    testing::WriteFileBytes(GeneratedFilePath(test.program.Path(), "other", extension), "x");
  }
  const std::string hidden = test.Cfg("secret");
  testing::WriteFileBytes(hidden, "x");
  SetFileAttributesA(hidden.c_str(), FILE_ATTRIBUTE_HIDDEN);
  const std::string outside = test.program.File("victim.lnk");
  testing::WriteFileBytes(outside, "x");

  for (const char* name : {"notes", "other", "secret", "x\\..\\..\\victim", "x/../../victim", "never-made"}) {
    DeleteCommand(store, name);
  }
  EXPECT_FALSE(test.HasEntry("notes"));
  EXPECT_TRUE(test.HasEntry("other"));  // another program's entry of a command's name
  for (const char* name : {"notes", "other"}) {
    EXPECT_FALSE(testing::FileExists(test.Lnk(name)) || testing::FileExists(test.Cfg(name))) << name;
  }
  for (const std::string& kept : {GeneratedFilePath(test.program.Path(), "notes", ".vbs"), hidden, outside}) {
    EXPECT_TRUE(testing::FileExists(kept)) << kept;
  }
}

TEST(AppPathsStore, SystemListHoldsBothScopesTheUsersFirstAndLeavesOutTheCopysOwnCommands) {
  TestStore test;
  const RegistryRoots& roots = test.store.roots;
  const std::tuple<HKEY, const char*, std::string> entries[] = {
      {roots.machine, "mine.exe", "C:\\mine.lnk"}, {roots.machine, "Mine2.exe", "C:\\x.lnk"},
      {roots.machine, "tool.com", "C:\\tool.com"}, {roots.machine, "tool.exe", "  C:\\tool.exe  "},
      {roots.machine, "ab", "C:\\short"}, {roots.machine, "long.exe", std::string(300, 'a')},
      {roots.machine, "fits.exe", std::string(254, 'b')},
      {roots.user, "mine.exe", "C:\\users\\mine.exe"}, {roots.user, "both.exe", "C:\\user\\both.exe"},
      {roots.machine, "both.exe", "C:\\machine\\both.exe"}};
  for (const auto& [root, subkey, target] : entries) AddAppPathsEntry(root, subkey, target);
  const UserCommandList users{RowOf({" mine "}), RowOf({"mine2"})};

  SystemCommandList system;
  ASSERT_TRUE(RebuildSystemList(test.store, users, system));
  std::vector<std::tuple<StoreScope, std::string, std::string>> rows;
  for (const auto& row : system) rows.emplace_back(row.scope, row.name, row.target);
  std::stable_sort(rows.begin(), rows.end(), [](const auto& a, const auto& b) {
    return std::tie(std::get<0>(a), std::get<1>(a)) < std::tie(std::get<0>(b), std::get<1>(b));
  });
  // The machine's "mine" is this copy's command, the user's "mine" another program's. Case
  // counts: "Mine2" is not the user command "mine2". "tool.com" shows as "tool" and takes its
  // target from tool.exe; a target too long to read stays empty.
  using enum StoreScope;
  const decltype(rows) expected{
      {PerUser, "both", "C:\\user\\both.exe"}, {PerUser, "mine", "C:\\users\\mine.exe"},
      {MachineWide, "Mine2", "C:\\x.lnk"}, {MachineWide, "both", "C:\\machine\\both.exe"},
      {MachineWide, "fits", std::string(254, 'b')}, {MachineWide, "long", ""}, {MachineWide, "tool", "C:\\tool.exe"},
      {MachineWide, "tool", "C:\\tool.exe"}};
  EXPECT_EQ(rows, expected);
  EXPECT_EQ(system.front().scope, PerUser);  // as the shell looks
}

}  // namespace
}  // namespace quillet
