#pragma once
// A prompt for tests: records every message and input box, and answers from a script.

#include <deque>
#include <string>
#include <vector>

#include "ui/common/prompt.h"

namespace quillet::testing {

struct PromptRecord {
  std::string text;
  std::string title;
  unsigned flags = 0;
  bool isInputBox = false;
  std::string defaultText;  // input boxes only
};

class RecordingPrompt : public Prompt {
 public:
  // Queued answers, used in order: button ids for messages, texts for input boxes.
  // With the queue empty, messages answer IDOK (IDNO for Yes/No) and input boxes "" (Cancel).
  void AnswerButtons(std::initializer_list<int> buttons) { buttons_.insert(buttons_.end(), buttons); }
  void AnswerInputs(std::initializer_list<std::string> inputs) { inputs_.insert(inputs_.end(), inputs); }

  int Message(const std::string& text, const std::string& title, unsigned flags) override;
  // Recorded like any message, its text kept in UTF-8.
  int MessageUtf8(const std::string& text, const std::string& title, unsigned flags) override {
    return Message(text, title, flags);
  }
  std::string InputBox(const std::string& prompt, const std::string& title,
                       const std::string& defaultText) override;

  const std::vector<PromptRecord>& Records() const { return records_; }
  std::vector<std::string> Texts() const;

 private:
  std::deque<int> buttons_;
  std::deque<std::string> inputs_;
  std::vector<PromptRecord> records_;
};

}  // namespace quillet::testing
