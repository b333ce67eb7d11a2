#pragma once
// Quillet's own code as the writer, for a Windows that cannot run VBScript: it writes at once
// what the companion scripts would write, byte for byte where they write files (the definition
// files) and field for field where they write shortcuts.

#include "store/command_writer.h"

namespace quillet {

class NativeWriter final : public CommandWriter {
 public:
  bool UsesScripts() const override { return false; }
  WriteResult WriteLauncher(const StoreContext& store, const std::string& name,
                            const LauncherRequest& request) const override;
  WriteResult CompleteImport(const StoreContext& store, const std::string& name, bool internetShortcut,
                             const ImportedFields& fields) const override;
  bool SwitchExplorerEntry(const StoreContext& store, bool on) const override;
  std::string PrepareClearWord(const StoreContext& store) const override;
};

}  // namespace quillet
