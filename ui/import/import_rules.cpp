#include "ui/import/import_rules.h"

#include <algorithm>

#include "store/text.h"

namespace quillet {

const char* ImportSourceName(ImportSource source) {
  switch (source) {
    case ImportSource::Desktop: return "Desktop";
    case ImportSource::StartMenu: return "StartMenu";
    case ImportSource::Favorites: return "Favorites";
  }
  return "";
}

const char* ShellFolderValueName(ImportSource source) {
  switch (source) {
    case ImportSource::Desktop: return "Desktop";
    case ImportSource::StartMenu: return "Programs";
    case ImportSource::Favorites: return "Favorites";
  }
  return "";
}

const char* CommonShellFolderValueName(ImportSource source) {
  switch (source) {
    case ImportSource::Desktop: return "Common Desktop";
    case ImportSource::StartMenu: return "Common Programs";
    case ImportSource::Favorites: return nullptr;
  }
  return nullptr;
}

const char* ShortcutExtension(ImportSource source) { return source == ImportSource::Favorites ? ".url" : ".lnk"; }

std::string SuggestCommandName(const std::string& shortcutFileName) {
  const std::string stem = LowerAscii(shortcutFileName.substr(0, shortcutFileName.size() > 4 ? shortcutFileName.size() - 4 : 0));
  std::string name;
  std::copy_if(stem.begin(), stem.end(), std::back_inserter(name),
               [](char c) { return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'); });
  return name;
}

ImportRow MakeImportRow(const std::string& folder, const std::string& fileName) {
  return {false, SuggestCommandName(fileName), fileName, folder + "\\" + fileName};
}

void AppendImportRows(ImportList& rows, const std::string& folder, const std::vector<std::string>& fileNames,
                      bool suggestOnce) {
  for (const std::string& fileName : fileNames) {
    ImportRow row = MakeImportRow(folder, fileName);
    if (suggestOnce && CheckIfExists(rows, row.name)) row.name.clear();
    rows.push_back(std::move(row));
  }
}

bool CheckIfExists(const ImportList& rows, const std::string& name) {
  return std::any_of(rows.begin(), rows.end(), [&](const ImportRow& row) { return TrimSpaces(row.name) == name; });
}

bool IsInternetShortcut(const std::string& fileName) {
  return EndsWithIgnoringCase(fileName, ".url");
}

}  // namespace quillet
