#include "tests/support/script_runner.h"

#include <shellapi.h>

#include "store/scoped_handles.h"

namespace quillet::testing {

bool RunScript(const std::string& programFolder, const std::string& script, const std::string& parameters) {
  const std::string path = programFolder + "\\" + script;
  SHELLEXECUTEINFOA info{};
  info.cbSize = sizeof info;
  info.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI;
  info.lpVerb = "open";
  info.lpFile = path.c_str();
  info.lpParameters = parameters.c_str();
  info.lpDirectory = programFolder.c_str();
  info.nShow = SW_SHOWNOACTIVATE;
  const ScopedProcess process(ShellExecuteExA(&info) ? info.hProcess : nullptr);
  return process && WaitForSingleObject(process.Get(), 30000) == WAIT_OBJECT_0;
}

}  // namespace quillet::testing
