#pragma once
// The file that File > Export Commands writes and File > Restore Commands reads: every user
// command in plain text, in the code page of the system like the definition files.
//
//   Quillet command list, version 1
//   Commands: 2
//
//   Name: notes
//   Target: C:\Notes\todo.txt
//   Parameters:
//   Window mode: 1
//
//   Name: site
//   ...
//
// Every line ends in CR LF, and no value holds a CR or an LF of its own. A value is every byte
// after the ": " (or after the ":" when it is empty) up to the line end, so blanks and quotes
// come back exactly. The window mode is 1 (normal), 3 (maximized) or 7 (minimized). The count
// makes a file cut short at a command's end tell itself from a whole one.
//
// What ParseCommandList accepts, CommandListText writes back to the same commands, and the
// commands CommandListText is given (all of them accepted by CommandListRefusal) come back from
// ParseCommandList exactly.

#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "store/command_record.h"

namespace quillet {

std::string CommandListText(const std::vector<CommandRecord>& commands);

// Why a command cannot be in a list, so that it could not be restored: a name no command may
// have, a value with a line end, a window mode other than 1, 3 or 7, or a target or parameters
// longer than a launcher shortcut holds. Nothing when it can.
std::optional<std::string> CommandListRefusal(const CommandRecord& command);

struct CommandListError {
  std::size_t line;    // counted from 1; 0 for the file as a whole
  std::string reason;  // what is wrong there
};

// The commands of a whole, well-formed file, or what is wrong with it and where.
std::variant<std::vector<CommandRecord>, CommandListError> ParseCommandList(std::string_view text);

}  // namespace quillet
