#include "ui/common/system_prompt.h"

#include "ui/common/input_box.h"
#include "ui/common/wide_text.h"

namespace quillet {

int SystemPrompt::Message(const std::string& text, const std::string& title, unsigned flags) {
  return MessageBoxA(owner_, text.c_str(), title.c_str(), flags);
}

int SystemPrompt::MessageUtf8(const std::string& text, const std::string& title, unsigned flags) {
  return MessageBoxW(owner_, WideFromUtf8(text).c_str(), WideFromAnsi(title).c_str(), flags);
}

std::string SystemPrompt::InputBox(const std::string& prompt, const std::string& title,
                                   const std::string& defaultText) {
  return ShowInputBox(owner_, prompt, title, defaultText).value_or(std::string());
}

}  // namespace quillet
