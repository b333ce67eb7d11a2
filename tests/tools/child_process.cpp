#include "tests/tools/child_process.h"

namespace quillet::tools::testing {

std::string ThisProgram() {
  char path[MAX_PATH];
  return std::string(path, GetModuleFileNameA(nullptr, path, MAX_PATH));
}

std::string BuiltTool(const std::string& file) { return std::string(QUILLET_BUILT_TOOLS_DIR) + "\\" + file; }

}  // namespace quillet::tools::testing
