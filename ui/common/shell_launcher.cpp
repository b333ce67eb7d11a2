#include "ui/common/shell_launcher.h"

#include "store/shell_functions.h"

namespace quillet {

ShellRequest OpenRestored(HWND owner, std::string file) {
  return {owner, "open", std::move(file), "", "", SW_RESTORE};
}

INT_PTR SystemShellLauncher::Open(const ShellRequest& request) {
  return reinterpret_cast<INT_PTR>(ShellExecuteNow(request.owner, request.verb.c_str(), request.file.c_str(),
                                                   request.parameters.c_str(), request.folder.c_str(), request.show));
}

}  // namespace quillet
