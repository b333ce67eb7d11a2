#include "tests/tools/shortcut_reader.h"

#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include <fstream>
#include <sstream>

#include "store/shell_link.h"

namespace quillet::testing {

namespace {

std::wstring Wide(const std::string& text) {
  std::wstring wide(text.size() + 1, L'\0');
  wide.resize(static_cast<std::size_t>(MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide.data(),
                                                           static_cast<int>(wide.size()))) - 1);
  return wide;
}

// The Linux path of a Windows path, from Wine's own kernel32 export.
std::optional<std::string> UnixPathOf(const std::string& path) {
  using Converter = char*(CDECL*)(const WCHAR*);
  const auto convert = reinterpret_cast<Converter>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
  char* unixPath = convert ? convert(Wide(path).c_str()) : nullptr;
  if (!unixPath || std::string(unixPath).find_first_of("'\"") != std::string::npos) return std::nullopt;
  std::string result = unixPath;
  HeapFree(GetProcessHeap(), 0, unixPath);
  return result;
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
  std::string command = "/bin/sh -c \"/usr/bin/lnkinfo '" + *unixLnk + "' > '" + *unixOutput + ".part' && mv '" +
                        *unixOutput + ".part' '" + *unixOutput + "'\"";
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
    return std::nullopt;
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  for (int wait = 0; wait < 750 && GetFileAttributesA(output.c_str()) == INVALID_FILE_ATTRIBUTES; ++wait) Sleep(20);
  std::ostringstream text;
  text << std::ifstream(output, std::ios::binary).rdbuf();
  DeleteFileA(output.c_str());
  return text.str().empty() ? std::nullopt : std::optional<std::string>(text.str());
}

// lnkinfo prints "<tabs>Label<tabs>: value"; "" when the label is absent.
std::string LnkinfoValue(const std::string& output, const std::string& label) {
  std::istringstream lines(output);
  for (std::string line; std::getline(lines, line);) {
    const std::size_t start = line.find_first_not_of('\t');
    if (start == std::string::npos || line.compare(start, label.size(), label) != 0) continue;
    const std::size_t colon = line.find_first_not_of('\t', start + label.size());
    if (colon != std::string::npos && line[colon] == ':') return line.substr(std::min(colon + 2, line.size()));
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
  IPersistFile* file = nullptr;
  if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                 reinterpret_cast<void**>(&link)))) {
    link->SetPath(fields.target.c_str());
    link->SetArguments(fields.arguments.c_str());
    link->SetWorkingDirectory(fields.workingFolder.c_str());
    link->SetShowCmd(fields.windowStyle);
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
  const std::optional<std::string> output = LnkinfoOutput(path);
  if (!output) return std::nullopt;
  return ShortcutFields{LnkinfoValue(*output, "Local path"), LnkinfoValue(*output, "Command line arguments"),
                        LnkinfoValue(*output, "Working directory"), kWindowStyleUnknown};
}

}  // namespace quillet::testing
