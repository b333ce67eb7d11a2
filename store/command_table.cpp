#include "store/command_table.h"

#include <algorithm>
#include <unordered_map>

#include "store/text.h"

namespace quillet {

UserCommandRow RowOf(const CommandRecord& command) {
  return {command.name, command.target, command.parameters, command.windowMode, 0, command.name};
}

bool RemoveFromCommandList(UserCommandList& rows, const std::string& name) {
  const auto removed = std::remove_if(rows.begin(), rows.end(),
                                      [&](const UserCommandRow& r) { return SameNameIgnoringCase(r.name, name); });
  if (removed == rows.end()) return false;
  rows.erase(removed, rows.end());
  return true;
}

bool ListsCommand(const UserCommandList& rows, const std::string& name) {
  return std::any_of(rows.begin(), rows.end(), [&](const UserCommandRow& r) { return SameNameIgnoringCase(r.name, name); });
}

int RowOfFile(const UserCommandList& rows, const std::string& fileName) {
  const auto found = std::find_if(rows.begin(), rows.end(),
                                  [&](const UserCommandRow& r) { return SameNameIgnoringCase(r.fileName, fileName); });
  return found == rows.end() ? -1 : static_cast<int>(found - rows.begin());
}

bool MergeRows(UserCommandList& rows, const UserCommandList& current) {
  // The rows on disk by their files' name: one look-up per row, however many there are.
  std::unordered_map<std::string, std::size_t> onDisk;
  for (std::size_t i = 0; i < current.size(); ++i) onDisk.emplace(LowerAscii(current[i].fileName), i);
  std::vector<bool> matched(current.size(), false);
  bool changed = false;
  UserCommandList merged;
  merged.reserve(current.size());
  for (UserCommandRow& row : rows) {
    const auto found = onDisk.find(LowerAscii(row.fileName));
    if (found == onDisk.end() || matched[found->second]) {
      changed = true;  // its definition file is gone
      continue;
    }
    matched[found->second] = true;
    const UserCommandRow& now = current[found->second];
    if (now.name != row.name || now.target != row.target || now.parameters != row.parameters ||
        now.windowMode != row.windowMode || now.fileName != row.fileName) {
      const int icon = now.target == row.target ? row.icon : 0;  // a new target needs a new icon
      row = now;
      row.icon = icon;
      changed = true;
    }
    merged.push_back(std::move(row));
  }
  for (std::size_t i = 0; i < current.size(); ++i) {
    if (matched[i]) continue;
    merged.push_back(current[i]);
    changed = true;
  }
  rows = std::move(merged);
  return changed;
}

}  // namespace quillet
