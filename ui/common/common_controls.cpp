#include "ui/common/common_controls.h"

#include <windows.h>
#include <commctrl.h>

#include "store/shell_functions.h"

namespace quillet {

void InitializeCommonControls() {
  using InitFunction = BOOL WINAPI(const INITCOMMONCONTROLSEX*);
  const auto init = reinterpret_cast<InitFunction*>(
      reinterpret_cast<void*>(SystemFunction("comctl32.dll", "InitCommonControlsEx")));
  if (!init) return;
  const INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
  init(&controls);
}

}  // namespace quillet
