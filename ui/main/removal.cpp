#include "ui/main/removal.h"

#include <windows.h>

#include "store/app_paths_store.h"
#include "store/command_name.h"
#include "store/registry_values.h"
#include "store/store_paths.h"

namespace quillet {

namespace {

constexpr const char* kConfirmTitle = "Confirm removal";

// The same question wherever a command that another program added is about to go.
bool ConfirmSystemCommandRemoval(Prompt& prompt, const std::string& name) {
  return prompt.Message("This is a system command, added by other applications than Quillet!\r\n"
                        "Are you sure you want to delete the command: " + name + "?",
                        kConfirmTitle, kYesNo | kIconExclamation) == IDYES;
}

void TellNoRights(Prompt& prompt, const std::string& name, StoreScope scope) {
  prompt.Message("The command '" + name + "' " +
                     (scope == StoreScope::MachineWide
                          ? "is installed for all users, and only an administrator can remove it."
                          : "could not be removed: Windows did not allow it.") +
                     "\r\nNothing was changed.",
                 kAppTitle, kOkOnly | kIconExclamation);
}

// The other scope's entry of the name, for a name this copy's scope does not have.
bool OtherScopeHas(const StoreContext& store, const std::string& name, StoreScope& scope) {
  scope = store.scope == StoreScope::PerUser ? StoreScope::MachineWide : StoreScope::PerUser;
  return OpenSubkey(store.roots.Of(scope), AppPathsSubkey(name), KEY_QUERY_VALUE).Valid();
}

}  // namespace

bool RemoveUserCommand(const StoreContext& store, Prompt& prompt, const UserCommandRow& row) {
  if (prompt.Message("Do you want to delete the command: " + row.name + "?", kConfirmTitle,
                     kYesNo | kIconInformation) != IDYES) {
    return false;
  }
  DeleteCommand(store, row.fileName);
  return true;
}

bool RemoveSystemCommand(const StoreContext& store, Prompt& prompt, const SystemCommandRow& row) {
  if (IsOwnRunWord(row.name)) {
    prompt.Message(NameRefusalMessage(NameRefusal::OwnRunWord, row.name), kAppTitle, kOkOnly | kIconExclamation);
    return false;
  }
  if (!ConfirmSystemCommandRemoval(prompt, row.name)) return false;
  if (DeleteAppPathsKey(store.roots.Of(row.scope), row.name) == DeleteResult::Denied) {
    TellNoRights(prompt, row.name, row.scope);
    return false;
  }
  return true;
}

void RemoveNamedCommand(const StoreContext& store, Prompt& prompt, const std::string& name) {
  const StoredCommand stored = FindStoredCommand(store, name);
  StoreScope otherScope = store.scope;
  if (!stored.definitionFile && !stored.launcherShortcut && stored.entry == EntryOwner::None &&
      OtherScopeHas(store, name, otherScope)) {
    // Only the other scope has it: another program's, for all users or for this user alone.
    if (RemoveSystemCommand(store, prompt, {name, "", otherScope})) {
      prompt.Message("The command: ' " + name + " ' was removed.", kAppTitle, kOkOnly);
    }
    return;
  }
  if (!stored.definitionFile && !stored.launcherShortcut && stored.entry == EntryOwner::None) {
    prompt.Message("There is no command named '" + name + "', so nothing was removed.\r\n"
                   "One word after create, remove or quillet removes the command of that name; "
                   "quillet ? shows the syntax.",
                   kAppTitle, kOkOnly | kIconExclamation);
    return;
  }
  // An entry that is not this copy's is listed among the system commands, and a mistyped name
  // must not delete it unasked. No leaves everything as it was.
  const bool foreign = stored.entry == EntryOwner::Other || stored.entry == EntryOwner::Orphaned;
  if (foreign && !ConfirmSystemCommandRemoval(prompt, name)) return;
  if (foreign && DeleteAppPathsKey(store.Root(), name) == DeleteResult::Denied) {
    TellNoRights(prompt, name, store.scope);
    return;
  }
  DeleteCommand(store, name);
  prompt.Message("The command: ' " + name + " ' was removed.", kAppTitle, kOkOnly);
}

}  // namespace quillet
