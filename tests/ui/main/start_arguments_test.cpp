#include "ui/main/start_arguments.h"

#include <gtest/gtest.h>

namespace quillet {
namespace {

TEST(ArgumentTextOf, SkipsTheProgramNameAndTheBlanksAfterIt) {
  EXPECT_EQ(ArgumentTextOf("\"C:\\Program Files\\Q\\quillet.exe\" notes C:\\a.txt"), "notes C:\\a.txt");
  EXPECT_EQ(ArgumentTextOf("quillet.exe   x  "), "x  ");
  EXPECT_EQ(ArgumentTextOf("quillet.exe"), "");
  EXPECT_EQ(ArgumentTextOf("\"C:\\q.exe\""), "");
  EXPECT_EQ(ArgumentTextOf("C:\\\"My Files\"\\q.exe \tx"), "x");  // quotes may stand inside the name
}

TEST(ParseArgumentText, EmptyIsANormalStartAndALoneQuestionMarkIsHelp) {
  EXPECT_EQ(ParseArgumentText("").verb, StartVerb::Normal);
  EXPECT_EQ(ParseArgumentText("?").verb, StartVerb::SyntaxHelp);
  EXPECT_EQ(ParseArgumentText("? x").verb, StartVerb::Create);
}

TEST(ParseArgumentText, OneWordRemovesTwoOrMoreCreate) {
  const auto remove = ParseArgumentText("notes  ");
  EXPECT_EQ(remove.verb, StartVerb::Remove);
  EXPECT_EQ(remove.name, "notes");

  const auto create = ParseArgumentText("Notes   C:\\My Files\\n.txt  ");
  EXPECT_EQ(create.verb, StartVerb::Create);
  EXPECT_EQ(create.name, "Notes");
  EXPECT_EQ(create.path, "C:\\My Files\\n.txt");
}

TEST(ParseArgumentText, ADrivePathIsTheExplorerEntryAndStaysWhole) {
  const auto explorer = ParseArgumentText("C:\\My Files\\a b.txt ");
  EXPECT_EQ(explorer.verb, StartVerb::ExplorerPath);
  EXPECT_EQ(explorer.path, "C:\\My Files\\a b.txt ");
}

TEST(ParseArgumentText, OnePairOfQuotesAroundThePathIsDropped) {
  EXPECT_EQ(ParseArgumentText("docs \"\"C:\\a b\"\"").path, "\"C:\\a b\"");
  EXPECT_EQ(ParseArgumentText("docs \"C:\\a b").path, "\"C:\\a b");
  const auto explorer = ParseArgumentText("\"C:\\My Files\\a b.txt\"");
  EXPECT_EQ(explorer.verb, StartVerb::ExplorerPath);
  EXPECT_EQ(explorer.path, "C:\\My Files\\a b.txt");
}

TEST(ParseArgumentText, NetworkPathsAndOneLetterNamesAreTypedArguments) {
  const auto network = ParseArgumentText("\\\\server\\share\\a b.txt");
  EXPECT_EQ(network.verb, StartVerb::Create);
  EXPECT_EQ(network.name, "\\\\server\\share\\a");
  EXPECT_EQ(network.path, "b.txt");

  const auto oneLetter = ParseArgumentText("n C:\\notes.txt");
  EXPECT_EQ(oneLetter.verb, StartVerb::Create);
  EXPECT_EQ(oneLetter.name, "n");
}

}  // namespace
}  // namespace quillet
