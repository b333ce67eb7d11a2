// bench_startup.exe <runs> "<window title>" <program> [arguments...]
// Starts the program <runs> times and measures, each time, how long it takes from
// CreateProcess until a top-level window with that title belongs to it; then closes the
// window (OK, else WM_CLOSE) and waits for the program to end. Prints two lines:
//   median_ms=<m> min_ms=<n> runs=<r>
//   samples_ms=<t1> <t2> ...        (in the order measured)
// Exit code 1 if a run shows no such window or does not end.

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "store/scoped_handles.h"
#include "tools/child_process.h"

namespace {

constexpr ULONGLONG kWindowTimeoutMs = 30000;
constexpr DWORD kExitTimeoutMs = 10000;

struct WindowSearch {
  DWORD processId;
  const std::string& title;
  HWND found = nullptr;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM context) {
  auto& search = *reinterpret_cast<WindowSearch*>(context);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner != search.processId) return TRUE;
  char title[256];
  const int length = GetWindowTextA(window, title, static_cast<int>(sizeof title));
  if (std::string(title, static_cast<std::size_t>(std::max(length, 0))) != search.title) return TRUE;
  search.found = window;
  return FALSE;
}

HWND FindWindowOf(DWORD processId, const std::string& title) {
  WindowSearch search{processId, title};
  EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

double Milliseconds(LONGLONG ticks) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return 1000.0 * static_cast<double>(ticks) / static_cast<double>(frequency.QuadPart);
}

// One start: the time until the window is there and answers, in milliseconds, or a negative number on failure.
double TimeOneStart(const std::string& commandLine, const std::string& title) {
  std::string line = commandLine;
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION started{};
  LARGE_INTEGER begin;
  QueryPerformanceCounter(&begin);
  if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &started)) {
    std::fprintf(stderr, "bench_startup: cannot start %s (error %lu)\n", commandLine.c_str(),
                 static_cast<unsigned long>(GetLastError()));
    return -1;
  }
  const quillet::ScopedProcess process(started.hProcess);
  const quillet::ScopedProcess thread(started.hThread);

  HWND window = nullptr;
  LARGE_INTEGER end;
  const ULONGLONG deadline = GetTickCount64() + kWindowTimeoutMs;
  while ((window = FindWindowOf(started.dwProcessId, title)) == nullptr && GetTickCount64() < deadline) {
    if (WaitForSingleObject(process.Get(), 0) == WAIT_OBJECT_0) break;
    Sleep(1);
  }
  // Ready means answering: a window that is still filling its lists does not reply yet.
  DWORD_PTR ignored = 0;
  if (window) SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, kWindowTimeoutMs, &ignored);
  QueryPerformanceCounter(&end);
  if (window == nullptr) {
    std::fprintf(stderr, "bench_startup: no window \"%s\" from %s\n", title.c_str(), commandLine.c_str());
    TerminateProcess(process.Get(), 1);
    return -1;
  }

  if (GetDlgItem(window, IDOK) != nullptr) {
    PostMessageA(window, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
  } else {
    PostMessageA(window, WM_CLOSE, 0, 0);
  }
  if (WaitForSingleObject(process.Get(), kExitTimeoutMs) != WAIT_OBJECT_0) {
    std::fprintf(stderr, "bench_startup: %s did not end after its window was closed\n", commandLine.c_str());
    TerminateProcess(process.Get(), 1);
    return -1;
  }
  return Milliseconds(end.QuadPart - begin.QuadPart);
}

}  // namespace

int main(int argc, char** argv) {
  const int runs = argc >= 4 ? std::atoi(argv[1]) : 0;
  if (runs < 1) {
    std::fputs("usage: bench_startup.exe <runs> \"<window title>\" <program> [arguments...]\n", stderr);
    return 2;
  }
  const std::string title = argv[2];
  std::string commandLine = quillet::tools::QuoteArgument(argv[3]);
  for (int i = 4; i < argc; ++i) {
    commandLine += ' ';
    commandLine += quillet::tools::QuoteArgument(argv[i]);
  }

  std::vector<double> times;
  for (int run = 0; run < runs; ++run) {
    const double elapsed = TimeOneStart(commandLine, title);
    if (elapsed < 0) return 1;
    times.push_back(elapsed);
  }
  std::vector<double> sorted = times;
  std::sort(sorted.begin(), sorted.end());
  const std::size_t middle = sorted.size() / 2;
  const double median = sorted.size() % 2 != 0 ? sorted[middle] : (sorted[middle - 1] + sorted[middle]) / 2;
  std::printf("median_ms=%.3f min_ms=%.3f runs=%d\nsamples_ms=", median, sorted.front(), runs);
  for (double time : times) std::printf(" %.3f", time);
  std::printf("\n");
  return 0;
}
