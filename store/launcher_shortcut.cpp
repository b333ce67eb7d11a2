#include "store/launcher_shortcut.h"

#include "store/command_writer.h"
#include "store/scoped_handles.h"
#include "store/shell_functions.h"

namespace quillet {

void ShowFileProperties(const StoreContext& store, const std::string& path) {
  const int attempts = store.writer.UsesScripts() ? 6 : 1;
  for (int attempt = 0; attempt < attempts; ++attempt) {
    SHELLEXECUTEINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = SEE_MASK_INVOKEIDLIST | SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI;
    info.hwnd = store.owner;
    info.lpVerb = "properties";
    info.lpFile = path.c_str();
    info.lpParameters = "";
    info.lpDirectory = "";
    info.nShow = SW_HIDE;
    const bool opened = ShellExecuteExNow(&info) && reinterpret_cast<INT_PTR>(info.hInstApp) > 32;  // up to 32: an error
    const ScopedProcess sheet(info.hProcess);
    if (opened || attempts == 1) return;
    Sleep(500);
  }
}

}  // namespace quillet
