#pragma once
// Where the tools' tests find this program and the built tools.

#include <string>

#include "store/companion_scripts.h"
#include "tools/child_process.h"

namespace quillet::tools::testing {

using tools::ChildProcess;
using tools::QuoteArgument;
using quillet::ScopedEnvironmentVariable;

// This test program and the built tools, by full path.
std::string ThisProgram();
std::string BuiltTool(const std::string& file);

}  // namespace quillet::tools::testing
