#pragma once
// Starting the companion scripts that lie beside the executable.

#include <windows.h>

#include <string>

#include "store/scoped_handles.h"

namespace quillet {

struct ScriptStart {
  INT_PTR result = 0;     // as ShellExecute returns it: above 32 when the script was started
  ScopedProcess process;  // the script host's process, when the shell gave one

  bool Started() const { return result > 32; }
};

// Opens P & "\" & script with the verb "open", as ShellExecuteA would, keeping the process.
ScriptStart StartCompanionScript(HWND owner, const std::string& programFolder, const std::string& script,
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
