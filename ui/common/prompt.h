#pragma once
// The one seam through which every message box and input box of the program passes.
// Production shows real dialogs (SystemPrompt); tests substitute a scripted responder.

#include <string>

#include "store/notifier.h"

namespace quillet {

class Prompt : public Notifier {
 public:
  // Asks for a line of text; returns what was typed, or "" when the user cancelled.
  virtual std::string InputBox(const std::string& prompt, const std::string& title,
                               const std::string& defaultText) = 0;
};

}  // namespace quillet
