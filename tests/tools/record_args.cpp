// record_args.exe: a target program for commands in tests, and the browser when web addresses
// are handed to it. It writes what it was started with:
//   line 1: its argument text, exactly as WinMain's lpCmdLine would give it
//   line 2: its current directory
//   line 3: the show command it was given (STARTUPINFO's wShowWindow), or "-" when none
// to the file named by %QUILLET_RECORD_FILE%, or to record_args.out in its current directory.
// A GUI program, so that starting it shows no console.

#include <windows.h>

#include <cstdlib>
#include <string>

#include "store/scoped_handles.h"
#include "ui/main/start_arguments.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  char folder[MAX_PATH] = {};
  GetCurrentDirectoryA(MAX_PATH, folder);
  STARTUPINFOA startup{};
  GetStartupInfoA(&startup);
  const std::string show = (startup.dwFlags & STARTF_USESHOWWINDOW) ? std::to_string(startup.wShowWindow) : "-";
  const std::string record = quillet::ArgumentTextOf(GetCommandLineA()) + "\n" + folder + "\n" + show + "\n";
  const char* name = std::getenv("QUILLET_RECORD_FILE");
  const quillet::ScopedFile file(CreateFileA(name && *name ? name : "record_args.out", GENERIC_WRITE, 0, nullptr,
                                             CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  // One write, so that a reader never sees half a record.
  DWORD written = 0;
  const bool complete = file && WriteFile(file.Get(), record.data(), static_cast<DWORD>(record.size()), &written,
                                          nullptr) && written == record.size();
  return complete ? 0 : 1;
}
