#pragma once
// Which names can become a command: a registry subkey and file names inside Cmds, and a word the
// Run dialog can reach.

#include <string>

namespace quillet {

// False for an empty name, "." and "..", and a name holding a path separator, a control
// character or one of  \ / : * ? " < > |  : such a name would write outside Cmds or into
// nested registry keys. Letter case and every other character are accepted.
bool IsSafeCommandName(const std::string& name);

// True for create, remove, clear and quillet in any letter case: the Run words that reach
// Quillet itself. App Paths does not tell letter case apart, so a command of such a name would
// replace the word, and removing one would take the word away.
bool IsOwnRunWord(const std::string& name);

// Why a name cannot be saved as a command, on every route that makes one.
enum class NameRefusal {
  None,
  Empty,
  Blank,       // the Run dialog takes the first word for the command, so it could never be typed
  Unsafe,      // see IsSafeCommandName
  OwnRunWord,  // see IsOwnRunWord
  TooLong,     // its subkey or its launcher shortcut's path would be longer than Windows allows
};

// The rules above; with a program folder also the length of the launcher shortcut's path
// P\Cmds\run_N.lnk, which must fit in MAX_PATH for the shell to start it.
NameRefusal RefuseName(const std::string& name, const std::string& programFolder = {});

// The message for a refused name (not for an empty one: each route asks for a name its own way).
std::string NameRefusalMessage(NameRefusal refusal, const std::string& name);

}  // namespace quillet
