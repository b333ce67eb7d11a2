#include "tests/tools/shortcut_reader.h"

#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include <fstream>
#include <sstream>
#include <vector>

#include "store/shell_link.h"

namespace quillet::testing {

namespace {

constexpr DWORD kLnkinfoTimeoutMs = 15000;
constexpr const char* kEndMark = "quillet-lnkinfo-exit-";

std::wstring Wide(const std::string& text) {
  const int length = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
  std::wstring wide(length, L'\0');
  MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide.data(), length);
  wide.resize(length - 1);
  return wide;
}

// The Linux path of a Windows path, from Wine's own kernel32 export.
std::optional<std::string> UnixPathOf(const std::string& path) {
  using Converter = char*(CDECL*)(const WCHAR*);
  const auto convert = reinterpret_cast<Converter>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
  if (!convert) return std::nullopt;
  char* unixPath = convert(Wide(path).c_str());
  if (!unixPath) return std::nullopt;
  std::string result = unixPath;
  HeapFree(GetProcessHeap(), 0, unixPath);
  return result;
}

// Runs lnkinfo on a Linux path and returns what it printed. Under Wine the handle of a Linux
// process cannot be waited for, so a shell runs it and then prints an end mark with its exit code.
std::optional<std::string> LnkinfoOutput(const std::string& unixPath) {
  if (unixPath.find_first_of("'\"") != std::string::npos) return std::nullopt;
  char tempFolder[MAX_PATH];
  char outputPath[MAX_PATH];
  GetTempPathA(MAX_PATH, tempFolder);
  if (!GetTempFileNameA(tempFolder, "lnk", 0, outputPath)) return std::nullopt;

  SECURITY_ATTRIBUTES inheritable{sizeof inheritable, nullptr, TRUE};
  const HANDLE output = CreateFileA(outputPath, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                    &inheritable, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (output == INVALID_HANDLE_VALUE) return std::nullopt;

  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  startup.hStdOutput = output;
  startup.hStdError = output;
  PROCESS_INFORMATION process{};
  std::string commandLine = "/bin/sh -c \"/usr/bin/lnkinfo '" + unixPath + "'; echo " + kEndMark + "$?\"";
  const bool started = CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr,
                                      nullptr, &startup, &process);
  CloseHandle(output);
  if (started) {
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
  }

  std::optional<std::string> result;
  const ULONGLONG deadline = GetTickCount64() + kLnkinfoTimeoutMs;
  while (started && GetTickCount64() < deadline) {
    std::ifstream in(outputPath, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    const std::string printed = text.str();
    const std::size_t mark = printed.rfind(kEndMark);
    if (mark != std::string::npos && printed.find('\n', mark) != std::string::npos) {
      if (printed.compare(mark, std::string::npos, std::string(kEndMark) + "0\n") == 0) {
        result = printed.substr(0, mark);
      }
      break;
    }
    Sleep(20);
  }
  DeleteFileA(outputPath);
  return result;
}

// lnkinfo prints "<tabs>Label<tabs>: value"; "" when the label is absent.
std::string LnkinfoValue(const std::string& output, const std::string& label) {
  std::istringstream lines(output);
  std::string line;
  while (std::getline(lines, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const std::size_t start = line.find_first_not_of('\t');
    if (start == std::string::npos || line.compare(start, label.size(), label) != 0) continue;
    const std::size_t colon = line.find(':', start + label.size());
    if (colon == std::string::npos || line.find_first_not_of('\t', start + label.size()) != colon) continue;
    return colon + 2 <= line.size() ? line.substr(colon + 2) : std::string();
  }
  return {};
}

}  // namespace

void PrintTo(const ShortcutFields& fields, std::ostream* out) {
  *out << "{target \"" << fields.target << "\", arguments \"" << fields.arguments << "\", working folder \""
       << fields.workingFolder << "\", window style " << fields.windowStyle << "}";
}

std::optional<ShortcutFields> ReadShortcut(const std::string& path) {
  const std::optional<ShellLinkFields> link = ReadShellLink(path);
  if (!link) return std::nullopt;
  return ShortcutFields{link->target, link->arguments, link->workingFolder, link->windowStyle};
}

bool WriteShortcut(const std::string& path, const ShortcutFields& fields) {
  const HRESULT initialized = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  bool saved = false;
  IShellLinkA* link = nullptr;
  if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                 reinterpret_cast<void**>(&link)))) {
    link->SetPath(fields.target.c_str());
    link->SetArguments(fields.arguments.c_str());
    link->SetWorkingDirectory(fields.workingFolder.c_str());
    link->SetShowCmd(fields.windowStyle);
    IPersistFile* file = nullptr;
    if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
      saved = SUCCEEDED(file->Save(Wide(path).c_str(), TRUE));
      file->Release();
    }
    link->Release();
  }
  if (SUCCEEDED(initialized)) CoUninitialize();
  return saved;
}

std::optional<ShortcutFields> ReadShortcutWithLnkinfo(const std::string& path) {
  const std::optional<std::string> unixPath = UnixPathOf(path);
  if (!unixPath) return std::nullopt;
  const std::optional<std::string> output = LnkinfoOutput(*unixPath);
  if (!output) return std::nullopt;
  ShortcutFields fields;
  fields.target = LnkinfoValue(*output, "Local path");
  fields.arguments = LnkinfoValue(*output, "Command line arguments");
  fields.workingFolder = LnkinfoValue(*output, "Working directory");
  return fields;
}

}  // namespace quillet::testing
