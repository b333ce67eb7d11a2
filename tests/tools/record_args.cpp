// record_args.exe: a target program for commands in tests. It writes what it was started with:
//   line 1: its argument text, exactly as WinMain's lpCmdLine would give it
//   line 2: its current directory
//   line 3: the show command it was given (STARTUPINFO's wShowWindow), or "-" when none
// to the file named by %QUILLET_RECORD_FILE%, or to record_args.out in its current directory.
// A GUI program, so that starting it shows no console.

#include <windows.h>

#include <string>

#include "store/scoped_handles.h"
#include "ui/main/start_arguments.h"

namespace {

std::string CurrentDirectory() {
  std::string folder(GetCurrentDirectoryA(0, nullptr), '\0');
  folder.resize(GetCurrentDirectoryA(static_cast<DWORD>(folder.size()), folder.data()));
  return folder;
}

std::string RecordFile() {
  const DWORD size = GetEnvironmentVariableA("QUILLET_RECORD_FILE", nullptr, 0);
  if (size <= 1) return "record_args.out";
  std::string name(size, '\0');
  name.resize(GetEnvironmentVariableA("QUILLET_RECORD_FILE", name.data(), size));
  return name;
}

std::string ShowCommand() {
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  GetStartupInfoA(&startup);
  return (startup.dwFlags & STARTF_USESHOWWINDOW) ? std::to_string(startup.wShowWindow) : "-";
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  const std::string record = quillet::ArgumentTextOf(GetCommandLineA()) + "\r\n" + CurrentDirectory() + "\r\n" +
                             ShowCommand() + "\r\n";
  const quillet::ScopedFile file(
      CreateFileA(RecordFile().c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return 1;
  // One write, so that a reader never sees half a record.
  DWORD written = 0;
  const bool complete = WriteFile(file.Get(), record.data(), static_cast<DWORD>(record.size()), &written, nullptr) &&
                        written == record.size();
  return complete ? 0 : 1;
}
