#include "store/command_list_file.h"

#include <charconv>
#include <optional>

#include "store/command_name.h"
#include "store/target_path.h"

namespace quillet {

namespace {

constexpr std::string_view kHeader = "Quillet command list, version ";
constexpr std::string_view kVersion = "1";
constexpr std::string_view kCount = "Commands:";
constexpr std::string_view kFields[] = {"Name:", "Target:", "Parameters:", "Window mode:"};
constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr const char* kEol = "\r\n";

std::string Line(std::string_view key, const std::string& value) {
  return std::string(key) + (value.empty() ? "" : " ") + value + kEol;
}

bool HasLineBreak(std::string_view text) { return text.find_first_of("\r\n") != std::string_view::npos; }

// Reads the text one CR LF line at a time, counting lines.
class Lines {
 public:
  explicit Lines(std::string_view text) : rest_(text) {}

  std::size_t Number() const { return number_; }

  // The next line, or nothing at the end; a last line without its CR LF is cut short.
  std::optional<std::string_view> Next(bool& cutShort) {
    if (rest_.empty()) return std::nullopt;
    ++number_;
    const auto end = rest_.find(kEol);
    if (end == std::string_view::npos) {
      cutShort = true;
      return std::nullopt;
    }
    const std::string_view line = rest_.substr(0, end);
    rest_.remove_prefix(end + 2);
    return line;
  }

  bool AtEnd() const { return rest_.empty(); }

 private:
  std::string_view rest_;
  std::size_t number_ = 0;
};

// The value of "Key: value", or nothing when the line is not that key's.
std::optional<std::string> ValueOf(std::string_view line, std::string_view key) {
  if (line.substr(0, key.size()) != key) return std::nullopt;
  line.remove_prefix(key.size());
  if (line.empty()) return std::string();
  if (line.front() != ' ') return std::nullopt;
  return std::string(line.substr(1));
}

std::optional<std::int16_t> WindowModeOf(const std::string& text) {
  if (text == "1") return kWindowNormal;
  if (text == "3") return kWindowMaximized;
  if (text == "7") return kWindowMinimized;
  return std::nullopt;
}

}  // namespace

std::string CommandListText(const std::vector<CommandRecord>& commands) {
  std::string text = std::string(kHeader) + std::string(kVersion) + kEol + Line(kCount, std::to_string(commands.size()));
  for (const CommandRecord& command : commands) {
    text += kEol;
    text += Line(kFields[0], command.name) + Line(kFields[1], command.target) + Line(kFields[2], command.parameters) +
            Line(kFields[3], std::to_string(command.windowMode));
  }
  return text;
}

std::optional<std::string> CommandListRefusal(const CommandRecord& command) {
  if (RefuseName(command.name) != NameRefusal::None) return "'" + command.name + "' cannot be the name of a command";
  if (HasLineBreak(command.target) || HasLineBreak(command.parameters)) return "a value holds a line break";
  if (!WindowModeOf(std::to_string(command.windowMode))) return "the window mode must be 1, 3 or 7";
  switch (RefuseLauncher(command.target, command.parameters)) {
    case LauncherRefusal::TargetTooLong:
      return "the target is longer than a shortcut can hold";
    case LauncherRefusal::ParametersTooLong:
      return "the parameters are longer than a shortcut can hold";
    case LauncherRefusal::None:
      break;
  }
  return std::nullopt;
}

std::variant<std::vector<CommandRecord>, CommandListError> ParseCommandList(std::string_view text) {
  if (text.substr(0, kUtf8Mark.size()) == kUtf8Mark) {
    return CommandListError{1, "the file was saved as UTF-8, but a command list is read in the code page of the "
                               "system's language for non-Unicode programs, in which Quillet writes it"};
  }
  Lines lines(text);
  bool cutShort = false;
  const auto fail = [&](std::string reason) { return CommandListError{lines.Number(), std::move(reason)}; };
  // At the end of the file the line that is missing is the one named.
  const auto failAtEnd = [&](std::string reason) {
    return CommandListError{lines.Number() + (cutShort ? 0 : 1), cutShort ? "the line is cut short" : std::move(reason)};
  };
  // A CR or an LF on its own inside a line would shift the lines of the definition file written from it.
  std::optional<CommandListError> brokenLine;
  const auto next = [&]() {
    const auto line = lines.Next(cutShort);
    if (line && HasLineBreak(*line)) brokenLine = fail("a line break (a CR or an LF on its own) stands inside the line");
    return brokenLine ? std::nullopt : line;
  };

  const auto header = next();
  if (brokenLine) return *brokenLine;
  if (!header) return failAtEnd("this is not a list of Quillet commands");
  if (header->substr(0, kHeader.size()) != kHeader) return fail("this is not a list of Quillet commands");
  if (header->substr(kHeader.size()) != kVersion) {
    return fail("it is version " + std::string(header->substr(kHeader.size())) + ", which this Quillet cannot read");
  }
  const auto countLine = next();
  if (brokenLine) return *brokenLine;
  if (!countLine) return failAtEnd("\"Commands:\" and the number of commands were expected");
  const auto countText = ValueOf(*countLine, kCount);
  std::size_t count = 0;
  const auto [end, error] = countText ? std::from_chars(countText->data(), countText->data() + countText->size(), count)
                                      : std::from_chars_result{nullptr, std::errc::invalid_argument};
  if (error == std::errc::result_out_of_range) return fail("the number of commands " + *countText + " is too large");
  if (!countText || countText->empty() || error != std::errc() || end != countText->data() + countText->size()) {
    return fail("\"Commands:\" and the number of commands were expected");
  }

  std::vector<CommandRecord> commands;
  for (std::size_t i = 0; i < count; ++i) {
    const auto blank = next();
    if (brokenLine) return *brokenLine;
    if (!blank) return failAtEnd("the file ends before its last command");
    if (!blank->empty()) return fail("an empty line was expected between two commands");
    std::string values[4];
    for (int field = 0; field < 4; ++field) {
      const auto line = next();
      if (brokenLine) return *brokenLine;
      if (!line) return failAtEnd("the file ends in the middle of a command");
      const auto value = ValueOf(*line, kFields[field]);
      if (!value) return fail("\"" + std::string(kFields[field]) + "\" was expected");
      values[field] = *value;
    }
    const auto mode = WindowModeOf(values[3]);
    if (!mode) return fail("the window mode must be 1, 3 or 7");
    CommandRecord command{values[0], values[1], values[2], *mode};
    // The line of the command's name, where the command begins.
    if (const auto refusal = CommandListRefusal(command)) return CommandListError{lines.Number() - 3, *refusal};
    commands.push_back(std::move(command));
  }
  if (!lines.AtEnd()) {
    next();
    return fail("the file goes on after the " + std::to_string(count) + " commands it announces");
  }
  return commands;
}

}  // namespace quillet
