#include "store/app_paths_store.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "store/store_paths.h"
#include "tests/support/recording_prompt.h"
#include "tests/support/registry_sandbox.h"
#include "tests/support/temp_program_folder.h"

namespace quillet {
namespace {

using testing::AddAppPathsEntry;
using testing::AppPathsEntryExists;
using testing::ReadLocalMachineValue;

// A REG_SZ value as the store writes it: the text and one terminating NUL, all counted.
std::string StoredText(const std::string& text) { return text + '\0'; }

class AppPathsStore : public ::testing::Test {
 protected:
  testing::LocalMachineSandbox hklm;
  testing::TempProgramFolder program;
  testing::RecordingPrompt prompt;
  StoreContext store{program.Path(), nullptr, prompt};
};

TEST_F(AppPathsStore, CreateWritesShortcutAndCmdsFolderAsNulCountedText) {
  CreateAppPathsKey(store, "notes");
  const auto value = ReadLocalMachineValue(AppPathsSubkey("notes"), nullptr);
  EXPECT_EQ(value.type, static_cast<DWORD>(REG_SZ));
  EXPECT_EQ(value.data, StoredText(program.Path() + "\\Cmds\\run_notes.lnk"));
  EXPECT_EQ(ReadLocalMachineValue(AppPathsSubkey("notes"), "Path").data, StoredText(program.Path() + "\\Cmds"));
  EXPECT_TRUE(prompt.Records().empty());
}

TEST_F(AppPathsStore, CreateOverAnExistingSubkeyRewritesBothValuesAndKeepsTheRest) {
  AddAppPathsEntry("notes.exe", "C:\\old.exe");
  HKEY key = nullptr;
  RegOpenKeyExA(HKEY_LOCAL_MACHINE, AppPathsSubkey("notes").c_str(), 0, KEY_SET_VALUE, &key);
  RegSetValueExA(key, "Other", 0, REG_SZ, reinterpret_cast<const BYTE*>("kept"), 5);
  RegCloseKey(key);

  CreateAppPathsKey(store, "notes");
  EXPECT_EQ(ReadLocalMachineValue(AppPathsSubkey("notes"), nullptr).data,
            StoredText(program.Path() + "\\Cmds\\run_notes.lnk"));
  EXPECT_EQ(ReadLocalMachineValue(AppPathsSubkey("notes"), "Other").data, StoredText("kept"));
}

TEST_F(AppPathsStore, WritesThatCannotCreateTheSubkeyShowTheRegistryError) {
  hklm.MakeUnwritable();
  CreateAppPathsKey(store, "notes");
  WriteBuiltInVerbs(store);
  ASSERT_EQ(prompt.Records().size(), 2u);  // the verbs stop at their first failure
  for (const auto& record : prompt.Records()) {
    EXPECT_EQ(record.text, "Error creating registry key!");
    EXPECT_EQ(record.title, "Quillet");
    EXPECT_EQ(record.flags, 16u);
  }
  EXPECT_FALSE(AppPathsEntryExists("notes.exe"));
}

TEST_F(AppPathsStore, BuiltInVerbsPointAtTheProgramAndItsClearScript) {
  WriteBuiltInVerbs(store);
  const std::string exe = program.Path() + "\\quillet.exe";
  for (const char* verb : {"create", "remove", "quillet"}) {
    EXPECT_EQ(ReadLocalMachineValue(AppPathsSubkey(verb), nullptr).data, StoredText(exe)) << verb;
    EXPECT_EQ(ReadLocalMachineValue(AppPathsSubkey(verb), "Path").data, StoredText(program.Path())) << verb;
  }
  EXPECT_EQ(ReadLocalMachineValue(AppPathsSubkey("clear"), nullptr).data,
            StoredText(program.Path() + "\\clear.vbs"));
  EXPECT_TRUE(prompt.Records().empty());
}

TEST_F(AppPathsStore, DeleteRemovesSubkeyShortcutAndDefinitionButNothingElse) {
  CreateAppPathsKey(store, "notes");
  for (const char* extension : {".lnk", ".cfg", ".vbs", ".url"}) {
    testing::WriteFileBytes(GeneratedFilePath(program.Path(), "notes", extension), "x");
  }
  DeleteCommand(store, "notes");
  EXPECT_FALSE(AppPathsEntryExists("notes.exe"));
  EXPECT_FALSE(testing::FileExists(GeneratedFilePath(program.Path(), "notes", ".lnk")));
  EXPECT_FALSE(testing::FileExists(GeneratedFilePath(program.Path(), "notes", ".cfg")));
  EXPECT_TRUE(testing::FileExists(GeneratedFilePath(program.Path(), "notes", ".vbs")));
  EXPECT_TRUE(testing::FileExists(GeneratedFilePath(program.Path(), "notes", ".url")));

  DeleteCommand(store, "never-made");  // nothing to delete: no error, no message
  EXPECT_TRUE(prompt.Records().empty());
}

TEST_F(AppPathsStore, DeleteLeavesHiddenFilesAndEverythingOutsideCmds) {
  const std::string hidden = GeneratedFilePath(program.Path(), "secret", ".cfg");
  testing::WriteFileBytes(hidden, "x");
  SetFileAttributesA(hidden.c_str(), FILE_ATTRIBUTE_HIDDEN);
  DeleteCommand(store, "secret");
  EXPECT_TRUE(testing::FileExists(hidden));

  const std::string outside = program.File("victim.lnk");
  testing::WriteFileBytes(outside, "x");
  DeleteCommand(store, "x\\..\\..\\victim");
  DeleteCommand(store, "x/../../victim");
  EXPECT_TRUE(testing::FileExists(outside));
}

TEST_F(AppPathsStore, SystemListLeavesOutUserCommandsAndShortNames) {
  AddAppPathsEntry("mine.exe", "C:\\mine.lnk");
  AddAppPathsEntry("Mine2.exe", "C:\\x.lnk");
  AddAppPathsEntry("tool.com", "C:\\tool.com");
  AddAppPathsEntry("tool.exe", "  C:\\tool.exe  ");
  AddAppPathsEntry("ab", "C:\\short");
  AddAppPathsEntry("x.ex", "C:\\four");
  const UserCommandList users{{" mine ", "", "", "1", 0}, {"mine2", "", "", "1", 0}};

  SystemCommandList system;
  ListSystemCommands(store, users, system);
  ReadSystemCommandTargets(system);

  std::vector<std::pair<std::string, std::string>> rows;
  for (const auto& row : system) rows.emplace_back(row.name, row.target);
  std::sort(rows.begin(), rows.end());
  // Case counts: "Mine2" is not the user command "mine2". "tool.com" shows as "tool" and takes
  // its target from tool.exe.
  const std::vector<std::pair<std::string, std::string>> expected{
      {"Mine2", "C:\\x.lnk"}, {"tool", "C:\\tool.exe"}, {"tool", "C:\\tool.exe"}};
  EXPECT_EQ(rows, expected);
}

TEST_F(AppPathsStore, SystemTargetsThatCannotBeReadStayEmpty) {
  AddAppPathsEntry("long.exe", std::string(300, 'a'));
  AddAppPathsEntry("fits.exe", std::string(254, 'b'));
  AddAppPathsEntry("other.com", "C:\\other.com");
  SystemCommandList system;
  ListSystemCommands(store, {}, system);
  ReadSystemCommandTargets(system);
  ASSERT_EQ(system.size(), 3u);
  for (const auto& row : system) {
    if (row.name == "fits") EXPECT_EQ(row.target, std::string(254, 'b'));
    else EXPECT_EQ(row.target, "") << row.name;
  }
}

TEST(AppPathsStoreWithoutKey, AnUnreadableAppPathsKeyIsReported) {
  testing::LocalMachineSandbox hklm;
  RegDeleteTreeA(HKEY_LOCAL_MACHINE, kAppPathsKey);
  RegDeleteKeyA(HKEY_LOCAL_MACHINE, kAppPathsKey);
  testing::RecordingPrompt prompt;
  const StoreContext store{"C:\\nowhere", nullptr, prompt};
  SystemCommandList system;
  ListSystemCommands(store, {}, system);
  EXPECT_TRUE(system.empty());
  ASSERT_EQ(prompt.Records().size(), 1u);
  EXPECT_EQ(prompt.Records()[0].text, "Couldn\xB4t recieve the list of system commands!");
  EXPECT_EQ(prompt.Records()[0].flags, 64u);
}

}  // namespace
}  // namespace quillet
