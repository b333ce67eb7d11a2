#pragma once
// Signals when commands may have been made or removed by someone else: another Quillet, the
// Run-dialog verbs, the Explorer entry, or another program changing App Paths.

#include <windows.h>

#include <vector>

#include "store/scoped_handles.h"
#include "store/store_context.h"

namespace quillet {

class StoreWatch {
 public:
  // Watches the files of P\Cmds and both App Paths keys with all their subkeys.
  explicit StoreWatch(const StoreContext& store);

  // What to wait on: the Cmds folder's signal, then the App Paths keys' (those that could be set up).
  std::vector<HANDLE> Handles() const;
  // After a handle was signalled: sets it to signal the next change.
  void Rearm(HANDLE signalled);

 private:
  struct KeyWatch {
    ScopedRegistryKey key;
    ScopedEvent changed;
  };
  static void Watch(KeyWatch& watch);

  ScopedChangeNotification cmds_;
  KeyWatch keys_[2];  // the user's and the machine's
};

}  // namespace quillet
