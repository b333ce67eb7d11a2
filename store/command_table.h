#pragma once
// The rows of the two command lists. The main window owns both tables; the list views show them.

#include <cstdint>
#include <string>
#include <vector>

#include "store/command_record.h"
#include "store/store_scope.h"

namespace quillet {

// One user command, as loaded from its definition file P\Cmds\run_N.cfg: `fileName` is that N,
// the name of the files (and the App Paths entry) that belong to the row, whatever line 2 of the
// file calls the command. The icon is a position in the command image list (0 while it has none).
struct UserCommandRow {
  std::string name;
  std::string target;
  std::string parameters;
  std::int16_t windowMode = kWindowNormal;
  int icon = 0;
  std::string fileName;

  CommandRecord Command() const { return {name, target, parameters, windowMode}; }
};

// A row for a command that was just saved under its own name.
UserCommandRow RowOf(const CommandRecord& command);

struct SystemCommandRow {
  std::string name;
  std::string target;
  StoreScope scope = StoreScope::MachineWide;
};

using UserCommandList = std::vector<UserCommandRow>;
using SystemCommandList = std::vector<SystemCommandRow>;

// Removes the rows named `name`, letter case ignored: such names share one App Paths entry and
// one set of files, so a command saved under one of them replaces them all. True when a row
// went, so that the owner redraws its list; false, and nothing changed, when none matched.
bool RemoveFromCommandList(UserCommandList& rows, const std::string& name);

// Whether a row has that name, letter case ignored for the same reason.
bool ListsCommand(const UserCommandList& rows, const std::string& name);

// Brings the rows in line with the rows just read from the definition files: a row whose file is
// gone leaves, a changed one takes the new fields (and waits for a new icon when its target
// changed), a new one is appended; the others keep their order and icons. Rows are matched by
// their files' name, letter case ignored as the file system does, so a command whose name
// changed only in case keeps its place. True when anything changed.
bool MergeRows(UserCommandList& rows, const UserCommandList& current);

// The row of a file's name (letter case ignored), or -1.
int RowOfFile(const UserCommandList& rows, const std::string& fileName);

}  // namespace quillet
