#pragma once
// The standard icons a message box can show, and how to tell them apart.

#include <windows.h>

namespace quillet::tools {

enum class MessageIcon {
  None,
  Information,  // MB_ICONINFORMATION / MB_ICONASTERISK
  Exclamation,  // MB_ICONEXCLAMATION / MB_ICONWARNING
  Critical,     // MB_ICONHAND / MB_ICONSTOP / MB_ICONERROR
  Question,     // MB_ICONQUESTION
  Other,        // an icon that is none of the above, or one that could not be identified
};

const char* MessageIconName(MessageIcon icon);

// Which system icon `icon` is. Only meaningful for a handle of the calling process: Wine gives
// every process its own handles for the shared system icons, so handles of another process
// never compare equal there (see icon_probe.h for how such icons are identified).
MessageIcon SystemIconKind(HICON icon);

}  // namespace quillet::tools
