#pragma once
// Signals when commands may have been made or removed by someone else: another Quillet, the
// Run-dialog verbs, the Explorer entry, or another program changing App Paths.

#include <windows.h>

#include <string>
#include <vector>

#include "store/scoped_handles.h"

namespace quillet {

class StoreWatch {
 public:
  // Watches the files of P\Cmds and the App Paths key with all its subkeys.
  explicit StoreWatch(const std::string& programFolder);

  // What to wait on: the Cmds folder's signal, then App Paths' (those that could be set up).
  std::vector<HANDLE> Handles() const;
  // After a handle was signalled: sets it to signal the next change.
  void Rearm(HANDLE signalled);

 private:
  void WatchAppPaths();

  ScopedChangeNotification cmds_;
  ScopedRegistryKey appPaths_;
  ScopedEvent appPathsChanged_;
};

}  // namespace quillet
