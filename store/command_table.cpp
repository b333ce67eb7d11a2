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

}  // namespace quillet
