// bare_reader.exe <folder>: the yardstick for quillet.exe's start with many commands. It reads the
// first five lines of every <folder>\*.cfg, as the program's loader does, then shows a window
// titled "Quillet" and waits to be closed.

#include <windows.h>

#include <string>
#include <vector>

namespace {

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) PostQuitMessage(0);
  return DefWindowProcA(window, message, wParam, lParam);
}

std::vector<std::string> ReadFirstLines(const std::string& folder) {
  std::vector<std::string> starts;
  WIN32_FIND_DATAA found;
  const HANDLE search = FindFirstFileA((folder + "\\*.cfg").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return starts;
  do {
    const HANDLE file = CreateFileA((folder + "\\" + found.cFileName).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) continue;
    char chunk[4096];
    DWORD got = 0;
    if (ReadFile(file, chunk, sizeof chunk, &got, nullptr)) starts.emplace_back(chunk, got);
    CloseHandle(file);
  } while (FindNextFileA(search, &found));
  FindClose(search);
  return starts;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return 2;
  const std::vector<std::string> files = ReadFirstLines(argv[1]);
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = Procedure;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.lpszClassName = "BareReader";
  RegisterClassA(&windowClass);
  const HWND window = CreateWindowExA(0, "BareReader", "Quillet", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CW_USEDEFAULT,
                                      CW_USEDEFAULT, 723, 443, nullptr, nullptr, windowClass.hInstance, nullptr);
  if (!window || files.empty()) return 1;
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) DispatchMessageA(&message);
  return 0;
}
