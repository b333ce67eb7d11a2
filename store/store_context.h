#pragma once
// What every store operation works with: the program folder P, the scope whose App Paths key
// holds this copy's commands, who writes what a command needs besides its entry, the window that
// owns what the shell shows, and how to wait for a companion script.

#include <windows.h>

#include <functional>
#include <string>

#include "store/store_scope.h"

namespace quillet {

class CommandWriter;

// The roots the two App Paths keys live under. Tests put keys of their own in their place.
struct RegistryRoots {
  HKEY user = HKEY_CURRENT_USER;
  HKEY machine = HKEY_LOCAL_MACHINE;

  HKEY Of(StoreScope scope) const { return scope == StoreScope::PerUser ? user : machine; }
};

// Waits until a companion script's process ends (or, without a process, until `file` exists),
// at most `timeoutMs`; false when it did not. The windows keep themselves painted meanwhile.
using ScriptWait = std::function<bool(HANDLE process, const std::string& file, DWORD timeoutMs)>;
bool WaitForScriptQuietly(HANDLE process, const std::string& file, DWORD timeoutMs);

struct StoreContext {
  StoreContext(std::string folder, const CommandWriter& commandWriter, StoreScope storeScope = StoreScope::MachineWide,
               RegistryRoots registryRoots = {})
      : programFolder(std::move(folder)), writer(commandWriter), scope(storeScope), roots(registryRoots) {}

  std::string programFolder;  // without a trailing backslash
  const CommandWriter& writer;
  StoreScope scope = StoreScope::MachineWide;
  RegistryRoots roots;
  HWND owner = nullptr;
  ScriptWait waitForScript = WaitForScriptQuietly;

  // Where this copy's commands and Run words are.
  HKEY Root() const { return roots.Of(scope); }
};

// The scope of the running program's copy, from the Program Files folders this system names.
StoreScope ScopeOfProgramFolder(const std::string& programFolder);

}  // namespace quillet
