#include "ui/main/file_types.h"

#include <gtest/gtest.h>

namespace quillet {
namespace {

// Type names and icons come from two tables that differ: each row holds a target, its type name
// and its icon.
TEST(FileTypes, TypeNamesAndIconsFollowTheKeyWithWebAddressesAndFoldersApart) {
  const std::tuple<const char*, const char*, int> cases[] = {
      {"C:\\APP.EXE", "Executable", kIconGeneric},         {"C:\\clip.MPEG", "Filmclip", kIconFilm},
      {"C:\\scan.tif", "Image", kIconGeneric},             {"C:\\page.html", "Webpage", kIconWeb},
      {"C:\\tool.dsw", "C++ Project File", kIconScript},   {"C:\\Tools\\", "Folder", kIconFolder},
      {"C:\\lib.dll", "Other", kIconGeneric},              {"C:\\x.lnk", "Other", kIconShortcut},
      {"C:\\song.ram", "Real Audio Clip", kIconGeneric},   {"C:\\sheet.xls", "Other", kIconOffice},
      {"C:\\readme.nfo", "Other", kIconText},              {"C:\\run.bat", "Batchfile", kIconProgram},
      {"  http://example.com/a.htm ", "URL", kIconWeb},    {"http://example.com/setup.exe", "URL", kIconWeb},
      {"HTTPS://example.com/", "URL", kIconWeb},           {"mailto:a@example.com", "URL", kIconWeb},
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
