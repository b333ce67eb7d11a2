#pragma once
// The import's rules that need no window: where shortcuts are looked for, the names suggested
// for them, and the rows the wizard collects.

#include <string>
#include <vector>

namespace quillet {

// What the import wizard was opened for; its name is what the wizard shows.
enum class ImportSource { Desktop, StartMenu, Favorites };
const char* ImportSourceName(ImportSource source);
// The value of the user's "Shell Folders" key that names the folder to import from.
const char* ShellFolderValueName(ImportSource source);
// The value of the machine's "Shell Folders" key that names the folder of all users where most
// installers put their shortcuts ("Common Desktop", "Common Programs"); nullptr for the Favorites.
const char* CommonShellFolderValueName(ImportSource source);
// The shortcut files listed for a source: ".lnk", or ".url" for the Favorites.
const char* ShortcutExtension(ImportSource source);

// A shortcut's file name less its last four characters, lower-cased, with only a to z and 0 to
// 9 kept: "My Program 2.0.lnk" gives "myprogram20".
std::string SuggestCommandName(const std::string& shortcutFileName);

// One row of the import list.
struct ImportRow {
  bool ticked = false;
  std::string name;          // the command to make; the user may rename it
  std::string fileName;      // the shortcut's file name as listed ("My Program.lnk")
  std::string shortcutPath;  // its folder & "\" & file name
};
using ImportList = std::vector<ImportRow>;

ImportRow MakeImportRow(const std::string& folder, const std::string& fileName);

// Appends a row for each shortcut file of `folder`. A name already suggested in the rows is not
// suggested again when `suggestOnce` (for the folder of all users, listed after the user's own).
void AppendImportRows(ImportList& rows, const std::string& folder, const std::vector<std::string>& fileNames,
                      bool suggestOnce);

// Whether a row of that name (without its surrounding blanks, with case) is in the list.
bool CheckIfExists(const ImportList& rows, const std::string& name);

// An Internet shortcut, by the ".url" ending of its file name (letter case ignored).
bool IsInternetShortcut(const std::string& fileName);

}  // namespace quillet
