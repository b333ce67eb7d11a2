#include "ui/main/start_arguments.h"

#include <utility>

#include "store/run_history.h"
#include "store/text.h"

namespace quillet {

namespace {
// The C runtime counts every control character as a blank here.
bool IsBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }

// What the Explorer entry hands over: a path on a drive ("C:...") or a network share ("\\\\server...").
bool IsExplorerPath(std::string_view text) {
  return (text.size() >= 2 && text[1] == ':') || text.substr(0, 2) == "\\\\";
}

// Windows paths never hold double quotes, so one pair around the whole path is only how a path
// with blanks was typed or handed over; kept, it would make a command that cannot start.
std::string WithoutEnclosingQuotes(std::string path) {
  if (path.size() > 2 && path.front() == '"' && path.back() == '"') return path.substr(1, path.size() - 2);
  return path;
}
}  // namespace

std::string ArgumentTextOf(std::string_view commandLine) {
  // The C runtime's rule for lpCmdLine: the name ends at the first blank outside double quotes.
  std::size_t i = 0;
  bool quoted = false;
  for (; i < commandLine.size() && (quoted || !IsBlank(commandLine[i])); ++i) {
    if (commandLine[i] == '"') quoted = !quoted;
  }
  while (i < commandLine.size() && IsBlank(commandLine[i])) ++i;
  return std::string(commandLine.substr(i));
}

StartRequest ParseArgumentText(const std::string& argumentText) {
  if (argumentText.empty()) return {};
  if (argumentText == "?") return {StartVerb::SyntaxHelp, {}, {}};
  const std::string_view text = argumentText;
  const std::string_view clear = kClearArgument;
  if (text.substr(0, clear.size()) == clear && (text.size() == clear.size() || text[clear.size()] == ' ')) {
    return {StartVerb::ClearHistory, {}, {}};
  }
  if (IsExplorerPath(text) || (text.front() == '"' && IsExplorerPath(text.substr(1)))) {
    return {StartVerb::ExplorerPath, {}, WithoutEnclosingQuotes(argumentText)};
  }
  const auto space = argumentText.find(' ');
  StartRequest request;
  request.name = TrimSpaces(std::string_view(argumentText).substr(0, space));
  if (space != std::string::npos) request.path = TrimSpaces(std::string_view(argumentText).substr(space + 1));
  request.verb = request.path.empty() ? StartVerb::Remove : StartVerb::Create;
  request.path = WithoutEnclosingQuotes(std::move(request.path));
  return request;
}

}  // namespace quillet
