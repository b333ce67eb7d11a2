#include "store/shell_functions.h"

namespace quillet {

FARPROC SystemFunction(const char* dll, const char* function) {
  HMODULE module = GetModuleHandleA(dll);
  if (!module) module = LoadLibraryExA(dll, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
  return module ? GetProcAddress(module, function) : nullptr;
}

HINSTANCE ShellExecuteNow(HWND owner, const char* verb, const char* file, const char* parameters,
                          const char* folder, int show) {
  static const auto function = SystemFunction<decltype(ShellExecuteA)>("shell32.dll", "ShellExecuteA");
  // Without shell32 nothing can be started: answer as the shell does for a missing file.
  if (!function) return reinterpret_cast<HINSTANCE>(static_cast<INT_PTR>(SE_ERR_FNF));
  return function(owner, verb, file, parameters, folder, show);
}

BOOL ShellExecuteExNow(SHELLEXECUTEINFOA* info) {
  static const auto function = SystemFunction<decltype(ShellExecuteExA)>("shell32.dll", "ShellExecuteExA");
  return function ? function(info) : FALSE;
}

}  // namespace quillet
