#pragma once
// The one seam through which every message box, input box, file and folder dialog and help topic
// of the program passes. Production shows the real ones (SystemPrompt); tests substitute a
// scripted responder.

#include <optional>
#include <string>

#include "store/notifier.h"

namespace quillet {

// A file dialog: the filter as "Description|pattern|Description|pattern", the 1-based filter
// shown first, the OPENFILENAME flags, and the extension a typed name without one gets.
struct FileDialogRequest {
  std::string filter;
  int filterIndex = 1;
  unsigned flags = 0;
  std::string defaultExtension;
};

class Prompt : public Notifier {
 public:
  // A message whose text is UTF-8: for showing what the user typed when the ANSI code page
  // cannot hold it. The title stays ANSI.
  virtual int MessageUtf8(const std::string& text, const std::string& title, unsigned flags) = 0;

  // Asks for a line of text; returns what was typed, or "" when the user cancelled.
  virtual std::string InputBox(const std::string& prompt, const std::string& title,
                               const std::string& defaultText) = 0;
  // The file chosen in a file-open or a file-save dialog, or nothing when it was cancelled.
  virtual std::optional<std::string> OpenFile(const FileDialogRequest& request) = 0;
  virtual std::optional<std::string> SaveFile(const FileDialogRequest& request) = 0;
  // The folder chooser: the folder chosen, as its tree shows it, or nothing on Cancel.
  virtual std::optional<std::string> ChooseFolder() = 0;
  // Opens the help file at one of its topic numbers.
  virtual void ShowHelpTopic(const std::string& helpFile, int topic) = 0;
};

}  // namespace quillet
