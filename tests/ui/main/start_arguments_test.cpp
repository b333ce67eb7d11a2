#include "ui/main/start_arguments.h"

#include <gtest/gtest.h>

#include <tuple>

namespace quillet {
namespace {

// The argument text skips the program name and the blanks after it; its verb, name and path.
TEST(StartArguments, ArgumentTextGivesTheVerbTheNameAndThePath) {
  EXPECT_EQ(ArgumentTextOf("\"C:\\Program Files\\Q\\quillet.exe\" notes C:\\a.txt"), "notes C:\\a.txt");
  EXPECT_EQ(ArgumentTextOf("quillet.exe   x  "), "x  ");
  EXPECT_EQ(ArgumentTextOf("\"C:\\q.exe\""), "");
  EXPECT_EQ(ArgumentTextOf("C:\\\"My Files\"\\q.exe \tx"), "x");  // quotes may stand inside the name

  using enum StartVerb;
  const std::tuple<const char*, StartVerb, const char*, const char*> cases[] = {  // text, verb, name, path
      // The plain verbs are the start-up test's.
      {"? x", Create, "?", "x"},
      {"Notes   C:\\My Files\\n.txt  ", Create, "Notes", "C:\\My Files\\n.txt"},
      {"C:\\My Files\\a b.txt ", ExplorerPath, "", "C:\\My Files\\a b.txt "},  // the Explorer entry: kept whole
      // One pair of quotes around the path is how it was typed, not part of it.
      {"\"C:\\My Files\\a b.txt\"", ExplorerPath, "", "C:\\My Files\\a b.txt"},
      {"docs \"\"C:\\a b\"\"", Create, "docs", "\"C:\\a b\""},
      // The Explorer entry hands over network paths too; one-letter names are typed arguments.
      {"\\\\server\\share\\a b.txt", ExplorerPath, "", "\\\\server\\share\\a b.txt"},
      {"n C:\\notes.txt", Create, "n", "C:\\notes.txt"},
      {"/clear", ClearHistory, "", ""},
      {"/clearly x", Create, "/clearly", "x"},
  };
  for (const auto& [text, verb, name, path] : cases) {
    const StartRequest got = ParseArgumentText(text);
    EXPECT_EQ(std::tie(got.verb, got.name, got.path), std::tie(verb, name, path)) << text;
  }
}

}  // namespace
}  // namespace quillet
