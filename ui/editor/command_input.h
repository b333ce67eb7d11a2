#pragma once
// What the command editor's boxes hold, how it is checked, and how it is saved. Plain functions
// over the main window's user command list, so that they work (and test) without the dialog.

#include <optional>
#include <string>

#include "store/command_table.h"
#include "store/save_command.h"
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

// The command an update edits: its row's name and the name of its files.
struct EditedCommand {
  std::string name;
  std::string fileName;
};

// Checks the input in order and tells the user of the first failure; what the save may claim
// when the input may be saved, nothing when not. A folder path (one without any ".") gets its
// final "\" here even when a later check fails. The a-z and 0-9 rule holds for names typed anew:
// an update keeps a name the command already has. Last it asks before a name that another
// command has, and before a name that `shadows` holds (Windows would start another program).
std::optional<EntryClaim> ValidateInput(EditorInput& input, EditorMode mode, const EditedCommand& edited,
                                        const UserCommandList& rows, const ShadowIndex& shadows,
                                        const StoreContext& store, Prompt& prompt);

// Saves checked input; false, after telling the user why, when it could not be saved. An update
// saves over the row of `edited`, which keeps its place and icon; a rename writes the new name
// whole before the old one goes.
bool SaveCommand(const StoreContext& store, Prompt& prompt, const EditorInput& input, EditorMode mode,
                 const EditedCommand& edited, EntryClaim claim, UserCommandList& rows);

}  // namespace quillet
