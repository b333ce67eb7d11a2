#pragma once
// The shell32 functions the program uses, bound on first use (ExtractIconExA through
// SystemFunction, where the icons are made).
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

}  // namespace quillet
