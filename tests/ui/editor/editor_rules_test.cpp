#include "ui/editor/editor_rules.h"

#include <gtest/gtest.h>

namespace quillet {
namespace {

TEST(EditorRules, NameBoxAndWindowModeBox) {
  EXPECT_EQ(NameBoxText("My "), "my");
  EXPECT_EQ(NameBoxText("  My CMD"), "my cmd");  // a blank between letters stays, to be refused
  EXPECT_TRUE(HasOnlyNameCharacters("notes2"));
  for (const char* bad : {"my cmd", "caf\xE9", "a-b", "A"}) EXPECT_FALSE(HasOnlyNameCharacters(bad)) << bad;

  EXPECT_EQ(WindowModeBoxText("maximized"), "Normal");
  EXPECT_EQ(WindowModeBoxText("Minimized"), "Minimized");
  // "Maximized" typed, and 7 shown, are the editor's tests (end to end and command_editor_test).
  EXPECT_EQ(WindowModeOfBoxText("Minimized"), 7);
  EXPECT_EQ(WindowModeOfBoxText("Max"), 1);
  EXPECT_EQ(WindowModeBoxTextOf(3), "Maximized");
  EXPECT_EQ(WindowModeBoxTextOf(1), "Normal");
}

TEST(EditorRules, StoredParametersFillTheBoxes) {
  const std::pair<const char*, ParameterBoxes> cases[] = {  // stored, boxes
      {"", {}},
      {"one", {"one", "", "", ""}},
      {"a  b", {"a", "b", "", ""}},
      {"a b ", {"a", "b ", "", ""}},
      {"x y z w", {"x", "y", "z", "w"}},
      {"1 2 3 4  5 6", {"1", "2", "3", "4  5 6"}},           // nothing after the third word is lost
      {"a \"C:\\My  Files\\a.txt\" z", {"a", "\"C:\\My  Files\\a.txt\"", "z", ""}},
      {"\"unclosed  quote", {"\"unclosed  quote", "", "", ""}},
  };
  for (const auto& [stored, boxes] : cases) EXPECT_EQ(SplitParameters(stored), boxes) << stored;
}

TEST(EditorRules, BoxesJoinWithSingleBlanksAndSurviveAnotherRoundTrip) {
  EXPECT_EQ(JoinParameters({"", "x", "", "y"}), "x y");
  EXPECT_EQ(JoinParameters({"a", "   ", "b", ""}), "a  b");  // a box of blanks leaves an empty piece
  EXPECT_EQ(JoinParameters({" -x ", "", "", ""}), "-x");
  for (const char* stored : {"a \"x  y\" z", "1 2 3 4  5 6", "/k cd /d \"C:\\My  Projects\""}) {
    EXPECT_EQ(JoinParameters(SplitParameters(stored)), stored);
  }
}

}  // namespace
}  // namespace quillet
