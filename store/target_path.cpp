#include "store/target_path.h"

#include "store/text.h"

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

bool IsUncPath(const std::string& path) { return path.size() > 2 && path[0] == '\\' && path[1] == '\\'; }

bool IsInsideFolder(const std::string& path, const std::string& folder) {
  std::string base = folder;
  while (!base.empty() && base.back() == '\\') base.pop_back();
  if (base.empty() || path.size() < base.size() || !SameNameIgnoringCase(path.substr(0, base.size()), base)) {
    return false;
  }
  return path.size() == base.size() || path[base.size()] == '\\';
}

std::string BrowserLauncherArguments(const std::string& address, const std::string& parameters) {
  return "url.dll,FileProtocolHandler " + address + (parameters.empty() ? "" : " " + parameters);
}

LauncherRefusal RefuseLauncher(const std::string& target, const std::string& parameters) {
  if (IsWebAddress(target)) {
    return BrowserLauncherArguments(target, parameters).size() > kLongestArguments ? LauncherRefusal::TargetTooLong
                                                                                    : LauncherRefusal::None;
  }
  if (target.size() > kLongestPath) return LauncherRefusal::TargetTooLong;
  return parameters.size() > kLongestArguments ? LauncherRefusal::ParametersTooLong : LauncherRefusal::None;
}

std::string LauncherRefusalMessage(LauncherRefusal refusal, const std::string& name) {
  const std::string start = "The command '" + name + "' cannot be saved: ";
  if (refusal == LauncherRefusal::ParametersTooLong) {
    return start + "its parameters are longer than the " + std::to_string(kLongestArguments) +
           " characters a shortcut can hold.\r\nNothing was saved.";
  }
  const std::size_t longestAddress = kLongestArguments - BrowserLauncherArguments("", "").size();
  return start + "its path is longer than a shortcut can hold (" + std::to_string(kLongestPath) +
         " characters for a file or folder, " + std::to_string(longestAddress) +
         " for a web address and its parameters).\r\nNothing was saved.";
}

}  // namespace quillet
