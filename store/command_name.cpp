#include "store/command_name.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "store/store_paths.h"
#include "store/target_path.h"
#include "store/text.h"

namespace quillet {

namespace {
// A registry key name holds at most 255 characters, and the subkey is N.exe.
constexpr std::size_t kLongestName = 255 - 4;
}  // namespace

bool IsSafeCommandName(const std::string& name) {
  if (name.empty() || name == "." || name == "..") return false;
  constexpr std::string_view kForbidden = "\\/:*?\"<>|";
  for (unsigned char c : name) {
    if (c < 0x20 || kForbidden.find(static_cast<char>(c)) != std::string_view::npos) return false;
  }
  return true;
}

bool IsOwnRunWord(const std::string& name) {
  constexpr std::array<std::string_view, 4> kOwnWords{"create", "remove", "clear", "quillet"};
  // The words are ASCII, so folding the ASCII letters is enough; other bytes stay as they are.
  return std::find(kOwnWords.begin(), kOwnWords.end(), LowerAscii(name)) != kOwnWords.end();
}

NameRefusal RefuseName(const std::string& name, const std::string& programFolder) {
  if (name.empty()) return NameRefusal::Empty;
  if (name.find(' ') != std::string::npos) return NameRefusal::Blank;
  if (!IsSafeCommandName(name)) return NameRefusal::Unsafe;
  if (IsOwnRunWord(name)) return NameRefusal::OwnRunWord;
  if (name.size() > kLongestName ||
      (!programFolder.empty() && GeneratedFilePath(programFolder, name, ".lnk").size() > kLongestPath)) {
    return NameRefusal::TooLong;
  }
  return NameRefusal::None;
}

std::string NameRefusalMessage(NameRefusal refusal, const std::string& name) {
  const std::string start = "The command name '" + name + "' cannot be used.\r\n";
  switch (refusal) {
    case NameRefusal::Blank:
      return start + "A command name cannot hold blanks: the Run dialog takes the first word for the command.";
    case NameRefusal::Unsafe:
      return start + "A command name must not be . or .. and must not contain any of these characters: "
                     "\\ / : * ? \" < > |";
    case NameRefusal::OwnRunWord:
      return start + "create, remove, clear and quillet are Quillet's own Run words: they cannot be made into "
                     "commands or removed.";
    case NameRefusal::TooLong:
      return start + "It is too long: Windows could not start its launcher shortcut.";
    case NameRefusal::None:
    case NameRefusal::Empty:
      break;
  }
  return start;
}

}  // namespace quillet
