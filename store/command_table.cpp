#include "store/command_table.h"

#include <algorithm>

#include "store/text.h"

namespace quillet {

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

bool MergeRows(UserCommandList& rows, const UserCommandList& current) {
  bool changed = false;
  std::vector<bool> matched(current.size(), false);
  UserCommandList merged;
  for (UserCommandRow& row : rows) {
    std::size_t i = 0;
    while (i < current.size() && (matched[i] || !SameNameIgnoringCase(current[i].name, row.name))) ++i;
    if (i == current.size()) {
      changed = true;  // its definition file is gone
      continue;
    }
    matched[i] = true;
    const UserCommandRow& now = current[i];
    if (now.name != row.name || now.target != row.target || now.parameters != row.parameters ||
        now.windowModeText != row.windowModeText) {
      if (now.target != row.target) row.icon = 0;
      row.name = now.name;
      row.target = now.target;
      row.parameters = now.parameters;
      row.windowModeText = now.windowModeText;
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
