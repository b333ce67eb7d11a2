#include "ui/editor/editor_rules.h"

#include <algorithm>

#include "store/command_record.h"
#include "store/text.h"

namespace quillet {

namespace {
constexpr const char* kNormal = "Normal";
constexpr const char* kMinimized = "Minimized";
constexpr const char* kMaximized = "Maximized";
}  // namespace

std::string NameBoxText(const std::string& typed) { return TrimSpaces(LowerAscii(typed)); }

bool HasOnlyNameCharacters(const std::string& name) {
  return std::all_of(name.begin(), name.end(),
                     [](char c) { return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'); });
}

std::string WindowModeBoxText(const std::string& text) {
  return text == kNormal || text == kMinimized || text == kMaximized ? text : kNormal;
}

std::int16_t WindowModeOfBoxText(const std::string& text) {
  if (text == kMinimized) return kWindowMinimized;
  if (text == kMaximized) return kWindowMaximized;
  return kWindowNormal;
}

std::string WindowModeBoxTextOf(std::int16_t windowMode) {
  if (windowMode == kWindowMaximized) return kMaximized;
  if (windowMode == kWindowMinimized) return kMinimized;
  return kNormal;
}

ParameterBoxes SplitParameters(const std::string& parameters) {
  ParameterBoxes boxes;
  std::string word;
  bool quoted = false;
  for (std::size_t i = 0; i < parameters.size(); ++i) {
    const char c = parameters[i];
    const bool last = i + 1 == parameters.size();
    const bool firstThreeFilled = !boxes[0].empty() && !boxes[1].empty() && !boxes[2].empty();
    if (c == '"') quoted = !quoted;
    if (!last && (c != ' ' || quoted || firstThreeFilled)) {
      // Once three boxes are filled, the rest of the string is gathered for the fourth.
      if (!(firstThreeFilled && word.empty() && c == ' ')) word += c;
      continue;
    }
    if (last) word += c;
    if (firstThreeFilled) {
      boxes[3] = word;
    } else {
      *std::find_if(boxes.begin(), boxes.begin() + 3, [](const std::string& box) { return box.empty(); }) = word;
    }
    word.clear();
  }
  return boxes;
}

std::string JoinParameters(const ParameterBoxes& boxes) {
  std::string joined;
  for (const std::string& box : boxes) {
    if (!box.empty()) joined += TrimSpaces(box) + ' ';
  }
  return TrimSpaces(joined);
}

}  // namespace quillet
