#pragma once
// Launcher shortcuts that companion scripts are writing, for the saves that need them written
// (the restore, the repair): the scripts run one at a time rather than hundreds at once, and
// each command counts as made only when its shortcut is there.

#include <windows.h>

#include <deque>
#include <iterator>
#include <string>
#include <vector>

#include "store/save_command.h"
#include "store/scoped_handles.h"
#include "store/store_context.h"

namespace quillet {

// One script at a time: a script host takes a core while it starts, and two at once were measured
// slower under Wine than one after the other.
inline constexpr std::size_t kScriptsAtOnce = 1;

// Under Wine about one script host in a hundred ends at once without running its script, and
// such failures come in bursts: a start right after one fails as often, a start after a pause
// does not. So each new try waits longer before it starts the script again.
inline constexpr DWORD kRetryPausesMs[] = {500, 2000};

// The longest one command's launcher shortcut can take: every try waited out, and the pauses.
inline constexpr DWORD kLongestLauncherWaitMs =
    kScriptWaitMs * (1 + std::size(kRetryPausesMs)) + kRetryPausesMs[0] + kRetryPausesMs[1];

class LauncherQueue {
 public:
  // At most `atOnce` scripts run at a time.
  explicit LauncherQueue(const StoreContext& store, std::size_t atOnce = kScriptsAtOnce);
  LauncherQueue(const LauncherQueue&) = delete;
  LauncherQueue& operator=(const LauncherQueue&) = delete;

  // A command just saved, with the script that writes its launcher shortcut (none: written
  // already, or a script the shell gave no process for). Waits first for the oldest script when
  // `atOnce` are running. A script that ends without writing the shortcut is started again, twice
  // at most, after a pause.
  void Add(const std::string& name, SaveOutcome& saved);

  // Waits for the rest; the names of the commands whose launcher shortcut is not there, in the
  // order they were added.
  std::vector<std::string> Finish();

 private:
  struct Pending {
    std::string name;
    ScopedProcess script;
    LauncherRequest request;
    std::size_t retries = 0;  // times started again
  };
  void WaitForOldest();

  const StoreContext& store_;
  std::size_t atOnce_;
  std::deque<Pending> pending_;
  std::vector<std::string> missing_;
};

}  // namespace quillet
