#pragma once
// The one seam through which every message box and input box of the program passes.
// Production shows real dialogs (SystemPrompt); tests substitute a scripted responder.

#include <string>

#include "store/notifier.h"

namespace quillet {

class Prompt : public Notifier {
 public:
  // A message whose text is UTF-8: for showing what the user typed when the ANSI code page
  // cannot hold it. The title stays ANSI.
  virtual int MessageUtf8(const std::string& text, const std::string& title, unsigned flags) = 0;

  // Asks for a line of text; returns what was typed, or "" when the user cancelled.
  virtual std::string InputBox(const std::string& prompt, const std::string& title,
                               const std::string& defaultText) = 0;
};

}  // namespace quillet
