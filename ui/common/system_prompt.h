#pragma once

#include <windows.h>

#include "ui/common/prompt.h"

namespace quillet {

// Real message boxes and the program's input box, owned by `owner` (may be null).
class SystemPrompt : public Prompt {
 public:
  explicit SystemPrompt(HWND owner = nullptr) : owner_(owner) {}
  void SetOwner(HWND owner) { owner_ = owner; }

  int Message(const std::string& text, const std::string& title, unsigned flags) override;
  int MessageUtf8(const std::string& text, const std::string& title, unsigned flags) override;
  std::string InputBox(const std::string& prompt, const std::string& title,
                       const std::string& defaultText) override;

 private:
  HWND owner_;
};

}  // namespace quillet
