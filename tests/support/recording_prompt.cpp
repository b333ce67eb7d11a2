#include "tests/support/recording_prompt.h"

#include <windows.h>

namespace quillet::testing {

namespace {
// The next queued answer, or `none` when the queue is empty.
template <typename Queue>
typename Queue::value_type Next(Queue& queue, typename Queue::value_type none = {}) {
  if (queue.empty()) return none;
  auto answer = std::move(queue.front());
  queue.pop_front();
  return answer;
}
}  // namespace

int RecordingPrompt::Message(const std::string& text, const std::string& title, unsigned flags) {
  records_.push_back({text, title, flags, false, {}});
  return Next(buttons_, (flags & 0x0F) == MB_YESNO ? IDNO : IDOK);
}

std::string RecordingPrompt::InputBox(const std::string& prompt, const std::string& title,
                                      const std::string& defaultText) {
  records_.push_back({prompt, title, 0, true, defaultText});
  return Next(inputs_);
}

std::optional<std::string> RecordingPrompt::OpenFile(const FileDialogRequest& request) {
  fileRequests_.push_back(request);
  return Next(files_);
}

std::optional<std::string> RecordingPrompt::ChooseFolder() {
  ++folderRequests_;
  return Next(folders_);
}

void RecordingPrompt::ShowHelpTopic(const std::string& helpFile, int topic) { helpTopics_.push_back({helpFile, topic}); }

std::vector<std::string> RecordingPrompt::Summaries() const {
  std::vector<std::string> summaries;
  for (const PromptRecord& record : records_) {
    summaries.push_back(record.text + "|" + record.title + "|" + std::to_string(record.flags));
  }
  return summaries;
}

}  // namespace quillet::testing
