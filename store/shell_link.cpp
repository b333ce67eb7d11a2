#include "store/shell_link.h"

#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include <vector>

#include "store/scoped_handles.h"
#include "store/shell_functions.h"
#include "store/wide_text.h"

namespace quillet {

namespace {

constexpr LONG kShowCommandOffset = 0x3C;  // ShellLinkHeader.ShowCommand

int ShowCommandOf(const std::string& path) {
  const ScopedFile file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
  DWORD show = 1;
  DWORD read = 0;
  if (!file || SetFilePointer(file.Get(), kShowCommandOffset, nullptr, FILE_BEGIN) == INVALID_SET_FILE_POINTER ||
      !ReadFile(file.Get(), &show, sizeof show, &read, nullptr) || read != sizeof show) {
    return 1;
  }
  return static_cast<int>(show);
}

template <typename Interface>
struct ComPointer {
  Interface* pointer = nullptr;
  ComPointer() = default;
  ComPointer(const ComPointer&) = delete;
  ComPointer& operator=(const ComPointer&) = delete;
  ~ComPointer() {
    if (pointer) pointer->Release();
  }
};

// COM for this thread while a shortcut is read; ole32 is bound only when the first one is.
class ComApartment {
 public:
  ComApartment() {
    const auto initialize = SystemFunction<decltype(CoInitializeEx)>("ole32.dll", "CoInitializeEx");
    initialized_ = initialize && SUCCEEDED(initialize(nullptr, COINIT_APARTMENTTHREADED));
  }
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;
  ~ComApartment() {
    const auto uninitialize = SystemFunction<decltype(CoUninitialize)>("ole32.dll", "CoUninitialize");
    if (initialized_ && uninitialize) uninitialize();
  }

 private:
  bool initialized_ = false;
};

}  // namespace

std::optional<ShellLinkFields> ReadShellLink(const std::string& path) {
  const ComApartment com;
  const auto create = SystemFunction<decltype(CoCreateInstance)>("ole32.dll", "CoCreateInstance");
  ComPointer<IShellLinkA> link;
  ComPointer<IPersistFile> file;
  if (!create ||
      FAILED(create(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                    reinterpret_cast<void**>(&link.pointer))) ||
      FAILED(link.pointer->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file.pointer))) ||
      FAILED(file.pointer->Load(WideFromAnsi(path).c_str(), STGM_READ))) {
    return std::nullopt;
  }
  // Arguments may be longer than MAX_PATH; INFOTIPSIZE is the shell's own limit for them.
  const auto text = [](auto get) {
    std::vector<char> buffer(INFOTIPSIZE + 1, '\0');
    return SUCCEEDED(get(buffer.data(), static_cast<int>(buffer.size()))) ? std::string(buffer.data())
                                                                          : std::string();
  };
  IShellLinkA* shellLink = link.pointer;
  ShellLinkFields fields;
  fields.target = text([&](char* buffer, int size) { return shellLink->GetPath(buffer, size, nullptr, 0); });
  fields.arguments = text([&](char* buffer, int size) { return shellLink->GetArguments(buffer, size); });
  fields.workingFolder = text([&](char* buffer, int size) { return shellLink->GetWorkingDirectory(buffer, size); });
  fields.windowStyle = ShowCommandOf(path);
  return fields;
}

}  // namespace quillet
