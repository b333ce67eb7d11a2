// rundlg.exe: starts a line as typed into the Run dialog (Win+R), for tests under Wine, whose
// shell does not look a typed word up in App Paths the way Windows does.
//   rundlg.exe "<typed line>" [--wait]
// The first word names HKLM\...\App Paths\<word>.exe; its default value is opened with the
// rest of the line (everything after the one blank that ends the word) as the parameters,
// and its "Path" value is put in front of PATH, as the Windows shell does.
// A shortcut (.lnk) is followed here rather than by Wine's shell, which starts a shortcut's
// target with a normal window whatever window style the shortcut holds; Windows uses that style.
// Target, arguments, start-in folder and style come from the shortcut itself.
// Exit code: 0 started (with --wait: the started program's exit code, if the shell handed
// back its process), 1 wrong usage, 2 no App Paths entry for the word, 3 the shell failed.

#include <windows.h>
#include <objbase.h>
#include <shellapi.h>

#include <algorithm>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "store/scoped_handles.h"
#include "store/store_paths.h"
#include "tests/tools/shortcut_reader.h"

namespace {

constexpr int kUsageError = 1;
constexpr int kNoEntry = 2;
constexpr int kNotStarted = 3;

struct LocalMemoryTraits {
  static LPWSTR* Invalid() { return nullptr; }
  static void Close(LPWSTR* memory) { LocalFree(memory); }
};

// Parsed by the system's rules rather than the C runtime's, so that the typed line arrives
// exactly as the caller quoted it.
std::vector<std::string> Arguments() {
  int count = 0;
  const quillet::ScopedHandle<LPWSTR*, LocalMemoryTraits> wide(CommandLineToArgvW(GetCommandLineW(), &count));
  std::vector<std::string> arguments;
  for (int i = 0; wide && i < count; ++i) {
    const LPWSTR argument = wide.Get()[i];
    const int size = WideCharToMultiByte(CP_ACP, 0, argument, -1, nullptr, 0, nullptr, nullptr);
    std::string narrow(static_cast<std::size_t>(size > 0 ? size : 1), '\0');
    WideCharToMultiByte(CP_ACP, 0, argument, -1, narrow.data(), size, nullptr, nullptr);
    narrow.resize(narrow.size() - 1);
    arguments.push_back(std::move(narrow));
  }
  return arguments;
}

// A text value, with REG_EXPAND_SZ expanded; nullopt if the key or value does not exist.
std::optional<std::string> TextValue(const std::string& subkey, const char* valueName) {
  DWORD size = 0;
  // RRF_RT_REG_SZ also takes REG_EXPAND_SZ and expands it (asking for RRF_RT_REG_EXPAND_SZ
  // would need RRF_NOEXPAND).
  constexpr DWORD kTypes = RRF_RT_REG_SZ;
  LSTATUS status = RegGetValueA(HKEY_LOCAL_MACHINE, subkey.c_str(), valueName, kTypes, nullptr, nullptr, &size);
  std::string value;
  // Expanding may need more room than the size first reported.
  while (status == ERROR_SUCCESS || status == ERROR_MORE_DATA) {
    value.resize(size);
    status = RegGetValueA(HKEY_LOCAL_MACHINE, subkey.c_str(), valueName, kTypes, nullptr, value.data(), &size);
    if (status == ERROR_SUCCESS) {
      value.resize(value.find('\0') == std::string::npos ? value.size() : value.find('\0'));
      return value;
    }
  }
  return std::nullopt;
}

bool EndsWith(const std::string& word, const char* ending) {
  const std::size_t length = std::char_traits<char>::length(ending);
  return word.size() >= length && lstrcmpiA(word.c_str() + word.size() - length, ending) == 0;
}

void PrependToPath(const std::string& folder) {
  const DWORD size = GetEnvironmentVariableA("PATH", nullptr, 0);
  std::string path(size, '\0');
  path.resize(GetEnvironmentVariableA("PATH", path.data(), size));
  SetEnvironmentVariableA("PATH", (folder + ";" + path).c_str());
}

// The shell may create COM objects, for example to follow a shortcut.
class ComApartment {
 public:
  ComApartment() : initialized_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE))) {}
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;
  ~ComApartment() {
    if (initialized_) CoUninitialize();
  }

 private:
  bool initialized_;
};

}  // namespace

int main() {
  const std::vector<std::string> arguments = Arguments();
  const bool wait = arguments.size() == 3 && arguments[2] == "--wait";
  if (arguments.size() != 2 && !wait) {
    std::fputs("usage: rundlg.exe \"<typed line>\" [--wait]\n", stderr);
    return kUsageError;
  }

  // Leading blanks cannot belong to the word, so they are skipped.
  const std::string& typed = arguments[1];
  const std::string line = typed.substr(std::min(typed.find_first_not_of(' '), typed.size()));
  const auto blank = line.find(' ');
  const std::string word = line.substr(0, blank);
  const std::string rest = blank == std::string::npos ? std::string() : line.substr(blank + 1);

  const std::string subkey = std::string(quillet::kAppPathsKey) + "\\" + word + (EndsWith(word, ".exe") ? "" : ".exe");
  const std::optional<std::string> file = TextValue(subkey, nullptr);
  if (!file || file->empty()) {
    std::fprintf(stderr, "rundlg: no App Paths entry for \"%s\"\n", word.c_str());
    return kNoEntry;
  }
  if (const auto folder = TextValue(subkey, "Path"); folder && !folder->empty()) PrependToPath(*folder);

  const ComApartment com;
  SHELLEXECUTEINFOA start{};
  start.cbSize = sizeof start;
  start.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI;
  start.lpVerb = "open";
  start.lpFile = file->c_str();
  start.lpParameters = rest.empty() ? nullptr : rest.c_str();
  start.nShow = SW_SHOWNORMAL;
  std::optional<quillet::testing::ShortcutFields> shortcut;
  std::string parameters;
  if (EndsWith(*file, ".lnk") && (shortcut = quillet::testing::ReadShortcut(*file))) {
    parameters = shortcut->arguments + (rest.empty() || shortcut->arguments.empty() ? "" : " ") + rest;
    start.lpFile = shortcut->target.c_str();
    start.lpParameters = parameters.empty() ? nullptr : parameters.c_str();
    start.lpDirectory = shortcut->workingFolder.empty() ? nullptr : shortcut->workingFolder.c_str();
    start.nShow = shortcut->windowStyle;
  }
  if (!ShellExecuteExA(&start)) {
    std::fprintf(stderr, "rundlg: could not start \"%s\" (error %lu)\n", file->c_str(),
                 static_cast<unsigned long>(GetLastError()));
    return kNotStarted;
  }
  const quillet::ScopedProcess process(start.hProcess);
  if (!wait || !process) return 0;
  WaitForSingleObject(process.Get(), INFINITE);
  DWORD exitCode = 0;
  GetExitCodeProcess(process.Get(), &exitCode);
  return static_cast<int>(exitCode);
}
