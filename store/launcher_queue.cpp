#include "store/launcher_queue.h"

#include "store/command_writer.h"
#include "store/save_command.h"
#include "store/store_paths.h"

namespace quillet {

LauncherQueue::LauncherQueue(const StoreContext& store, std::size_t atOnce) : store_(store), atOnce_(atOnce) {}

void LauncherQueue::Add(const std::string& name, ScopedProcess script) {
  if (pending_.size() >= atOnce_) WaitForOldest();
  pending_.push_back({name, std::move(script)});
  // Quillet's own writer has written it, or not, already.
  if (!store_.writer.UsesScripts()) WaitForOldest();
}

void LauncherQueue::WaitForOldest() {
  const Pending oldest = std::move(pending_.front());
  pending_.pop_front();
  const std::string shortcut = GeneratedFilePath(store_.programFolder, oldest.name, ".lnk");
  // The script has ended, or the shortcut is there; either way the shortcut tells.
  if (store_.writer.UsesScripts()) store_.waitForScript(oldest.script.Get(), shortcut, kScriptWaitMs);
  if (GetFileAttributesA(shortcut.c_str()) == INVALID_FILE_ATTRIBUTES) missing_.push_back(oldest.name);
}

std::vector<std::string> LauncherQueue::Finish() {
  while (!pending_.empty()) WaitForOldest();
  return std::move(missing_);
}

}  // namespace quillet
