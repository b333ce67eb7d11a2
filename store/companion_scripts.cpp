#include "store/companion_scripts.h"

#include "store/shell_functions.h"

namespace quillet {

ScriptStart StartCompanionScript(HWND owner, const std::string& programFolder, const std::string& script,
                                 const std::string& parameters, const std::string& folder, int show) {
  const std::string path = programFolder + "\\" + script;
  SHELLEXECUTEINFOA info{};
  info.cbSize = sizeof info;
  // The program tells the user itself when a script cannot be started.
  info.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI;
  info.hwnd = owner;
  info.lpVerb = "open";
  info.lpFile = path.c_str();
  info.lpParameters = parameters.c_str();
  info.lpDirectory = folder.c_str();
  info.nShow = show;
  ScriptStart start;
  const bool started = ShellExecuteExNow(&info) != FALSE;
  start.process.Reset(info.hProcess);
  start.result = reinterpret_cast<INT_PTR>(info.hInstApp);
  // ShellExecuteEx sets hInstApp only on failure on some systems: a start it reports is a start.
  // (ShellExecute's results up to 32 are its errors.)
  constexpr INT_PTR kLastError = 32, kStarted = kLastError + 1;
  if (started && start.result <= kLastError) start.result = kStarted;
  if (!started && start.result > kLastError) start.result = 0;
  return start;
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
