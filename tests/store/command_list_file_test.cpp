#include "store/command_list_file.h"

#include <gtest/gtest.h>

#include <tuple>

namespace quillet {
namespace {

const std::vector<CommandRecord> kCommands{
    {"notes", "C:\\Caf\xE9\\todo list.txt", "", 1},
    {"launch", " C:\\Program Files\\a.exe ", "\"C:\\My  Files\\a.txt\"  -x   y ; z: w", 3},
    {"site", "http://example.com/?q=1", "", 7},
};

TEST(CommandListFile, StartsWithItsVersionAndRefusesWhatCouldNotBeRestored) {
  // That every byte comes back is parsers_fuzz_test's.
  EXPECT_EQ(CommandListText(kCommands).substr(0, 46), "Quillet command list, version 1\r\nCommands: 3\r\n");
  EXPECT_FALSE(CommandListRefusal(kCommands[1]));
  for (const CommandRecord& refused : {CommandRecord{"my|notes", "C:\\a"}, CommandRecord{"bin\x01", "C:\\a"},
                                       CommandRecord{"a", "C:\\a", "p\nq"}}) {
    EXPECT_TRUE(CommandListRefusal(refused)) << refused.name;
  }
}

TEST(CommandListFile, ABrokenFileNamesItsLine) {
  const std::string whole = CommandListText(kCommands);
  const auto replaced = [&](std::string_view from, std::string_view to) {
    std::string text = whole;
    return text.replace(text.find(from), from.size(), to);
  };
  const std::tuple<std::string, std::size_t, const char*> cases[] = {  // text, line named, words of the reason
      {"", 1, "not a list of Quillet commands"},
      {"Some notes\r\n", 1, "not a list of Quillet commands"},
      {replaced("version 1", "version 2"), 1, "version 2"},
      {replaced("Commands: 3", "Commands: three"), 2, "number of commands"},
      {whole.substr(0, whole.size() - 2), 17, "cut short"},          // the last line end is missing
      {whole.substr(0, whole.rfind("\r\n\r\n") + 2), 13, "ends before its last command"},
      {whole.substr(0, whole.rfind("Window mode")), 17, "middle of a command"},
      {whole + "\r\n", 18, "goes on after the 3 commands"},
      {replaced("Target: C:\\Caf", "Path: C:\\Caf"), 5, "\"Target:\" was expected"},
      {replaced("Window mode: 3", "Window mode: 2"), 12, "1, 3 or 7"},
      {replaced("Name: site", "Name: a\\b"), 14, "'a\\b' cannot be the name"},
      {replaced("Name: notes", "Name: Quillet"), 4, "'Quillet' cannot be the name"},
      {replaced("Name: notes", "Name: my notes"), 4, "'my notes' cannot be the name"},
      // A line end of its own inside a value would shift the lines of the definition file.
      {replaced("todo list", "todo\nlist"), 5, "line break"},
      {replaced("-x   y", "-x \r y"), 11, "line break"},
      {replaced("Commands: 3", "Commands: 99999999999999999999"), 2, "too large"},
      {"\xEF\xBB\xBF" + whole, 1, "saved as UTF-8"},
      {replaced("Target: http://example.com/?q=1", "Target: C:\\" + std::string(300, 'x')), 14, "longer than a shortcut"},
  };
  for (const auto& [text, line, reason] : cases) {
    const auto parsed = ParseCommandList(text);
    ASSERT_TRUE(std::holds_alternative<CommandListError>(parsed)) << reason;
    const auto& error = std::get<CommandListError>(parsed);
    EXPECT_EQ(error.line, line) << reason;
    EXPECT_NE(error.reason.find(reason), std::string::npos) << error.reason;
  }
}

}  // namespace
}  // namespace quillet
