#include "store/target_path.h"

namespace quillet {

std::string GetFolderOfPath(const std::string& path) {
  const auto slash = path.rfind('\\');
  if (slash == std::string::npos) return {};
  std::string folder = path.substr(0, slash);
  if (!folder.empty() && folder.back() == ':') folder += '\\';
  return folder;
}

std::string ApplyFolderRule(const std::string& path) {
  if (path.find('.') != std::string::npos) return path;
  if (!path.empty() && path.back() == '\\') return path;
  return path + '\\';
}

namespace {
bool IsAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
}  // namespace

bool IsWebAddress(const std::string& target) {
  const auto colon = target.find(':');
  if (colon == std::string::npos || colon < 2 || !IsAsciiLetter(target[0])) return false;
  for (std::size_t i = 1; i < colon; ++i) {
    const char c = target[i];
    if (!IsAsciiLetter(c) && !(c >= '0' && c <= '9') && c != '+' && c != '-' && c != '.') return false;
  }
  return true;
}

bool IsDriveAbsolute(const std::string& target) {
  return target.size() >= 3 && IsAsciiLetter(target[0]) && target[1] == ':' && target[2] == '\\';
}

}  // namespace quillet
