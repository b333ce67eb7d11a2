#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <vector>

namespace quillet {

// What the program's message loop serves besides messages.
class LoopClient {
 public:
  virtual ~LoopClient() = default;
  // Lets the menu shortcuts act on a message; true when one did.
  virtual bool TranslateShortcut(MSG& message) = 0;
  // What to wait on besides messages (asked for anew each time), and what to do when one is set.
  virtual std::vector<HANDLE> WatchHandles() const = 0;
  virtual void OnSignalled(HANDLE signalled) = 0;
  // How long until work falls due that only this loop may do (INFINITE: none), and the work.
  // Waits in the middle of an action, and the loops of modal dialogs, never do it: it waits
  // until they have returned.
  virtual DWORD MsUntilDue() const = 0;
  virtual void OnDue() = 0;
};

// The program's message loop, until WM_QUIT (whose code it returns). Each message is first
// offered to the client's shortcuts, then to the dialog keys of its window (RouteDialogMessage).
int RunMessageLoop(LoopClient& client);

// Handles the messages already waiting, routed as above (`shortcuts` may be empty). When WM_QUIT
// comes, returns its code and leaves the rest queued.
std::optional<int> PumpPendingMessages(const std::function<bool(MSG&)>& shortcuts);

}  // namespace quillet
