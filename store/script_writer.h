#pragma once
// The companion scripts as the writer: cshortcut.vbs writes launcher shortcuts, cishortcut.vbs
// and cishortcutu.vbs finish imports, addcontextmenu.vbs and removecontextmenu.vbs switch the
// Explorer entry, and clear.vbs is what the Run word "clear" starts.

#include "store/command_writer.h"

namespace quillet {

class ScriptWriter final : public CommandWriter {
 public:
  bool UsesScripts() const override { return true; }
  WriteResult WriteLauncher(const StoreContext& store, const std::string& name,
                            const LauncherRequest& request) const override;
  WriteResult CompleteImport(const StoreContext& store, const std::string& name, bool internetShortcut,
                             const ImportedFields& fields) const override;
  bool SwitchExplorerEntry(const StoreContext& store, bool on) const override;
  std::string PrepareClearWord(const StoreContext& store) const override;
};

// Asks cshortcut.vbs for the launcher shortcut of a command and does not wait for it. Its fields
// travel in the script's environment too (store/shortcut_request.h).
WriteResult CreateShortcutLNKFile(const StoreContext& store, const std::string& name, const std::string& target,
                                  const std::string& parameters, const std::string& folder, std::int16_t windowMode);

}  // namespace quillet
