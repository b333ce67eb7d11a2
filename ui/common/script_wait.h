#pragma once

#include <windows.h>

#include <string>

namespace quillet {

// Waits until a companion script's process ends or, without a process, until the file it makes
// exists, handling this thread's window messages meanwhile so that every window stays painted
// and answers. False after `timeoutMs`, and when the program is asked to end meanwhile (the
// request is passed on to the message loop). The store's StoreContext::waitForScript in a window.
bool WaitForScriptWithMessages(HANDLE process, const std::string& file, DWORD timeoutMs);

}  // namespace quillet
