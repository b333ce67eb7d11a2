#pragma once
// System functions that most runs never need, bound on first use: shell32's, and those of
// comdlg32, hhctrl and ole32 (through SystemFunction, where they are used).
//
// Importing shell32 costs every start about 10 ms under Wine, and the verbs "remove" and "?"
// never need it: they only show one message. Binding on first use keeps a verb run about as fast
// as a bare program that shows one message box. (comctl32 is loaded for the manifest's common
// controls anyway, so importing it costs nothing more.)

#include <windows.h>
#include <shellapi.h>

namespace quillet {

HINSTANCE ShellExecuteNow(HWND owner, const char* verb, const char* file, const char* parameters,
                          const char* folder, int show);
BOOL ShellExecuteExNow(SHELLEXECUTEINFOA* info);

// Looks a function up in a system DLL, loading it on first use; nullptr when either is missing.
FARPROC SystemFunction(const char* dll, const char* function);

// The same, typed: SystemFunction<decltype(ShellExecuteA)>("shell32.dll", "ShellExecuteA").
// (GetProcAddress hands out FARPROC; the cast through void* is how both compilers accept it.)
template <typename Function>
Function* SystemFunction(const char* dll, const char* name) {
  return reinterpret_cast<Function*>(reinterpret_cast<void*>(SystemFunction(dll, name)));
}

}  // namespace quillet
