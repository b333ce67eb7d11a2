#include "tools/icon_probe.h"

#include <string>

#include "store/scoped_handles.h"

namespace quillet::tools {

namespace {

struct HookTraits {
  static HHOOK Invalid() { return nullptr; }
  static void Close(HHOOK hook) { UnhookWindowsHookEx(hook); }
};
using ScopedHook = ScopedHandle<HHOOK, HookTraits>;

constexpr DWORD kAnswerTimeoutMs = 5000;

std::string FolderOfThisProgram() {
  char path[MAX_PATH];
  const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder(path, length);
  const auto slash = folder.find_last_of("\\/");
  return slash == std::string::npos ? std::string(".") : folder.substr(0, slash);
}

// Looked for beside the running program, then in the build's tools folder. Loaded once and
// never freed: the hook procedure's address must stay valid while hooks refer to it.
HMODULE ProbeModule() {
  static const HMODULE module = [] {
    HMODULE found = LoadLibraryA((FolderOfThisProgram() + "\\" + kIconProbeDll).c_str());
#ifdef QUILLET_BUILT_TOOLS_DIR
    if (found == nullptr) found = LoadLibraryA((std::string(QUILLET_BUILT_TOOLS_DIR) + "\\" + kIconProbeDll).c_str());
#endif
    return found;
  }();
  return module;
}

}  // namespace

std::optional<MessageIcon> ProbeIconInOwner(HWND iconStatic) {
  const HMODULE module = ProbeModule();
  if (module == nullptr) return std::nullopt;
  const auto hook = reinterpret_cast<HOOKPROC>(reinterpret_cast<void*>(GetProcAddress(module, kIconProbeHookName)));
  const DWORD thread = GetWindowThreadProcessId(iconStatic, nullptr);
  if (hook == nullptr || thread == 0) return std::nullopt;

  const ScopedHook installed(SetWindowsHookExA(WH_CALLWNDPROC, hook, module, thread));
  if (!installed) return std::nullopt;
  DWORD_PTR answer = 0;
  if (SendMessageTimeoutA(iconStatic, RegisterWindowMessageA(kIconProbeMessageName), 0, 0, SMTO_ABORTIFHUNG,
                          kAnswerTimeoutMs, &answer) == 0) {
    return std::nullopt;
  }
  const auto tagged = static_cast<LRESULT>(answer);
  const LRESULT kind = tagged & 0xFF;
  if ((tagged & ~LRESULT{0xFF}) != kIconProbeAnswerTag || kind > static_cast<LRESULT>(MessageIcon::Other)) {
    return std::nullopt;
  }
  return static_cast<MessageIcon>(kind);
}

}  // namespace quillet::tools
