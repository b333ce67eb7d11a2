#include "ui/common/system_prompt.h"

#include "ui/common/input_box.h"

namespace quillet {

int SystemPrompt::Message(const std::string& text, const std::string& title, unsigned flags) {
  return MessageBoxA(owner_, text.c_str(), title.c_str(), flags);
}

std::string SystemPrompt::InputBox(const std::string& prompt, const std::string& title,
                                   const std::string& defaultText) {
  return ShowInputBox(owner_, prompt, title, defaultText).value_or(std::string());
}

}  // namespace quillet
