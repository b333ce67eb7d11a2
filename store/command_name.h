#pragma once
// Which names can safely become a registry subkey and file names inside Cmds.

#include <string>

namespace quillet {

// False for an empty name, "." and "..", and a name holding a path separator, a control
// character or one of  \ / : * ? " < > |  : such a name would write outside Cmds or into
// nested registry keys. Letter case and every other character are accepted.
bool IsSafeCommandName(const std::string& name);

// The message shown when a name from the command line or the Explorer input box is refused.
std::string UnsafeNameMessage(const std::string& name);

// True for create, remove, clear and quillet in any letter case: the Run words that reach
// Quillet itself. App Paths does not tell letter case apart, so a command of such a name would
// replace the word, and removing one would take the word away.
bool IsOwnRunWord(const std::string& name);

// The message shown when such a name is given for creating or removing a command.
std::string OwnRunWordMessage(const std::string& name);

}  // namespace quillet
