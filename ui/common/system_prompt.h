#pragma once

#include <windows.h>

#include "ui/common/prompt.h"

namespace quillet {

// Real dialogs. Each is owned by the window the user is working in (the active window of this
// thread, so that a message from the editor blocks the editor), else by `owner` (may be null).
class SystemPrompt : public Prompt {
 public:
  explicit SystemPrompt(HWND owner = nullptr) : owner_(owner) {}
  void SetOwner(HWND owner) { owner_ = owner; }

  int Message(const std::string& text, const std::string& title, unsigned flags) override;
  int MessageUtf8(const std::string& text, const std::string& title, unsigned flags) override;
  std::string InputBox(const std::string& prompt, const std::string& title,
                       const std::string& defaultText) override;
  std::optional<std::string> OpenFile(const FileDialogRequest& request) override;
  std::optional<std::string> SaveFile(const FileDialogRequest& request) override;
  std::optional<std::string> ChooseFolder() override;
  void ShowHelpTopic(const std::string& helpFile, int topic) override;

 private:
  HWND Owner() const;
  // comdlg32 is loaded only when a file is picked: most runs never need it.
  std::optional<std::string> FileDialog(const FileDialogRequest& request, const char* function);
  HWND owner_;
};

}  // namespace quillet
