#include "store/command_table.h"

#include <gtest/gtest.h>

namespace quillet {
namespace {

TEST(MergeRows, FollowsTheFilesKeepingOrderAndIcons) {
  const auto row = [](const char* name, const char* target, const char* parameters, int icon, const char* file) {
    UserCommandRow made = RowOf({name, target, parameters});
    made.icon = icon;
    made.fileName = file;
    return made;
  };
  UserCommandList rows{row("a", "C:\\a.exe", "", 14, "a"), row("b", "C:\\b.txt", "", 9, "b"), row("c", "C:\\c.txt", "", 9, "c")};
  const UserCommandList same = rows;
  EXPECT_FALSE(MergeRows(rows, {same[2], same[1], same[0]}));  // the order on disk does not matter
  EXPECT_EQ(rows[0].name, "a");

  UserCommandList now{row("c", "C:\\c.txt", "-x", 0, "c"), row("new", "C:\\n.txt", "", 0, "new"),
                      row("A", "C:\\z.exe", "", 0, "A"), row("Other", "C:\\b.txt", "", 0, "b")};
  EXPECT_TRUE(MergeRows(rows, now));
  std::string merged;
  for (const auto& kept : rows) merged += kept.name + " " + kept.parameters + " " + std::to_string(kept.icon) + "|";
  // A new target needs a new icon; a new case keeps the place; rows follow their files, not their names.
  EXPECT_EQ(merged, "A  0|Other  9|c -x 9|new  0|");
}

}  // namespace
}  // namespace quillet
