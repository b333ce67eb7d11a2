#pragma once
// Which program Windows starts for a typed word before it looks in App Paths: the Run dialog
// tries the Windows folder, System32 and every PATH folder, in that order, each with the
// extensions of PATHEXT in their order. A command named like such a program never starts.

#include <windows.h>

#include <string>
#include <unordered_map>
#include <vector>

#include "store/store_context.h"

namespace quillet {

struct SearchOrder {
  std::vector<std::string> folders;     // in the order they are searched
  std::vector<std::string> extensions;  // ".com", ".exe", ...
};

// This system's order: its Windows folder, System32, PATH (variables expanded) and PATHEXT.
SearchOrder SystemSearchOrder();

// The programs of the search order by name, each folder listed once when the index is made.
class ShadowIndex {
 public:
  ShadowIndex() = default;
  explicit ShadowIndex(const SearchOrder& order);

  // The file Windows starts when `name` is typed, or "" when it would look in App Paths.
  std::string Find(const std::string& name) const;

  // Adds the entries of an App Paths key that Windows looks in before the command's own (the
  // user's, for a command of all users): found after the folders, as their default value.
  void AddAppPaths(HKEY root);

 private:
  struct Found {
    std::string path;
    std::size_t rank;  // folder, then extension: the smaller is found first
  };
  std::unordered_map<std::string, Found> programs_;  // by lower-case name without extension
};

// What shadows the commands of this copy: the search order of the system and, for a copy of all
// users, the user's own App Paths entries.
ShadowIndex ShadowsOf(const StoreContext& store);

// The question asked before a command is saved under a name that another program shadows.
std::string ShadowedNameQuestion(const std::string& name, const std::string& shadowingFile);

}  // namespace quillet
