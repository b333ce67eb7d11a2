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
  explicit ChildProcess(const std::string& commandLine);
  // A command line that the ANSI code page cannot hold, started as the shell starts programs.
  explicit ChildProcess(std::wstring commandLine);
  ~ChildProcess();

  DWORD Id() const { return id_; }
  // The exit code, or nullopt if the process has not ended within timeoutMs.
  std::optional<DWORD> WaitForExit(DWORD timeoutMs = 20000) const;

 private:
  ScopedProcess process_;
  DWORD id_ = 0;
};

}  // namespace quillet::tools
