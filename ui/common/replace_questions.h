#pragma once
// The questions asked before a command takes the place of what has its name now, the same on
// every route that makes one: a command of the user's own is overwritten only after the
// overwrite question, another program's App Paths entry only after the system-command question.

#include <optional>
#include <string>

#include "store/save_command.h"
#include "store/shadowing.h"
#include "store/store_context.h"
#include "ui/common/prompt.h"

namespace quillet {

// The name is another program's Run word (an App Paths entry that is not this copy's).
bool ConfirmReplacingSystemCommand(Prompt& prompt, const std::string& name);
// The name is a command of the user's own, in the editor's words or in the import's; `flags`
// adds the icon the asking window shows.
enum class OverwriteWords { AskedAlready, Editor, Import };
bool ConfirmOverwritingCommand(Prompt& prompt, const std::string& name, OverwriteWords words, unsigned iconFlags);
// Windows would start `shadowingFile` when the name is typed (see store/shadowing.h); true when
// nothing shadows the name or the user saves it anyway.
bool ConfirmShadowedName(Prompt& prompt, const std::string& name, const std::string& shadowingFile);

// What a save may claim once the user has answered: nothing when a question was answered No.
// A command of the user's own (`listed`, or an entry of this copy) asks the overwrite question;
// another program's entry the system-command question, whose Yes lets the save replace it. Then
// the shadowing question.
std::optional<EntryClaim> ConfirmReplacingName(Prompt& prompt, const StoreContext& store, const std::string& name,
                                               bool listed, const ShadowIndex& shadows, OverwriteWords words,
                                               unsigned overwriteIconFlags);

}  // namespace quillet
