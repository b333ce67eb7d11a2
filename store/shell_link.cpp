#include "store/shell_link.h"

#include <windows.h>
#include <shlobj.h>

#include <vector>

#include "store/com.h"
#include "store/scoped_handles.h"
#include "store/wide_text.h"

namespace quillet {

namespace {

constexpr LONG kShowCommandOffset = 0x3C;  // ShellLinkHeader.ShowCommand

int ShowCommandOf(const std::string& path) {
  const ScopedFile file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
  DWORD show = SW_SHOWNORMAL;
  DWORD read = 0;
  if (!file || SetFilePointer(file.Get(), kShowCommandOffset, nullptr, FILE_BEGIN) == INVALID_SET_FILE_POINTER ||
      !ReadFile(file.Get(), &show, sizeof show, &read, nullptr) || read != sizeof show) {
    return SW_SHOWNORMAL;
  }
  return static_cast<int>(show);
}

}  // namespace

std::optional<ShellLinkFields> ReadShellLink(const std::string& path) {
  const ComApartment com;
  ComPointer<IShellLinkA> link;
  ComPointer<IPersistFile> file;
  if (!CreateComObject(CLSID_ShellLink, IID_IShellLinkA, link) ||
      FAILED(link->QueryInterface(IID_IPersistFile, file.Out())) ||
      FAILED(file->Load(WideFromAnsi(path).c_str(), STGM_READ))) {
    return std::nullopt;
  }
  // Arguments may be longer than MAX_PATH; INFOTIPSIZE is the shell's own limit for them.
  const auto text = [](auto get) {
    std::vector<char> buffer(INFOTIPSIZE + 1, '\0');
    return SUCCEEDED(get(buffer.data(), static_cast<int>(buffer.size()))) ? std::string(buffer.data())
                                                                          : std::string();
  };
  ShellLinkFields fields;
  fields.target = text([&](char* buffer, int size) { return link->GetPath(buffer, size, nullptr, 0); });
  fields.arguments = text([&](char* buffer, int size) { return link->GetArguments(buffer, size); });
  fields.workingFolder = text([&](char* buffer, int size) { return link->GetWorkingDirectory(buffer, size); });
  fields.windowStyle = ShowCommandOf(path);
  return fields;
}

bool WriteShellLink(const std::string& path, const ShellLinkFields& fields) {
  const ComApartment com;
  ComPointer<IShellLinkA> link;
  ComPointer<IPersistFile> file;
  if (!CreateComObject(CLSID_ShellLink, IID_IShellLinkA, link) || FAILED(link->SetPath(fields.target.c_str())) ||
      FAILED(link->SetArguments(fields.arguments.c_str())) ||
      (!fields.workingFolder.empty() && FAILED(link->SetWorkingDirectory(fields.workingFolder.c_str()))) ||
      FAILED(link->SetShowCmd(fields.windowStyle)) || FAILED(link->QueryInterface(IID_IPersistFile, file.Out()))) {
    return false;
  }
  return SUCCEEDED(file->Save(WideFromAnsi(path).c_str(), TRUE));
}

}  // namespace quillet
