#include "store/command_name.h"

#include <gtest/gtest.h>

namespace quillet {
namespace {

TEST(CommandName, RefusesNamesThatWouldLeaveCmdsOrNestKeysAndNamesThemInTheMessage) {
  for (const char* name : {"notes", "Notes", "a", "my-cmd_2", "x.y", "caf\xE9", "a..b"}) {
    EXPECT_TRUE(IsSafeCommandName(name)) << name;
  }
  for (const char* name : {"", ".", "..", "a\\b", "..\\evil", "a/b", "c:x", "a*", "a?", "a\"b", "a<b", "a>b",
                           "a|b", "tab\there"}) {
    EXPECT_FALSE(IsSafeCommandName(name)) << name;
  }
  EXPECT_NE(UnsafeNameMessage("a/b").find("'a/b'"), std::string::npos);
}

TEST(CommandName, OwnRunWordsAreTheFourWordsInAnyCaseAndNothingElse) {
  for (const char* name : {"create", "REMOVE", "Clear", "quilLet"}) EXPECT_TRUE(IsOwnRunWord(name)) << name;
  for (const char* name : {"creates", "remov", "quillet.exe", " clear", ""}) EXPECT_FALSE(IsOwnRunWord(name)) << name;
}

}  // namespace
}  // namespace quillet
