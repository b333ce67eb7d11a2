#pragma once
// The one seam through which every message box, input box, file and folder dialog and help topic
// of the program passes. Production shows the real ones (SystemPrompt); tests substitute a
// scripted responder.

#include <optional>
#include <string>

#include "store/notifier.h"

namespace quillet {

// A file-open dialog: the filter as "Description|pattern|Description|pattern", the 1-based
// filter shown first, and the OPENFILENAME flags.
struct OpenFileRequest {
  std::string filter;
  int filterIndex = 1;
  unsigned flags = 0;
};

class Prompt : public Notifier {
 public:
  // A message whose text is UTF-8: for showing what the user typed when the ANSI code page
  // cannot hold it. The title stays ANSI.
  virtual int MessageUtf8(const std::string& text, const std::string& title, unsigned flags) = 0;

  // Asks for a line of text; returns what was typed, or "" when the user cancelled.
  virtual std::string InputBox(const std::string& prompt, const std::string& title,
                               const std::string& defaultText) = 0;
  // The file chosen, or nothing when the dialog was cancelled.
  virtual std::optional<std::string> OpenFile(const OpenFileRequest& request) = 0;
  // The folder chooser: the folder chosen, as its tree shows it, or nothing on Cancel.
  virtual std::optional<std::string> ChooseFolder() = 0;
  // Opens the help file at one of its topic numbers.
  virtual void ShowHelpTopic(const std::string& helpFile, int topic) = 0;
};

}  // namespace quillet
