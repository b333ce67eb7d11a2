#pragma once
// Which writer a run uses, decided once, when something is first written.
//
// Windows runs VBScript when three things hold: .vbs files open with a program (the Script Host),
// the Script Host is not switched off by policy, and the VBScript engine can be created. Since
// Windows 11 24H2 the engine is an optional feature that later Windows no longer installs: the
// Script Host still starts there, but no .vbs runs. Where any of the three is missing, Quillet
// does the scripts' work itself.

#include "store/command_writer.h"
#include "store/native_writer.h"
#include "store/script_writer.h"

namespace quillet {

bool WindowsRunsVBScript();

class WriterChoice final : public CommandWriter {
 public:
  bool UsesScripts() const override { return Chosen().UsesScripts(); }
  WriteResult WriteLauncher(const StoreContext& store, const std::string& name,
                            const LauncherRequest& request) const override {
    return Chosen().WriteLauncher(store, name, request);
  }
  WriteResult CompleteImport(const StoreContext& store, const std::string& name, bool internetShortcut,
                             const ImportedFields& fields) const override {
    return Chosen().CompleteImport(store, name, internetShortcut, fields);
  }
  bool SwitchExplorerEntry(const StoreContext& store, bool on) const override {
    return Chosen().SwitchExplorerEntry(store, on);
  }
  std::string PrepareClearWord(const StoreContext& store) const override { return Chosen().PrepareClearWord(store); }

 private:
  const CommandWriter& Chosen() const;

  ScriptWriter scripts_;
  NativeWriter native_;
  mutable const CommandWriter* chosen_ = nullptr;  // decided on first use: most verbs write nothing
};

}  // namespace quillet
