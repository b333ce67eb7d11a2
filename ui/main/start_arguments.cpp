#include "ui/main/start_arguments.h"

#include "store/text.h"

namespace quillet {

namespace {
// The C runtime counts every control character as a blank here.
bool IsBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }
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
  if (argumentText.size() >= 2 && argumentText[1] == ':') {
    return {StartVerb::ExplorerPath, {}, argumentText};
  }
  const auto space = argumentText.find(' ');
  StartRequest request;
  request.name = TrimSpaces(std::string_view(argumentText).substr(0, space));
  if (space != std::string::npos) request.path = TrimSpaces(std::string_view(argumentText).substr(space + 1));
  request.verb = request.path.empty() ? StartVerb::Remove : StartVerb::Create;
  return request;
}

}  // namespace quillet
