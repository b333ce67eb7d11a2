#include "store/shortcut_request.h"

namespace quillet {

std::string ShortcutScriptParameters(const ShortcutRequest& request) {
  constexpr const char* kSeparator = " ; ";
  return request.lnk + kSeparator + request.target + kSeparator + request.folder + kSeparator +
         std::to_string(request.windowMode) + kSeparator + request.parameters;
}

}  // namespace quillet
