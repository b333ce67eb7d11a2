#pragma once
// What the windows that make commands (the editor, the import) need of the main window, which
// owns the user command list.

#include "store/command_table.h"
#include "store/shadowing.h"

namespace quillet {

class CommandListOwner {
 public:
  virtual ~CommandListOwner() = default;
  virtual UserCommandList& UserCommandRows() = 0;
  // Commands were saved into the rows: redraw them, refresh the status bar, then give new rows
  // their icons.
  virtual void UserCommandsSaved() = 0;
  // The programs that Windows finds before App Paths, for the question before a name they shadow.
  virtual const ShadowIndex& ShadowingPrograms() const = 0;
};

}  // namespace quillet
