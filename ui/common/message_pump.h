#pragma once

#include <windows.h>

#include <functional>

namespace quillet {

// Handles this thread's window messages, so that every window stays painted and answers, until
// `done` says so or `timeoutMs` have passed. False on time-out, and when the program is asked to
// end meanwhile (the request is passed on to the message loop).
bool PumpMessagesUntil(const std::function<bool()>& done, DWORD timeoutMs);

}  // namespace quillet
