#pragma once
// Rules on a command's target path that need no file system.

#include <cstddef>
#include <string>

namespace quillet {

// The longest path a shortcut can hold as its target, and the shell can start: MAX_PATH less
// its NUL.
inline constexpr std::size_t kLongestPath = 259;
// The longest argument text a shortcut keeps whole: INFOTIPSIZE less its NUL, what
// IShellLink::GetArguments is documented to hand back.
inline constexpr std::size_t kLongestArguments = 1023;

// The folder part of a path: the text before its last backslash, with "\" added back after a
// bare drive ("C:\app.exe" and "C:\" give "C:\"). A path without any backslash (a web address,
// a bare file name) has no folder part and gives "", so its shortcut gets no start-in folder.
std::string GetFolderOfPath(const std::string& path);

// A path without any "." is taken for a folder and gets a final "\" if it lacks one;
// a path holding a "." is taken for a file and kept as it is.
std::string ApplyFolderRule(const std::string& path);

// A target that names an address rather than a file: it begins with a scheme of two or more
// characters and a colon ("http:", "mailto:", "ms-settings:"), which a drive ("C:") never has.
// cshortcut.vbs makes a browser launcher exactly for these; the health checks never probe them.
bool IsWebAddress(const std::string& target);

// A target of the form "X:\...": the only kind whose existence can be told without the network
// or a search path.
bool IsDriveAbsolute(const std::string& target);

// A path of the form "\\server\share...".
bool IsUncPath(const std::string& path);

// Whether `path` is `folder` or lies inside it, letter case ignored ("C:\Program Files" does not
// hold "C:\Program Files (x86)").
bool IsInsideFolder(const std::string& path, const std::string& folder);

// The argument text of a web address's browser launcher: rundll32 hands the address to the
// shell, which opens it in the default browser (or mail program). cshortcut.vbs makes the same.
std::string BrowserLauncherArguments(const std::string& address, const std::string& parameters);

// Whether a launcher shortcut can hold the target and parameters whole: a file's path fits in
// kLongestPath, and the arguments (a web address's included) in kLongestArguments.
enum class LauncherRefusal { None, TargetTooLong, ParametersTooLong };
LauncherRefusal RefuseLauncher(const std::string& target, const std::string& parameters);
// The message for a refusal, naming the command.
std::string LauncherRefusalMessage(LauncherRefusal refusal, const std::string& name);

}  // namespace quillet
