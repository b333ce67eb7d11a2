#pragma once
// What the program hands to cshortcut.vbs to have a launcher shortcut written.

#include <cstdint>
#include <string>

namespace quillet {

struct ShortcutRequest {
  std::string lnk;        // P & "\Cmds\run_" & N & ".lnk"
  std::string target;
  std::string folder;     // the start-in folder
  std::int16_t windowMode;
  std::string parameters;
};

// lnk ; target ; folder ; mode ; parameters, with " ; " between the fields and nothing quoted.
std::string ShortcutScriptParameters(const ShortcutRequest& request);

// The script host splits its command line at blanks and drops double quotes, so the script cannot
// read the fields back from it exactly. Each field therefore also travels, unchanged, in its own
// environment variable of the script's process; the script prefers these.
struct ShortcutFieldVariable {
  const char* variable;
  std::string ShortcutRequest::*field;
};
inline constexpr const char* kShortcutModeVariable = "QUILLET_SHORTCUT_MODE";
inline constexpr ShortcutFieldVariable kShortcutFieldVariables[] = {
    {"QUILLET_SHORTCUT_LNK", &ShortcutRequest::lnk},
    {"QUILLET_SHORTCUT_TARGET", &ShortcutRequest::target},
    {"QUILLET_SHORTCUT_FOLDER", &ShortcutRequest::folder},
    {"QUILLET_SHORTCUT_PARAMETERS", &ShortcutRequest::parameters},
};

}  // namespace quillet
