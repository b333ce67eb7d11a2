#pragma once

#include <string>

namespace quillet {

// The folder of the running executable, without a trailing backslash.
std::string ProgramFolder();

}  // namespace quillet
