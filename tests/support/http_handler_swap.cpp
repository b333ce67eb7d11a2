#include "tests/support/http_handler_swap.h"

#include <windows.h>

#include "tests/support/registry_sandbox.h"

namespace quillet::testing {

namespace {
// Wine reads URL handlers from HKEY_CLASSES_ROOT only, not from the user's own classes.
constexpr const char* kKey = "http\\shell\\open\\command";
}  // namespace

HttpHandlerSwap::HttpHandlerSwap() {
  if (KeyExists(HKEY_CLASSES_ROOT, kKey)) previous_ = RegistryText(HKEY_CLASSES_ROOT, kKey);
  // %1 bare: the recorder's whole argument text is then exactly the address.
  SetRegistryText(HKEY_CLASSES_ROOT, kKey, nullptr, "\"" + std::string(QUILLET_BUILT_TOOLS_DIR) + "\\url_recorder.exe\" %1");
}

HttpHandlerSwap::~HttpHandlerSwap() {
  if (previous_) {
    SetRegistryText(HKEY_CLASSES_ROOT, kKey, nullptr, *previous_);
  } else {
    RegDeleteKeyValueA(HKEY_CLASSES_ROOT, kKey, nullptr);
  }
}

}  // namespace quillet::testing
