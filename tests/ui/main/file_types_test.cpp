#include "ui/main/file_types.h"

#include <gtest/gtest.h>

namespace quillet {
namespace {

TEST(FileTypes, TypeNamesFollowTheKeyWithWebAddressesAndFoldersApart) {
  EXPECT_EQ(FileTypeName("C:\\APP.EXE"), "Executable");
  EXPECT_EQ(FileTypeName("C:\\clip.MPEG"), "Filmclip");
  EXPECT_EQ(FileTypeName("C:\\scan.tif"), "Image");
  EXPECT_EQ(FileTypeName("C:\\page.html"), "Webpage");
  EXPECT_EQ(FileTypeName("C:\\tool.dsw"), "C++ Project File");
  EXPECT_EQ(FileTypeName("C:\\Tools\\"), "Folder");
  EXPECT_EQ(FileTypeName("C:\\lib.dll"), "Other");
  EXPECT_EQ(FileTypeName("C:\\x.lnk"), "Other");
  EXPECT_EQ(FileTypeName("  http://example.com/a.htm "), "URL");
  EXPECT_EQ(FileTypeName("HTTP://example.com/a.htm"), "Webpage");  // not a web address: case counts
  EXPECT_EQ(FileTypeName("http://example.com/setup.exe"), "URL");
}

TEST(FileTypes, IconsDifferFromTypeNamesWhereTheTablesDo) {
  EXPECT_EQ(IconIndexForPath("C:\\Tools\\"), kIconFolder);
  EXPECT_EQ(IconIndexForPath("C:\\clip.MPEG"), kIconFilm);
  EXPECT_EQ(IconIndexForPath("C:\\scan.tif"), kIconGeneric);
  EXPECT_EQ(IconIndexForPath("C:\\song.ram"), kIconGeneric);
  EXPECT_EQ(IconIndexForPath("C:\\sheet.xls"), kIconOffice);
  EXPECT_EQ(IconIndexForPath("C:\\readme.nfo"), kIconText);
  EXPECT_EQ(IconIndexForPath("C:\\main.cpp"), kIconScript);
  EXPECT_EQ(IconIndexForPath("C:\\run.bat"), kIconProgram);
  EXPECT_EQ(IconIndexForPath("C:\\x.lnk"), kIconShortcut);
  EXPECT_EQ(IconIndexForPath("C:\\app.exe"), kIconGeneric);
  EXPECT_EQ(IconIndexForPath("http://example.com/dir\\"), kIconWeb);
  EXPECT_TRUE(HasOwnIcon("C:\\APP.EXE"));
  EXPECT_TRUE(HasOwnIcon("http://example.com/setup.exe"));
  EXPECT_FALSE(HasOwnIcon("C:\\run.bat"));
}

TEST(FileTypes, StatusBarShowsCountAndTheSelectedRowsType) {
  const UserCommandList rows{{"a", "C:\\a.txt", "", "1", 0}, {"w", "http://x.org/", "", "1", 0}};
  EXPECT_EQ(StatusBarTexts(rows, 1).count + "|" + StatusBarTexts(rows, 1).type, "Count: 2|Type: URL");
  EXPECT_EQ(StatusBarTexts(rows, std::nullopt).type, "Type: Other");
  EXPECT_EQ(StatusBarTexts({}, std::nullopt).count + "|" + StatusBarTexts({}, std::nullopt).type, "Count: 0|Type:");
}

}  // namespace
}  // namespace quillet
