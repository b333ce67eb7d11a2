#include "tools/message_icon.h"

namespace quillet::tools {

const char* MessageIconName(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::None: return "None";
    case MessageIcon::Information: return "Information";
    case MessageIcon::Exclamation: return "Exclamation";
    case MessageIcon::Critical: return "Critical";
    case MessageIcon::Question: return "Question";
    case MessageIcon::Other: return "Other";
  }
  return "Other";
}

MessageIcon SystemIconKind(HICON icon) {
  if (icon == nullptr) return MessageIcon::None;
  // LoadIcon hands out the one shared handle per system icon within a process, and
  // MessageBox shows exactly those handles.
  if (icon == LoadIconA(nullptr, IDI_ASTERISK)) return MessageIcon::Information;
  if (icon == LoadIconA(nullptr, IDI_EXCLAMATION)) return MessageIcon::Exclamation;
  if (icon == LoadIconA(nullptr, IDI_HAND)) return MessageIcon::Critical;
  if (icon == LoadIconA(nullptr, IDI_QUESTION)) return MessageIcon::Question;
  return MessageIcon::Other;
}

}  // namespace quillet::tools
