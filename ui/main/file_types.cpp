#include "ui/main/file_types.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "store/target_path.h"
#include "store/text.h"

namespace quillet {

namespace {

struct TypeName {
  std::string_view key;
  std::string_view name;
};

// Tried in this order; the first match wins.
constexpr std::array<TypeName, 25> kTypeNames{{
    {".exe", "Executable"}, {".bat", "Batchfile"}, {".com", "Comfile"}, {".hlp", "Helpfile"},
    {".chm", "Html Helpfile"}, {".htm", "Webpage"}, {"html", "Webpage"}, {".url", "Webpage"},
    {".avi", "Filmclip"}, {"mpeg", "Filmclip"}, {".mpg", "Filmclip"}, {".doc", "Document"},
    {"jpeg", "Image"}, {".jpg", "Image"}, {".gif", "Image"}, {".tif", "Image"}, {".bmp", "Image"},
    {".ram", "Real Audio Clip"}, {".reg", "Regfile"}, {".wav", "Soundfile"}, {".mp3", "Soundfile"},
    {".txt", "Textfile"}, {".vbs", "Script file"}, {".vbp", "VB Project File"},
    {".dsw", "C++ Project File"},
}};

struct IconKey {
  std::string_view key;
  int icon;
};

// Tried in this order after the folder rule; without a match a path gets the generic icon.
constexpr std::array<IconKey, 29> kIconKeys{{
    {".chm", kIconHelp}, {".hlp", kIconHelp},
    {".url", kIconWeb}, {"html", kIconWeb}, {".htm", kIconWeb},
    {".mpg", kIconFilm}, {".avi", kIconFilm}, {"mpeg", kIconFilm},
    {".xls", kIconOffice}, {".doc", kIconOffice},
    {".jpg", kIconImage}, {".gif", kIconImage}, {"jpeg", kIconImage}, {".bmp", kIconImage},
    {".wav", kIconSound}, {".mp3", kIconSound},
    {".reg", kIconRegistry},
    {".nfo", kIconText}, {".txt", kIconText}, {".wri", kIconText},
    {".wsh", kIconScript}, {".vbs", kIconScript}, {".vbp", kIconScript}, {".cpp", kIconScript},
    {".dsw", kIconScript}, {".dsp", kIconScript},
    {".com", kIconProgram}, {".bat", kIconProgram},
    {".lnk", kIconShortcut},
}};

}  // namespace

std::string PathKey(const std::string& path) {
  return LowerAscii(path.size() > 4 ? path.substr(path.size() - 4) : path);
}

bool ShowsAsWebAddress(const std::string& path) { return IsWebAddress(TrimSpaces(path)); }

std::string FileTypeName(const std::string& path) {
  if (ShowsAsWebAddress(path)) return "URL";
  const std::string key = PathKey(path);
  for (const TypeName& type : kTypeNames) {
    if (type.key == key) return std::string(type.name);
  }
  return !path.empty() && path.back() == '\\' ? "Folder" : "Other";
}

int IconIndexForPath(const std::string& path) {
  if (ShowsAsWebAddress(path)) return kIconWeb;
  if (!path.empty() && path.back() == '\\') return kIconFolder;
  const std::string key = PathKey(path);
  for (const IconKey& entry : kIconKeys) {
    if (entry.key == key) return entry.icon;
  }
  return kIconGeneric;
}

bool HasOwnIcon(const std::string& path) {
  if (ShowsAsWebAddress(path)) return false;  // not a file to take an icon from
  const std::string key = PathKey(path);
  return key == ".exe" || key == ".dll";
}

StatusTexts StatusBarTexts(const UserCommandList& rows, std::optional<std::size_t> selected) {
  StatusTexts texts{"Count: " + std::to_string(rows.size()), "Type:"};
  if (rows.empty()) return texts;
  // With no row selected there is no path: the type is "Other".
  const bool hasSelection = selected && *selected < rows.size();
  texts.type = "Type: " + (hasSelection ? FileTypeName(rows[*selected].target) : std::string("Other"));
  return texts;
}

}  // namespace quillet
