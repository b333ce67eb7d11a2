#pragma once
// The one seam through which windows ask the shell to open something: a companion script, a web
// page, a mail address. Production calls ShellExecute (SystemShellLauncher); tests substitute a
// recorder.

#include <windows.h>

#include <string>

namespace quillet {

// The arguments of one ShellExecute call.
struct ShellRequest {
  HWND owner = nullptr;
  std::string verb;
  std::string file;
  std::string parameters;
  std::string folder;
  int show = 0;
  bool operator==(const ShellRequest&) const = default;
};

// What the settings and information windows open: `file` with the verb "open", no parameters,
// no working folder, restored (show 9), owned by the window the user clicked in.
ShellRequest OpenRestored(HWND owner, std::string file);

class ShellLauncher {
 public:
  virtual ~ShellLauncher() = default;
  // Returns ShellExecute's result (> 32 on success).
  virtual INT_PTR Open(const ShellRequest& request) = 0;
};

class SystemShellLauncher final : public ShellLauncher {
 public:
  INT_PTR Open(const ShellRequest& request) override;
};

}  // namespace quillet
