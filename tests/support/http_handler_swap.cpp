#include "tests/support/http_handler_swap.h"

#include <windows.h>

namespace quillet::testing {

namespace {

// Wine reads URL handlers from HKEY_CLASSES_ROOT only, not from the user's own classes.
constexpr const char* kKey = "http\\shell\\open\\command";

void SetCommand(const std::string& command) {
  RegSetKeyValueA(HKEY_CLASSES_ROOT, kKey, nullptr, REG_SZ, command.c_str(), static_cast<DWORD>(command.size() + 1));
}

}  // namespace

HttpHandlerSwap::HttpHandlerSwap() {
  char command[2048];
  DWORD size = sizeof command;
  if (RegGetValueA(HKEY_CLASSES_ROOT, kKey, nullptr, RRF_RT_REG_SZ, nullptr, command, &size) == ERROR_SUCCESS) {
    previous_ = command;
  }
  // %1 bare: the recorder's whole argument text is then exactly the address.
  SetCommand("\"" + std::string(QUILLET_BUILT_TOOLS_DIR) + "\\url_recorder.exe\" %1");
}

HttpHandlerSwap::~HttpHandlerSwap() {
  if (previous_) {
    SetCommand(*previous_);
  } else {
    RegDeleteKeyValueA(HKEY_CLASSES_ROOT, kKey, nullptr);
  }
}

}  // namespace quillet::testing
