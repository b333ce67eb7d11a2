// The companion scripts as the writer, where they cannot run: what the save is told.

#include "store/script_writer.h"

#include <gtest/gtest.h>

#include "store/save_command.h"
#include "tests/support/test_store.h"

namespace quillet {
namespace {

// A missing script is the save's test.
TEST(ScriptWriterTest, AMissingScriptHostIsToldAndNothingIsMade) {
  testing::TestStore test(testing::kScriptWriter);
  // With an empty HKEY_CLASSES_ROOT this process's shell finds no program for .vbs files.
  HKEY empty = nullptr;
  RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\QuilletTestEmptyClasses", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                  &empty, nullptr);
  RegOverridePredefKey(HKEY_CLASSES_ROOT, empty);
  UserCommandList rows;
  const SaveFailure failure = SaveCommand(test.store, {{"notes", "C:\\n.txt"}}, rows).failure;
  RegOverridePredefKey(HKEY_CLASSES_ROOT, nullptr);
  RegCloseKey(empty);
  EXPECT_EQ(failure, SaveFailure::NoScriptHost);
  EXPECT_FALSE(testing::FileExists(test.Lnk("notes")) || test.HasEntry("notes") || !rows.empty());
  EXPECT_EQ(GetEnvironmentVariableA("QUILLET_SHORTCUT_TARGET", nullptr, 0), 0u);  // put back as it was
}

}  // namespace
}  // namespace quillet
