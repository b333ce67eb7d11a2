#pragma once
// How the store tells the user something: a modal message with a text, a title and
// MessageBox flags. The windows supply the implementation; tests record the messages.

#include <string>

namespace quillet {

class Notifier {
 public:
  virtual ~Notifier() = default;
  // Shows the message and returns the button pressed (IDOK, IDYES, IDNO ...).
  virtual int Message(const std::string& text, const std::string& title, unsigned flags) = 0;
};

// Message-box flags used by the program's messages.
inline constexpr unsigned kOkOnly = 0x00;
inline constexpr unsigned kYesNo = 0x04;
inline constexpr unsigned kIconCritical = 0x10;
inline constexpr unsigned kIconQuestion = 0x20;
inline constexpr unsigned kIconExclamation = 0x30;
inline constexpr unsigned kIconInformation = 0x40;

inline constexpr const char* kAppTitle = "Quillet";

}  // namespace quillet
