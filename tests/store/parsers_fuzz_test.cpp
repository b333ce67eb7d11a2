// The readers of files and command lines that others may have written, fed random bytes and
// damaged copies of good input (a fixed seed, so that a failure comes back). Run under the host
// build's sanitizers, a read past the end or an overflow fails here; the properties are the ones
// the readers' headers promise.

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <tuple>

#include "store/command_list_file.h"
#include "store/command_record.h"
#include "store/definition_file.h"
#include "ui/main/start_arguments.h"

namespace quillet {
namespace {

// A second or two of work for each reader.
constexpr int kRounds = 20000;

class Bytes {
 public:
  std::string Random(std::size_t longest) {
    std::string text(Below(longest + 1), '\0');
    for (char& byte : text) byte = Byte();
    return text;
  }
  // The text with a few bytes changed, inserted or cut, line ends and blanks the likeliest.
  std::string Damaged(std::string text) {
    for (std::size_t edits = 1 + Below(4); edits > 0; --edits) {
      const std::size_t at = Below(text.size() + 1);
      switch (Below(3)) {
        case 0: text.insert(at, 1, Byte()); break;
        case 1: if (at < text.size()) text[at] = Byte(); break;
        default: text.erase(at, Below(8)); break;
      }
    }
    return text;
  }
  std::size_t Below(std::size_t bound) { return std::uniform_int_distribution<std::size_t>(0, bound - 1)(random_); }

 private:
  char Byte() {
    static constexpr char kLikely[] = {'\r', '\n', ' ', ':', '"', '\\', '?', '0', '3', '7', '9'};
    return Below(2) ? kLikely[Below(sizeof kLikely)] : static_cast<char>(Below(256));
  }
  std::mt19937 random_{20261207};
};

TEST(ParsersFuzz, ACommandListThatIsAcceptedIsWrittenBackToTheSameCommands) {
  Bytes bytes;
  const std::string good = CommandListText({{"notes", "C:\\a b\\todo.txt", " -x  \"y\" ", 3}, {"site", "http://e.org/", "", 7}});
  for (int round = 0; round < kRounds; ++round) {
    const std::string text = round % 4 == 0 ? bytes.Random(200) : bytes.Damaged(good);
    const auto parsed = ParseCommandList(text);
    if (const auto* error = std::get_if<CommandListError>(&parsed)) {
      EXPECT_FALSE(error->reason.empty());
      continue;
    }
    const auto& commands = std::get<std::vector<CommandRecord>>(parsed);
    for (const CommandRecord& command : commands) EXPECT_FALSE(CommandListRefusal(command)) << text;
    const auto again = ParseCommandList(CommandListText(commands));
    ASSERT_TRUE(std::holds_alternative<std::vector<CommandRecord>>(again)) << text;
    EXPECT_EQ(std::get<std::vector<CommandRecord>>(again), commands) << text;
  }
}

TEST(ParsersFuzz, ExportedCommandsComeBackExactly) {
  Bytes bytes;
  constexpr std::int16_t kModes[] = {1, 3, 7};
  for (int round = 0; round < kRounds; ++round) {
    std::vector<CommandRecord> commands;
    for (std::size_t i = bytes.Below(4); i > 0; --i) {
      CommandRecord command{bytes.Random(12), bytes.Random(40), bytes.Random(40), kModes[bytes.Below(3)]};
      if (!CommandListRefusal(command)) commands.push_back(std::move(command));
    }
    const auto parsed = ParseCommandList(CommandListText(commands));
    ASSERT_TRUE(std::holds_alternative<std::vector<CommandRecord>>(parsed));
    EXPECT_EQ(std::get<std::vector<CommandRecord>>(parsed), commands);
  }
}

TEST(ParsersFuzz, ADefinitionFileReadAndWrittenAgainReadsTheSame) {
  Bytes bytes;
  const std::string good = DefinitionFileText("notes", "C:\\a b\\todo.txt", "-x \"y\"", 3);
  for (int round = 0; round < kRounds; ++round) {
    const std::string text = round % 4 == 0 ? bytes.Random(120) : bytes.Damaged(good);
    const DefinitionFields read = ParseDefinitionText(text, "fallback");
    for (const std::string* field : {&read.name, &read.target, &read.parameters, &read.windowModeText}) {
      EXPECT_EQ(field->find('\n'), std::string::npos) << text;
    }
    // A value that ends in a CR cannot be told from a CR LF line end: such a file is damaged.
    if (read.name.empty() || (read.name + read.target + read.parameters).find('\r') != std::string::npos) continue;
    const std::int16_t mode = WindowModeFromText(read.windowModeText);
    const DefinitionFields again = ParseDefinitionText(DefinitionFileText(read.name, read.target, read.parameters, mode), "x");
    EXPECT_EQ(std::tie(again.name, again.target, again.parameters), std::tie(read.name, read.target, read.parameters)) << text;
    EXPECT_EQ(WindowModeFromText(again.windowModeText), mode) << text;
  }
}

TEST(ParsersFuzz, AnArgumentTextGivesAWholeRequest) {
  Bytes bytes;
  const std::string goods[] = {"notes C:\\a.txt", "notes \"C:\\a b\\x.txt\"", "notes", "?", "C:\\x", "\\\\server\\s"};
  for (int round = 0; round < kRounds; ++round) {
    const std::string text = round % 4 == 0 ? bytes.Random(40) : bytes.Damaged(goods[bytes.Below(std::size(goods))]);
    const StartRequest request = ParseArgumentText(text);
    // The name may be empty (a text that starts with a blank): the name rules refuse it.
    if (!request.name.empty()) {
      EXPECT_NE(request.name.front(), ' ') << text;
      EXPECT_NE(request.name.back(), ' ') << text;
    }
    if (request.verb == StartVerb::Create) {
      EXPECT_FALSE(request.path.empty()) << text;
    }
  }
}

}  // namespace
}  // namespace quillet
