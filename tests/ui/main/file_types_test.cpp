#include "ui/main/file_types.h"

#include <gtest/gtest.h>

namespace quillet {
namespace {

// Type names and icons come from two tables that differ: each row holds a target, its type name
// and its icon. The rows do not repeat the tables: they show how a path finds its row in them.
TEST(FileTypes, TypeNamesAndIconsFollowTheKeyWithWebAddressesAndFoldersApart) {
  const std::tuple<const char*, const char*, int> cases[] = {
      {"C:\\APP.EXE", "Executable", kIconGeneric},         {"C:\\clip.MPEG", "Filmclip", kIconFilm},
      {"C:\\scan.tif", "Image", kIconGeneric},             {"C:\\Tools\\", "Folder", kIconFolder},
      {"C:\\lib.dll", "Other", kIconGeneric},              {"C:\\sheet.xls", "Other", kIconOffice},
      {"  http://example.com/a.htm ", "URL", kIconWeb},    {"http://example.com/setup.exe", "URL", kIconWeb},
  };
  for (const auto& [path, type, icon] : cases) {
    EXPECT_EQ(FileTypeName(path), type) << path;
    EXPECT_EQ(IconIndexForPath(path), icon) << path;
  }
  EXPECT_TRUE(HasOwnIcon("C:\\APP.EXE") && !HasOwnIcon("http://example.com/setup.exe") && !HasOwnIcon("C:\\run.bat"));
}

TEST(FileTypes, StatusBarShowsCountAndTheSelectedRowsType) {
  const UserCommandList rows{RowOf({"a", "C:\\a.txt"}), RowOf({"w", "https://x.org/"})};
  EXPECT_EQ(StatusBarTexts(rows, 1).count + "|" + StatusBarTexts(rows, 1).type, "Count: 2|Type: URL");
  EXPECT_EQ(StatusBarTexts(rows, std::nullopt).type, "Type: Other");
  EXPECT_EQ(StatusBarTexts({}, std::nullopt).count + "|" + StatusBarTexts({}, std::nullopt).type, "Count: 0|Type:");
}

}  // namespace
}  // namespace quillet
