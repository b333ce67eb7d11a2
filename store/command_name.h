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

}  // namespace quillet
