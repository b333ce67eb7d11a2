#include "store/app_paths_store.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "store/definition_file.h"
#include "store/repair.h"
#include "store/store_paths.h"
#include "tests/support/recording_prompt.h"
#include "tests/support/registry_sandbox.h"
#include "tests/support/temp_program_folder.h"

namespace quillet {
namespace {

using testing::AddAppPathsEntry;
using testing::AppPathsEntryExists;

// A value exactly as stored: REG_SZ text with one terminating NUL, all counted.
std::string Stored(const std::string& name, const char* valueName) {
  return testing::RegistryBytes(HKEY_LOCAL_MACHINE, AppPathsSubkey(name), valueName);
}

class AppPathsStore : public ::testing::Test {
 protected:
  testing::LocalMachineSandbox hklm;
  testing::TempProgramFolder program;
  testing::RecordingPrompt prompt;
  StoreContext store{program.Path(), nullptr, prompt};
};

TEST_F(AppPathsStore, WritesCommandsAndVerbsAsNulCountedTextAndKeepsOtherValues) {
  AddAppPathsEntry("notes.exe", "C:\\old.exe");
  testing::SetRegistryText(HKEY_LOCAL_MACHINE, AppPathsSubkey("notes"), "Other", "kept");
  CreateAppPathsKey(store, "notes");
  WriteBuiltInVerbs(store);

  const std::string folder = program.Path();
  const std::vector<std::tuple<std::string, std::string, std::string>> expected{
      {"notes", folder + "\\Cmds\\run_notes.lnk", folder + "\\Cmds"},
      {"create", folder + "\\quillet.exe", folder},
      {"remove", folder + "\\quillet.exe", folder},
      {"quillet", folder + "\\quillet.exe", folder},
      {"clear", folder + "\\clear.vbs", folder}};
  for (const auto& [name, target, path] : expected) {
    EXPECT_EQ(Stored(name, nullptr), target + '\0') << name;
    EXPECT_EQ(Stored(name, "Path"), path + '\0') << name;
  }
  EXPECT_EQ(Stored("notes", "Other"), std::string("kept") + '\0');
  EXPECT_TRUE(prompt.Records().empty());
}

TEST_F(AppPathsStore, RegistryFailuresAreShown) {
  hklm.MakeUnwritable();
  CreateAppPathsKey(store, "notes");
  WriteBuiltInVerbs(store);  // stops at its first failure
  EXPECT_FALSE(AppPathsEntryExists("notes.exe"));

  testing::DeleteKeyTree(HKEY_LOCAL_MACHINE, kAppPathsKey);
  SystemCommandList system;
  ListSystemCommands(store, {}, system);
  EXPECT_TRUE(system.empty());
  const std::vector<std::string> shown{"Error creating registry key!|Quillet|16", "Error creating registry key!|Quillet|16",
                                       "Couldn\xB4t recieve the list of system commands!|Quillet|64"};
  EXPECT_EQ(prompt.Summaries(), shown);
}

TEST_F(AppPathsStore, DeleteRemovesOnlyTheCommandsOwnVisibleFilesInCmds) {
  CreateAppPathsKey(store, "notes");
  for (const char* extension : {".lnk", ".cfg", ".vbs"}) {
    testing::WriteFileBytes(GeneratedFilePath(program.Path(), "notes", extension), "x");
  }
  const std::string hidden = GeneratedFilePath(program.Path(), "secret", ".cfg");
  testing::WriteFileBytes(hidden, "x");
  SetFileAttributesA(hidden.c_str(), FILE_ATTRIBUTE_HIDDEN);
  const std::string outside = program.File("victim.lnk");
  testing::WriteFileBytes(outside, "x");

  for (const char* name : {"notes", "secret", "x\\..\\..\\victim", "x/../../victim", "never-made"}) {
    DeleteCommand(store, name);
  }
  EXPECT_FALSE(AppPathsEntryExists("notes.exe"));
  for (const char* gone : {".lnk", ".cfg"}) EXPECT_FALSE(testing::FileExists(GeneratedFilePath(program.Path(), "notes", gone)));
  for (const std::string& kept : {GeneratedFilePath(program.Path(), "notes", ".vbs"), hidden, outside}) {
    EXPECT_TRUE(testing::FileExists(kept)) << kept;
  }
  EXPECT_TRUE(prompt.Records().empty());
}

// A definition file from before Quillet's own Run words were refused does not take one over.
TEST_F(AppPathsStore, RepairLeavesQuilletsOwnRunWordsAlone) {
  const std::string definition = DefinitionFileText("create", "C:\\a.exe", "", 1);
  testing::WriteFileBytes(GeneratedFilePath(program.Path(), "create", ".cfg"), definition);
  EXPECT_EQ(RepairCommands(store).failed, std::vector<std::string>{"create"});
  EXPECT_FALSE(AppPathsEntryExists("create.exe"));
}

TEST_F(AppPathsStore, SystemListLeavesOutUserCommandsAndShortNames) {
  const std::pair<const char*, std::string> entries[] = {
      {"mine.exe", "C:\\mine.lnk"}, {"Mine2.exe", "C:\\x.lnk"}, {"tool.com", "C:\\tool.com"},
      {"tool.exe", "  C:\\tool.exe  "}, {"ab", "C:\\short"}, {"x.ex", "C:\\four"},
      {"long.exe", std::string(300, 'a')}, {"fits.exe", std::string(254, 'b')}};
  for (const auto& [subkey, target] : entries) AddAppPathsEntry(subkey, target);
  const UserCommandList users{{" mine ", "", "", "1", 0}, {"mine2", "", "", "1", 0}};

  SystemCommandList system;
  ListSystemCommands(store, users, system);
  ReadSystemCommandTargets(system);
  std::vector<std::pair<std::string, std::string>> rows;
  for (const auto& row : system) rows.emplace_back(row.name, row.target);
  std::sort(rows.begin(), rows.end());
  // Case counts: "Mine2" is not the user command "mine2". "tool.com" shows as "tool" and takes
  // its target from tool.exe; a target too long to read stays empty.
  const std::vector<std::pair<std::string, std::string>> expected{
      {"Mine2", "C:\\x.lnk"}, {"fits", std::string(254, 'b')}, {"long", ""}, {"tool", "C:\\tool.exe"},
      {"tool", "C:\\tool.exe"}};
  EXPECT_EQ(rows, expected);
}

}  // namespace
}  // namespace quillet
