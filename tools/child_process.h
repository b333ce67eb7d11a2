#pragma once
// Child processes for tests and the benchmark: a command line built from arguments, a process
// started from it, waited for, and never left running behind a failed test.

#include <windows.h>

#include <optional>
#include <string>

#include "store/scoped_handles.h"

namespace quillet::tools {

// Quotes one argument so that the C runtime and CommandLineToArgvW give it back unchanged.
std::string QuoteArgument(const std::string& argument);

class ChildProcess {
 public:
  // Starts `commandLine` in `folder` (this process's current folder if empty). With
  // `program`, that file is started and the command line's first word is just its name.
  explicit ChildProcess(const std::string& commandLine, const std::string& folder = {},
                        const std::string& program = {});
  // A command line that the ANSI code page cannot hold, started as the shell starts programs.
  explicit ChildProcess(std::wstring commandLine);
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;
  ~ChildProcess();

  bool Started() const { return process_.Valid(); }
  DWORD Id() const { return id_; }
  HANDLE Handle() const { return process_.Get(); }
  // The exit code, or nullopt if the process has not ended within timeoutMs.
  std::optional<DWORD> WaitForExit(DWORD timeoutMs = 20000) const;

 private:
  void Adopt(const PROCESS_INFORMATION& started);

  ScopedProcess process_;
  DWORD id_ = 0;
};

}  // namespace quillet::tools
