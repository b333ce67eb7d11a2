#pragma once
// A prompt for tests: records every message and input box, and answers from a script.

#include <deque>
#include <optional>
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

struct HelpRecord {
  std::string helpFile;
  int topic = 0;
};

class RecordingPrompt : public Prompt {
 public:
  // Queued answers, used in order: button ids for messages, texts for input boxes.
  // With the queue empty, messages answer IDOK (IDNO for Yes/No) and input boxes "" (Cancel).
  void AnswerButtons(std::initializer_list<int> buttons) { buttons_.insert(buttons_.end(), buttons); }
  void AnswerInputs(std::initializer_list<std::string> inputs) { inputs_.insert(inputs_.end(), inputs); }
  // Answers of the file and folder dialogs, in order; nothing (or an empty queue) is Cancel.
  void AnswerFiles(std::initializer_list<std::optional<std::string>> files) {
    files_.insert(files_.end(), files);
  }
  void AnswerFolders(std::initializer_list<std::optional<std::string>> folders) {
    folders_.insert(folders_.end(), folders);
  }

  int Message(const std::string& text, const std::string& title, unsigned flags) override;
  // Recorded like any message, its text kept in UTF-8.
  int MessageUtf8(const std::string& text, const std::string& title, unsigned flags) override {
    return Message(text, title, flags);
  }
  std::string InputBox(const std::string& prompt, const std::string& title,
                       const std::string& defaultText) override;
  std::optional<std::string> OpenFile(const FileDialogRequest& request) override;
  // Answered from the same queue as OpenFile, and recorded with it.
  std::optional<std::string> SaveFile(const FileDialogRequest& request) override { return OpenFile(request); }
  std::optional<std::string> ChooseFolder() override;
  void ShowHelpTopic(const std::string& helpFile, int topic) override;

  const std::vector<PromptRecord>& Records() const { return records_; }
  // Each message as "text|title|flags", for comparing a whole exchange at once.
  std::vector<std::string> Summaries() const;
  const std::vector<FileDialogRequest>& FileRequests() const { return fileRequests_; }
  int FolderRequests() const { return folderRequests_; }
  const std::vector<HelpRecord>& HelpTopics() const { return helpTopics_; }

 private:
  std::deque<int> buttons_;
  std::deque<std::string> inputs_;
  std::deque<std::optional<std::string>> files_;
  std::deque<std::optional<std::string>> folders_;
  std::vector<PromptRecord> records_;
  std::vector<FileDialogRequest> fileRequests_;
  int folderRequests_ = 0;
  std::vector<HelpRecord> helpTopics_;
};

}  // namespace quillet::testing
