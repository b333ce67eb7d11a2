// rundlg.exe: starts a line as typed into the Run dialog (Win+R), for tests under Wine, whose
// shell does not look a typed word up in App Paths the way Windows does.
//   rundlg.exe <typed line>
// The first word names App Paths\<word>.exe, the user's (HKCU) before the machine's (HKLM) as the
// shell looks; its default value is opened with the rest
// of the line (everything after the one blank that ends the word) as the parameters, and its
// "Path" value is put in front of PATH, as the Windows shell does.
// A shortcut (.lnk) is followed here rather than by Wine's shell, which starts a shortcut's target
// with a normal window whatever window style the shortcut holds; Windows uses that style.
// Exit code: 0 started, 2 no App Paths entry for the word, 3 the shell failed.

#include <windows.h>
#include <objbase.h>
#include <shellapi.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "store/store_paths.h"
#include "store/text.h"
#include "tests/tools/shortcut_reader.h"
#include "ui/main/start_arguments.h"

namespace {

// A text value (REG_EXPAND_SZ expanded); "" when missing.
std::string TextValue(HKEY root, const std::string& subkey, const char* valueName) {
  char value[4096] = {};
  DWORD size = sizeof value - 1;
  RegGetValueA(root, subkey.c_str(), valueName, RRF_RT_REG_SZ, nullptr, value, &size);
  return value;
}

// The user's entry of the word, else the machine's.
HKEY RootOf(const std::string& subkey) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, subkey.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return HKEY_LOCAL_MACHINE;
  RegCloseKey(key);
  return HKEY_CURRENT_USER;
}

}  // namespace

int main() {
  const std::string line = quillet::ArgumentTextOf(GetCommandLineA());  // without the blanks before it
  const std::size_t blank = line.find(' ');
  const std::string word = line.substr(0, blank);
  const std::string rest = blank == std::string::npos ? std::string() : line.substr(blank + 1);

  const std::string subkey =
      std::string(quillet::kAppPathsKey) + "\\" + word + (quillet::EndsWithIgnoringCase(word, ".exe") ? "" : ".exe");
  const HKEY root = RootOf(subkey);
  const std::string file = TextValue(root, subkey, nullptr), folder = TextValue(root, subkey, "Path");
  if (file.empty()) {
    std::fprintf(stderr, "rundlg: no App Paths entry for \"%s\"\n", word.c_str());
    return 2;
  }
  const char* path = std::getenv("PATH");
  if (!folder.empty()) SetEnvironmentVariableA("PATH", (folder + ";" + (path ? path : "")).c_str());

  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);  // the shell may need COM
  SHELLEXECUTEINFOA start{};
  start.cbSize = sizeof start;
  start.fMask = SEE_MASK_FLAG_NO_UI;
  start.lpVerb = "open";
  start.lpFile = file.c_str();
  start.lpParameters = rest.empty() ? nullptr : rest.c_str();
  start.nShow = SW_SHOWNORMAL;
  std::optional<quillet::testing::ShortcutFields> shortcut;
  std::string parameters;
  if (quillet::EndsWithIgnoringCase(file, ".lnk") && (shortcut = quillet::testing::ReadShortcut(file))) {
    parameters = shortcut->arguments + (rest.empty() || shortcut->arguments.empty() ? "" : " ") + rest;
    start.lpFile = shortcut->target.c_str();
    start.lpParameters = parameters.empty() ? nullptr : parameters.c_str();
    start.lpDirectory = shortcut->workingFolder.empty() ? nullptr : shortcut->workingFolder.c_str();
    start.nShow = shortcut->windowStyle;
  }
  if (!ShellExecuteExA(&start)) {
    std::fprintf(stderr, "rundlg: could not start \"%s\" (error %lu)\n", file.c_str(), GetLastError());
    return 3;
  }
  return 0;
}
