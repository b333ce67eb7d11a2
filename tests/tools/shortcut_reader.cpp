#include "tests/tools/shortcut_reader.h"

#include <windows.h>

#include <fstream>
#include <iterator>
#include <regex>

#include "store/wide_text.h"

namespace quillet::testing {

namespace {

// The Linux path of a Windows path, from Wine's own kernel32 export; nothing for a path that
// would need quoting in a shell command.
std::optional<std::string> UnixPathOf(const std::string& path) {
  using Converter = char*(CDECL*)(const WCHAR*);
  const auto convert = reinterpret_cast<Converter>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
  char* unixPath = convert ? convert(WideFromAnsi(path).c_str()) : nullptr;
  if (!unixPath) return std::nullopt;
  const std::string result = unixPath;
  HeapFree(GetProcessHeap(), 0, unixPath);
  return result.find_first_of("'\"") == std::string::npos ? std::optional(result) : std::nullopt;
}

// What lnkinfo printed about the file. Under Wine a Linux process cannot be waited for, so the
// shell that runs it renames the output once lnkinfo has succeeded, and the name is waited for.
std::optional<std::string> LnkinfoOutput(const std::string& lnk) {
  char folder[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, folder);
  const std::string output = folder + std::string("lnkinfo-") + std::to_string(GetCurrentProcessId()) + ".txt";
  const auto unixLnk = UnixPathOf(lnk);
  const auto unixOutput = UnixPathOf(output);
  if (!unixLnk || !unixOutput) return std::nullopt;
  const std::string command = "/bin/sh -c \"/usr/bin/lnkinfo '" + *unixLnk + "' > '" + *unixOutput + ".part' && mv '" +
                              *unixOutput + ".part' '" + *unixOutput + "'\"";
  if (WinExec(command.c_str(), SW_HIDE) <= 31) return std::nullopt;  // started and left to itself
  for (int wait = 0; wait < 750 && GetFileAttributesA(output.c_str()) == INVALID_FILE_ATTRIBUTES; ++wait) Sleep(20);
  const std::string text{std::istreambuf_iterator<char>(std::ifstream(output, std::ios::binary).rdbuf()), {}};
  DeleteFileA(output.c_str());
  return text.empty() ? std::nullopt : std::optional(text);
}

// Target ("Local path", which a shortcut to an absolute path has), arguments and working folder
// as lnkinfo prints them; the window style is -1, as lnkinfo's "Show Window value" is always 0.
std::optional<ShortcutFields> ReadShortcutWithLnkinfo(const std::string& path) {
  const std::optional<std::string> output = LnkinfoOutput(path);
  if (!output) return std::nullopt;
  // lnkinfo prints "<tabs>Label<tabs>: value"; "" when the label is absent.
  const auto value = [&](const std::string& label) {
    std::smatch match;
    return std::regex_search(*output, match, std::regex("(^|\n)\t*" + label + "\t*: ?([^\n]*)")) ? match[2].str() : "";
  };
  return ShortcutFields{value("Local path"), value("Command line arguments"), value("Working directory"), -1};
}

}  // namespace

std::optional<ShortcutFields> ReadShortcutTwice(const std::string& path) {
  const std::optional<ShortcutFields> shell = ReadShortcut(path);
  std::optional<ShortcutFields> lnkinfo = ReadShortcutWithLnkinfo(path);
  if (!shell || !lnkinfo) return std::nullopt;
  lnkinfo->windowStyle = shell->windowStyle;  // lnkinfo cannot read it
  return *lnkinfo == *shell ? shell : std::nullopt;
}

}  // namespace quillet::testing
