#include "ui/main/start_arguments.h"

#include "store/text.h"

namespace quillet {

namespace {
bool IsBlank(char c) { return c == ' ' || c == '\t'; }
}  // namespace

std::string ArgumentTextOf(std::string_view commandLine) {
  std::size_t i = 0;
  if (!commandLine.empty() && commandLine[0] == '"') {
    const auto close = commandLine.find('"', 1);
    i = close == std::string_view::npos ? commandLine.size() : close + 1;
  } else {
    while (i < commandLine.size() && !IsBlank(commandLine[i])) ++i;
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
