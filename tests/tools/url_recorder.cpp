// Stands in for the browser in tests: registered as the handler of web addresses, it writes the
// text it was started with, its own name left out, to the file named by QUILLET_URL_RECORDER_OUT.

#include <windows.h>

#include <fstream>
#include <string>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  char outputPath[MAX_PATH];
  const DWORD length = GetEnvironmentVariableA("QUILLET_URL_RECORDER_OUT", outputPath, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return 1;

  const std::string commandLine = GetCommandLineA();
  std::size_t tail = 0;
  if (commandLine.starts_with('"')) {
    tail = commandLine.find('"', 1);
    tail = tail == std::string::npos ? commandLine.size() : tail + 1;
  } else {
    tail = commandLine.find(' ');
    if (tail == std::string::npos) tail = commandLine.size();
  }
  tail = commandLine.find_first_not_of(' ', tail);

  // Written under another name first, so a reader never sees half of it.
  const std::string partial = std::string(outputPath) + ".partial";
  {
    std::ofstream out(partial, std::ios::binary | std::ios::trunc);
    if (tail != std::string::npos) out << commandLine.substr(tail);
  }
  return MoveFileExA(partial.c_str(), outputPath, MOVEFILE_REPLACE_EXISTING) ? 0 : 1;
}
