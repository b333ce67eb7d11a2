#include "store/store_paths.h"

namespace quillet {

std::string CmdsFolder(const std::string& programFolder) { return programFolder + "\\Cmds"; }

std::string GeneratedFilePath(const std::string& programFolder, const std::string& name,
                              const std::string& extension) {
  return CmdsFolder(programFolder) + "\\run_" + name + extension;
}

std::string AppPathsSubkey(const std::string& name) {
  return std::string(kAppPathsKey) + "\\" + name + ".exe";
}

}  // namespace quillet
