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
}

// One rule for every route that makes a command.
TEST(CommandName, ARefusalSaysWhyAndNamesTheName) {
  const std::string folder = "C:\\" + std::string(200, 'p');
  const std::pair<std::string, NameRefusal> cases[] = {
      {"notes", NameRefusal::None},        {"my.notes", NameRefusal::None},   {"", NameRefusal::Empty},
      {"My Tool", NameRefusal::Blank},     {"a|b", NameRefusal::Unsafe},      {"Clear", NameRefusal::OwnRunWord},
      {std::string(252, 'n'), NameRefusal::TooLong}, {std::string(60, 'n'), NameRefusal::TooLong}};
  for (const auto& [name, refusal] : cases) {
    EXPECT_EQ(RefuseName(name, folder), refusal) << name;
    if (refusal > NameRefusal::Empty) {
      EXPECT_NE(NameRefusalMessage(refusal, name).find("'" + name + "'"), std::string::npos);
    }
  }
  EXPECT_EQ(RefuseName(std::string(60, 'n')), NameRefusal::None);  // only a program folder makes it too long
}

TEST(CommandName, OwnRunWordsAreTheFourWordsInAnyCaseAndNothingElse) {
  for (const char* name : {"create", "REMOVE", "Clear", "quilLet"}) EXPECT_TRUE(IsOwnRunWord(name)) << name;
  for (const char* name : {"creates", "remov", "quillet.exe", " clear", ""}) EXPECT_FALSE(IsOwnRunWord(name)) << name;
}

}  // namespace
}  // namespace quillet
