#include "store/launcher_shortcut.h"

#include <gtest/gtest.h>

#include "store/store_paths.h"
#include "tests/support/recording_prompt.h"
#include "tests/support/temp_program_folder.h"

namespace quillet {
namespace {

// A missing script is the start-up test's.
TEST(LauncherShortcut, AMissingScriptHostIsReportedAndNothingIsMade) {
  testing::TempProgramFolder program(testing::TempProgramFolder::Scripts::Copied);
  testing::RecordingPrompt prompt;
  // With an empty HKEY_CLASSES_ROOT this process's shell finds no program for .vbs files.
  HKEY empty = nullptr;
  RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\QuilletTestEmptyClasses", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                  &empty, nullptr);
  RegOverridePredefKey(HKEY_CLASSES_ROOT, empty);
  EXPECT_FALSE(CreateShortcutLNKFile({program.Path(), nullptr, prompt}, "notes", "C:\\n.txt", "", "C:\\", 1));
  RegOverridePredefKey(HKEY_CLASSES_ROOT, nullptr);
  RegCloseKey(empty);
  const std::vector<std::string> shown{
      "Could not locate the Windows Script Host Engine on your computer!\r\n"
      "It can be downloaded for free at https://www.microsoft.com/download/details.aspx?id=8247|Error|64"};
  EXPECT_EQ(prompt.Summaries(), shown);
  EXPECT_FALSE(testing::FileExists(GeneratedFilePath(program.Path(), "notes", ".lnk")));
}

TEST(LauncherShortcut, StartedScriptWritesTheShortcutAndLeavesTheEnvironmentAsItWas) {
  testing::TempProgramFolder program(testing::TempProgramFolder::Scripts::Copied);
  testing::RecordingPrompt prompt;
  const StoreContext store{program.Path(), nullptr, prompt};
  const std::string vbs = GeneratedFilePath(program.Path(), "notes", ".vbs");
  testing::WriteFileBytes(vbs, "' user file");
  SetFileAttributesA(vbs.c_str(), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN);

  EXPECT_TRUE(CreateShortcutLNKFile(store, "notes", "C:\\windows\\notepad.exe", "a b", "C:\\windows", 3));
  EXPECT_TRUE(prompt.Records().empty());
  EXPECT_EQ(GetFileAttributesA(vbs.c_str()) & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN), 0u);
  EXPECT_EQ(GetEnvironmentVariableA("QUILLET_SHORTCUT_TARGET", nullptr, 0), 0u);
  EXPECT_TRUE(testing::WaitForFile(GeneratedFilePath(program.Path(), "notes", ".lnk"), 20));
}

}  // namespace
}  // namespace quillet
