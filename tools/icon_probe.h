#pragma once
// Identifies the icon of an icon Static that belongs to another process.
//
// Wine keeps icon data in the owning process: another process can read the handle with
// STM_GETICON but can neither compare it with its own LoadIcon handles nor call GetIconInfo
// on it (ERROR_INVALID_CURSOR_HANDLE). So the comparison is made inside the owner: a
// WH_CALLWNDPROC hook from quillet_icon_probe.dll is set on the owner's thread, a probe
// message is sent to the Static, and the hook answers it with ReplyMessage.

#include <windows.h>

#include <optional>

#include "tools/message_icon.h"

namespace quillet::tools {

inline constexpr const char* kIconProbeDll = "quillet_icon_probe.dll";
inline constexpr const char* kIconProbeHookName = "QuilletIconProbeHook";
inline constexpr const char* kIconProbeMessageName = "Quillet.IconProbe";
// The hook's answer is this tag with the MessageIcon value in the low byte, so that the
// plain 0 of a Static that never saw the hook cannot pass for an answer.
inline constexpr LRESULT kIconProbeAnswerTag = 0x51C0'0000;

// The icon shown by `iconStatic` (an SS_ICON Static of another process), or nullopt when
// the probe DLL cannot be found or the owner did not answer.
std::optional<MessageIcon> ProbeIconInOwner(HWND iconStatic);

}  // namespace quillet::tools
