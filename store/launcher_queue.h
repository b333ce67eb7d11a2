#pragma once
// Launcher shortcuts that companion scripts are writing, for the saves that need them written
// (the restore, the repair): the scripts run a few at a time rather than hundreds at once, and
// each command counts as made only when its shortcut is there.

#include <deque>
#include <string>
#include <vector>

#include "store/scoped_handles.h"
#include "store/store_context.h"

namespace quillet {

class LauncherQueue {
 public:
  // At most `atOnce` scripts run at a time.
  LauncherQueue(const StoreContext& store, std::size_t atOnce);
  LauncherQueue(const LauncherQueue&) = delete;
  LauncherQueue& operator=(const LauncherQueue&) = delete;

  // A command just saved, with the script that writes its launcher shortcut (none: written
  // already, or a script the shell gave no process for). Waits first for the oldest script when
  // `atOnce` are running.
  void Add(const std::string& name, ScopedProcess script);

  // Waits for the rest; the names of the commands whose launcher shortcut is not there, in the
  // order they were added.
  std::vector<std::string> Finish();

 private:
  struct Pending {
    std::string name;
    ScopedProcess script;
  };
  void WaitForOldest();

  const StoreContext& store_;
  std::size_t atOnce_;
  std::deque<Pending> pending_;
  std::vector<std::string> missing_;
};

}  // namespace quillet
