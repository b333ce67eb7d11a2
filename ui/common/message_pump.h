#pragma once

#include <windows.h>

#include <string>

namespace quillet {

// Waits until a file that another process makes exists, handling this thread's window messages
// meanwhile so that every window stays painted and answers. It looks again whenever a file is
// made in the file's folder, a message comes, or 50 ms pass. False after `timeoutMs`, and when
// the program is asked to end meanwhile (the request is passed on to the message loop).
bool WaitForFileWithMessages(const std::string& path, DWORD timeoutMs);

}  // namespace quillet
