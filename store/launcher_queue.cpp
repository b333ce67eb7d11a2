#include "store/launcher_queue.h"

#include "store/command_writer.h"
#include "store/store_paths.h"
#include "store/whole_file.h"

namespace quillet {

LauncherQueue::LauncherQueue(const StoreContext& store, std::size_t atOnce) : store_(store), atOnce_(atOnce) {}

void LauncherQueue::Add(const std::string& name, SaveOutcome& saved) {
  if (pending_.size() >= atOnce_) WaitForOldest();
  pending_.push_back({name, std::move(saved.script), saved.launcher});
  // Quillet's own writer has written it, or not, already.
  if (!store_.writer.UsesScripts()) WaitForOldest();
}

void LauncherQueue::WaitForOldest() {
  Pending oldest = std::move(pending_.front());
  pending_.pop_front();
  const std::string shortcut = GeneratedFilePath(store_.programFolder, oldest.name, ".lnk");
  // The script has ended, or the shortcut is there; either way the shortcut tells.
  if (store_.writer.UsesScripts()) store_.waitForScript(oldest.script.Get(), shortcut, kScriptWaitMs);
  if (FileExists(shortcut)) return;
  if (store_.writer.UsesScripts() && oldest.retries < std::size(kRetryPausesMs)) {
    // The pause is a wait for a file that is not coming, so a window keeps painting meanwhile.
    store_.waitForScript(nullptr, shortcut, kRetryPausesMs[oldest.retries]);
    WriteResult again = store_.writer.WriteLauncher(store_, oldest.name, oldest.request);
    if (again.status == WriteStatus::Started) {
      pending_.push_front({oldest.name, std::move(again.script), oldest.request, oldest.retries + 1});
      return;
    }
  }
  if (!FileExists(shortcut)) missing_.push_back(oldest.name);
}

std::vector<std::string> LauncherQueue::Finish() {
  while (!pending_.empty()) WaitForOldest();
  return std::move(missing_);
}

}  // namespace quillet
