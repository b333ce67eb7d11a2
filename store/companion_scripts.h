#pragma once
// Starting the companion scripts that lie beside the executable.

#include <windows.h>

#include <string>

namespace quillet {

// Starts P & "\" & script with the verb "open"; returns ShellExecute's result (> 32 on success).
INT_PTR StartCompanionScript(HWND owner, const std::string& programFolder, const std::string& script,
                             const std::string& parameters, const std::string& folder, int show);

// Sets (with nullptr: removes) a variable of this process's environment for as long as it lives,
// so that a process started meanwhile inherits it; the previous state is restored afterwards.
class ScopedEnvironmentVariable {
 public:
  ScopedEnvironmentVariable(const char* name, const char* value);
  ScopedEnvironmentVariable(const ScopedEnvironmentVariable&) = delete;
  ScopedEnvironmentVariable& operator=(const ScopedEnvironmentVariable&) = delete;
  ~ScopedEnvironmentVariable();

 private:
  const char* name_;
  bool hadValue_ = false;
  std::string previous_;
};

}  // namespace quillet
