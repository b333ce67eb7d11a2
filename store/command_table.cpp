#include "store/command_table.h"

#include <algorithm>

namespace quillet {

bool RemoveFromCommandList(UserCommandList& rows, const std::string& name) {
  const auto row = std::find_if(rows.begin(), rows.end(),
                                [&](const UserCommandRow& r) { return r.name == name; });
  if (row == rows.end()) return false;
  rows.erase(row);
  return true;
}

}  // namespace quillet
