#pragma once

#include <string>
#include <vector>

namespace quillet {

// The names of the ordinary files in `folder` that end in `extension` (".lnk"), in the order the
// file system gives them: no hidden or system files, no folders, nothing from sub-folders.
std::vector<std::string> ListShortcutFiles(const std::string& folder, const std::string& extension);

}  // namespace quillet
