#include "ui/import/import_rules.h"

#include <gtest/gtest.h>

namespace quillet {
namespace {

TEST(ImportRules, ARowStartsUntickedWithASuggestedNameOfOnlyLettersAndDigits) {
  EXPECT_FALSE(MakeImportRow("C:\\Start Menu", "Word.lnk").ticked);
  const std::pair<const char*, const char*> cases[] = {
      {"My Program 2.0.lnk", "myprogram20"}, {"Notepad++.lnk", "notepad"},
      {"7-Zip File Manager.lnk", "7zipfilemanager"}, {"\xC4rlig \xC5tg\xE4rd.lnk", "rligtgrd"},
      {"+++.url", ""}, {"My-App.lnk", "myapp"}, {"abc", ""},
  };
  for (const auto& [file, name] : cases) EXPECT_EQ(SuggestCommandName(file), name) << file;
}

}  // namespace
}  // namespace quillet
