#pragma once
// A store of a test's own: a throw-away program folder, App Paths roots of its own, and a writer
// (Quillet's own code unless a test needs the scripts).

#include <string>

#include "store/native_writer.h"
#include "store/script_writer.h"
#include "store/store_context.h"
#include "store/store_paths.h"
#include "tests/support/registry_sandbox.h"
#include "tests/support/temp_program_folder.h"

namespace quillet::testing {

inline const NativeWriter kNativeWriter;
inline const ScriptWriter kScriptWriter;

struct TestStore {
  explicit TestStore(const CommandWriter& writer = kNativeWriter, StoreScope scope = StoreScope::MachineWide)
      : program(writer.UsesScripts() ? TempProgramFolder::Scripts::Copied : TempProgramFolder::Scripts::None),
        store(program.Path(), writer, scope, registry.Roots()) {}

  HKEY Root() const { return store.Root(); }
  std::string Lnk(const std::string& name) const { return GeneratedFilePath(program.Path(), name, ".lnk"); }
  std::string Cfg(const std::string& name) const { return GeneratedFilePath(program.Path(), name, ".cfg"); }
  // The App Paths entry's default value in the store's scope, as stored (with its NUL).
  std::string Entry(const std::string& name) const { return RegistryBytes(Root(), AppPathsSubkey(name), nullptr); }
  bool HasEntry(const std::string& name) const { return AppPathsEntryExists(Root(), name + ".exe"); }

  TempProgramFolder program;
  RegistrySandbox registry;
  StoreContext store;
};

}  // namespace quillet::testing
