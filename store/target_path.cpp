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

}  // namespace quillet
