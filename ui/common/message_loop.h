#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <vector>

namespace quillet {

// The program's message loop, until WM_QUIT (whose code it returns). Each message is first
// offered to `shortcuts`, then to the dialog keys of its window (RouteDialogMessage). While it
// waits, the loop also waits on `handles` (asked for anew each time, so they may change) and
// calls `signalled` with a handle that was set.
int RunMessageLoop(const std::function<bool(MSG&)>& shortcuts, const std::function<std::vector<HANDLE>()>& handles,
                   const std::function<void(HANDLE)>& signalled);

// Handles the messages already waiting, routed as above (`shortcuts` may be empty). When WM_QUIT
// comes, returns its code and leaves the rest queued.
std::optional<int> PumpPendingMessages(const std::function<bool(MSG&)>& shortcuts);

}  // namespace quillet
