#include "tools/child_process.h"

#include "store/wide_text.h"

namespace quillet::tools {

std::string QuoteArgument(const std::string& argument) {
  if (!argument.empty() && argument.find_first_of(" \t\n\"") == std::string::npos) return argument;
  std::string quoted = "\"";
  // Backslashes are literal except before a quote, the closing one included: there each stands
  // for two, and a quote of the argument gets one more.
  std::size_t backslashes = 0;
  for (char c : argument) {
    if (c != '\\') {
      quoted.append(c == '"' ? backslashes * 2 + 1 : backslashes, '\\');
      quoted += c;
    }
    backslashes = c == '\\' ? backslashes + 1 : 0;
  }
  return quoted.append(backslashes * 2, '\\') + '"';
}

// CreateProcessA too converts from the ANSI code page and goes on as CreateProcessW.
ChildProcess::ChildProcess(const std::string& commandLine) : ChildProcess(WideFromAnsi(commandLine)) {}

ChildProcess::ChildProcess(std::wstring commandLine) {
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION started{};
  if (CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &started)) {
    process_.Reset(started.hProcess);
    CloseHandle(started.hThread);
    id_ = started.dwProcessId;
  }
}

ChildProcess::~ChildProcess() {
  // Stops a process left running; one that has ended stays as it is.
  if (process_ && TerminateProcess(process_.Get(), 1)) WaitForSingleObject(process_.Get(), 5000);
}

std::optional<DWORD> ChildProcess::WaitForExit(DWORD timeoutMs) const {
  if (!process_ || WaitForSingleObject(process_.Get(), timeoutMs) != WAIT_OBJECT_0) return std::nullopt;
  DWORD code = 0;
  GetExitCodeProcess(process_.Get(), &code);
  return code;
}

}  // namespace quillet::tools
