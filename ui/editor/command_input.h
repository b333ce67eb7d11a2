#pragma once
// What the command editor's boxes hold, how it is checked, and how it is saved. Plain functions
// over the main window's user command list, so that they work (and test) without the dialog.

#include <string>

#include "store/command_table.h"
#include "store/shadowing.h"
#include "store/store_context.h"
#include "ui/common/prompt.h"
#include "ui/editor/editor_rules.h"

namespace quillet {

enum class EditorMode { New, Update };

struct EditorInput {
  std::string name;
  std::string path;
  ParameterBoxes parameters;
  std::string windowMode;  // the text of the window-mode box
};

// Checks the input in order and tells the user of the first failure; true when it may be saved.
// A folder path (one without any ".") gets its final "\" here even when a later check fails.
// `oldName` is the name the command had when an update began.
// Last it asks before a name that `shadows` holds: Windows would start another program for it.
bool ValidateInput(EditorInput& input, EditorMode mode, const std::string& oldName, const UserCommandList& rows,
                   const ShadowIndex& shadows, Prompt& prompt);

// Saves checked input. The launcher shortcut is requested first; when that cannot be done the
// user has been told, nothing else is written and the result is false. Then the App Paths entry,
// the list row and the definition file. The row of an update is found by its old name when
// saving (the list may have changed while the editor was open); it keeps its place and icon.
bool SaveCommand(const StoreContext& store, const EditorInput& input, EditorMode mode, const std::string& oldName,
                 UserCommandList& rows);

}  // namespace quillet
