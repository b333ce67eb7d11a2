#include "store/companion_scripts.h"

#include "store/shell_functions.h"

namespace quillet {

INT_PTR StartCompanionScript(HWND owner, const std::string& programFolder, const std::string& script,
                             const std::string& parameters, const std::string& folder, int show) {
  const std::string path = programFolder + "\\" + script;
  const HINSTANCE result =
      ShellExecuteNow(owner, "open", path.c_str(), parameters.c_str(), folder.c_str(), show);
  return reinterpret_cast<INT_PTR>(result);
}

ScopedEnvironmentVariable::ScopedEnvironmentVariable(const char* name, const char* value) : name_(name) {
  const DWORD size = GetEnvironmentVariableA(name, nullptr, 0);
  if (size > 0) {
    previous_.resize(size);
    const DWORD length = GetEnvironmentVariableA(name, previous_.data(), size);
    previous_.resize(length);
    hadValue_ = true;
  }
  SetEnvironmentVariableA(name, value);
}

ScopedEnvironmentVariable::~ScopedEnvironmentVariable() {
  SetEnvironmentVariableA(name_, hadValue_ ? previous_.c_str() : nullptr);
}

}  // namespace quillet
