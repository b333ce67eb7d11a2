#include "tests/scripts/shortcut_reader.h"

#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include <fstream>
#include <sstream>
#include <vector>

namespace quillet::testing {

namespace {

constexpr std::streamoff kShowCommandOffset = 0x3C;  // ShellLinkHeader.ShowCommand
constexpr DWORD kLnkinfoTimeoutMs = 15000;
constexpr const char* kEndMark = "quillet-lnkinfo-exit-";

std::wstring Wide(const std::string& text) {
  const int length = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
  std::wstring wide(length, L'\0');
  MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide.data(), length);
  wide.resize(length - 1);
  return wide;
}

int ShowCommandOf(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  in.seekg(kShowCommandOffset);
  unsigned char bytes[4];
  if (!in.read(reinterpret_cast<char*>(bytes), sizeof bytes)) return kWindowStyleUnknown;
  return static_cast<int>(bytes[0] | bytes[1] << 8 | bytes[2] << 16 | static_cast<unsigned>(bytes[3]) << 24);
}

template <typename Interface>
struct Releaser {
  Interface* pointer = nullptr;
  ~Releaser() {
    if (pointer) pointer->Release();
  }
};

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
  const HRESULT initialized = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  std::optional<ShortcutFields> result;
  {
    Releaser<IShellLinkA> link;
    Releaser<IPersistFile> file;
    if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                   reinterpret_cast<void**>(&link.pointer))) &&
        SUCCEEDED(link.pointer->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file.pointer))) &&
        SUCCEEDED(file.pointer->Load(Wide(path).c_str(), STGM_READ))) {
      IShellLinkA* shellLink = link.pointer;
      // Arguments may be longer than MAX_PATH; INFOTIPSIZE is the shell's own limit for them.
      const auto text = [](auto get) {
        std::vector<char> buffer(INFOTIPSIZE + 1, '\0');
        return SUCCEEDED(get(buffer.data(), static_cast<int>(buffer.size()))) ? std::string(buffer.data())
                                                                              : std::string();
      };
      ShortcutFields fields;
      fields.target = text([&](char* buffer, int size) {
        return shellLink->GetPath(buffer, size, nullptr, SLGP_RAWPATH);
      });
      fields.arguments = text([&](char* buffer, int size) { return shellLink->GetArguments(buffer, size); });
      fields.workingFolder =
          text([&](char* buffer, int size) { return shellLink->GetWorkingDirectory(buffer, size); });
      fields.windowStyle = ShowCommandOf(path);
      result = fields;
    }
  }
  if (SUCCEEDED(initialized)) CoUninitialize();
  return result;
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
