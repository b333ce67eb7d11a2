#include "ui/import/import_rules.h"

#include <gtest/gtest.h>

namespace quillet {
namespace {

TEST(ImportRules, SuggestedNamesKeepOnlyLettersAndDigits) {
  const std::pair<const char*, const char*> cases[] = {
      {"My Program 2.0.lnk", "myprogram20"}, {"Notepad++.lnk", "notepad"},
      {"7-Zip File Manager.lnk", "7zipfilemanager"}, {"\xC4rlig \xC5tg\xE4rd.lnk", "rligtgrd"},
      {"+++.url", ""}, {"My-App.lnk", "myapp"}, {"abc", ""},
  };
  for (const auto& [file, name] : cases) EXPECT_EQ(SuggestCommandName(file), name) << file;
}

TEST(ImportRules, RowsAndTheirShortcuts) {
  const ImportRow row = MakeImportRow("C:\\Start Menu", "Word.lnk");
  EXPECT_EQ(row.shortcutPath, "C:\\Start Menu\\Word.lnk");
  EXPECT_FALSE(row.ticked);
  const ImportList rows{row, {false, " myapp ", "My-App.lnk", ""}};
  EXPECT_TRUE(CheckIfExists(rows, "word"));
  EXPECT_TRUE(CheckIfExists(rows, "myapp"));  // blanks around a renamed row do not count
  EXPECT_FALSE(CheckIfExists(rows, "Word"));  // case does
  EXPECT_TRUE(IsInternetShortcut("Page.URL"));
  EXPECT_FALSE(IsInternetShortcut("Page.lnk"));
}

}  // namespace
}  // namespace quillet
