#pragma once
// The rows of the two command lists. The main window owns both tables; the list views show them.

#include <string>
#include <vector>

namespace quillet {

// One user command, as loaded from its definition file: the window mode as its file stores it
// (the list row's tag), and the row's icon, a position in the command image list (0 while it has
// none yet).
struct UserCommandRow {
  std::string name;
  std::string target;
  std::string parameters;
  std::string windowModeText;
  int icon = 0;
};

struct SystemCommandRow {
  std::string name;
  std::string target;
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
// changed), a new one is appended; the others keep their order and icons. Names are matched
// ignoring letter case, as the files are, so a name whose case changed keeps its place. True when
// anything changed.
bool MergeRows(UserCommandList& rows, const UserCommandList& current);

}  // namespace quillet
