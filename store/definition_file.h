#pragma once
// The text of a command's definition file: nine CR LF lines, of which lines 2 to 5 are read back.

#include <cstdint>
#include <string>
#include <string_view>

#include "store/command_record.h"

namespace quillet {

std::string DefinitionFileText(const std::string& name, const std::string& target,
                               const std::string& parameters, std::int16_t windowMode);

// Lines 2 to 5 as they were read. A missing line reads as "", except the name: a file too short
// to hold one is listed under the name in its own file name, so that the user can still see and
// remove it.
struct DefinitionFields {
  std::string name;
  std::string target;
  std::string parameters;
  std::string windowModeText;
};

// Reads the first five lines of the file's bytes (a line ends at CR LF, or at a bare LF).
DefinitionFields ParseDefinitionText(std::string_view bytes, const std::string& nameFromFileName);

// "run_N.cfg" gives N; any other file name gives the name less its extension.
std::string NameFromDefinitionFileName(const std::string& fileName);

}  // namespace quillet
