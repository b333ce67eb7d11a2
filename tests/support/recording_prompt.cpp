#include "tests/support/recording_prompt.h"

#include <windows.h>

namespace quillet::testing {

int RecordingPrompt::Message(const std::string& text, const std::string& title, unsigned flags) {
  records_.push_back({text, title, flags, false, {}});
  if (!buttons_.empty()) {
    const int button = buttons_.front();
    buttons_.pop_front();
    return button;
  }
  return (flags & 0x0F) == MB_YESNO ? IDNO : IDOK;
}

std::string RecordingPrompt::InputBox(const std::string& prompt, const std::string& title,
                                      const std::string& defaultText) {
  records_.push_back({prompt, title, 0, true, defaultText});
  if (inputs_.empty()) return {};
  std::string answer = inputs_.front();
  inputs_.pop_front();
  return answer;
}

std::vector<std::string> RecordingPrompt::Texts() const {
  std::vector<std::string> texts;
  for (const PromptRecord& record : records_) texts.push_back(record.text);
  return texts;
}

}  // namespace quillet::testing
