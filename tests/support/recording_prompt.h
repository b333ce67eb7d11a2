#pragma once
// A prompt for tests: records every message and input box, and answers from a script.

#include <windows.h>

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "ui/common/prompt.h"

namespace quillet::testing {

struct PromptRecord {
  std::string text, title;
  unsigned flags = 0;  // 0 for an input box
};

struct HelpRecord {
  std::string helpFile;
  int topic = 0;
};

class RecordingPrompt : public Prompt {
 public:
  // Queued answers, used in order: button ids for messages, texts for input boxes, and what the
  // file and folder dialogs return. With its queue empty, a message answers IDOK (IDNO for
  // Yes/No), an input box "" and a dialog nothing: Cancel.
  void AnswerButtons(std::initializer_list<int> buttons) { buttons_.insert(buttons_.end(), buttons); }
  void AnswerInputs(std::initializer_list<std::string> inputs) { inputs_.insert(inputs_.end(), inputs); }
  void AnswerFiles(std::initializer_list<std::optional<std::string>> files) { files_.insert(files_.end(), files); }
  void AnswerFolders(std::initializer_list<std::optional<std::string>> folders) {
    folders_.insert(folders_.end(), folders);
  }

  int Message(const std::string& text, const std::string& title, unsigned flags) override {
    records_.push_back({text, title, flags});
    return Next(buttons_, (flags & 0x0F) == MB_YESNO ? IDNO : IDOK);
  }
  // Recorded like any message, its text kept in UTF-8.
  int MessageUtf8(const std::string& text, const std::string& title, unsigned flags) override {
    return Message(text, title, flags);
  }
  std::string InputBox(const std::string& prompt, const std::string& title, const std::string&) override {
    records_.push_back({prompt, title, 0});
    return Next(inputs_);
  }
  // What the user does elsewhere while the next file dialog is open.
  void WhileAsking(std::function<void()> action) { whileAsking_ = std::move(action); }
  std::optional<std::string> OpenFile(const FileDialogRequest&) override {
    if (whileAsking_) std::exchange(whileAsking_, {})();
    return Next(files_);
  }
  // Answered from the same queue as OpenFile.
  std::optional<std::string> SaveFile(const FileDialogRequest& request) override { return OpenFile(request); }
  std::optional<std::string> ChooseFolder() override { return Next(folders_); }
  void ShowHelpTopic(const std::string& helpFile, int topic) override { helpTopics_.push_back({helpFile, topic}); }

  // Each message as "text|title|flags", for comparing a whole exchange at once.
  std::vector<std::string> Summaries() const {
    std::vector<std::string> lines;
    for (const auto& each : records_) lines.push_back(each.text + "|" + each.title + "|" + std::to_string(each.flags));
    return lines;
  }
  const std::vector<HelpRecord>& HelpTopics() const { return helpTopics_; }

 private:
  template <typename Queue>
  static typename Queue::value_type Next(Queue& queue, typename Queue::value_type none = {}) {
    if (queue.empty()) return none;
    auto answer = std::move(queue.front());
    queue.pop_front();
    return answer;
  }

  std::function<void()> whileAsking_;
  std::deque<int> buttons_;
  std::deque<std::string> inputs_;
  std::deque<std::optional<std::string>> files_, folders_;
  std::vector<PromptRecord> records_;
  std::vector<HelpRecord> helpTopics_;
};

}  // namespace quillet::testing
