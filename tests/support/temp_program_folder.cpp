#include "tests/support/temp_program_folder.h"

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <utility>

#include "tests/tools/ui_driver.h"

namespace quillet::testing {

TempProgramFolder::TempProgramFolder(Scripts scripts, bool withCmds, Place place) {
  char base[MAX_PATH] = {};
  if (place == Place::Temp) {
    GetTempPathA(MAX_PATH, base);
  } else {
    ExpandEnvironmentStringsA("%ProgramFiles%\\", base, MAX_PATH);
  }
  path_ = std::string(base) + UniqueName("quillet-test");
  CreateDirectoryA(path_.c_str(), nullptr);
  if (withCmds) CreateDirectoryA(Cmds().c_str(), nullptr);
  if (scripts == Scripts::None) return;
  for (const char* script : {"cshortcut.vbs", "cishortcut.vbs", "cishortcutu.vbs", "addcontextmenu.vbs",
                             "removecontextmenu.vbs", "clear.vbs"}) {
    CopyFileA((QUILLET_BUILT_PROGRAM_DIR "\\" + std::string(script)).c_str(), File(script).c_str(), FALSE);
  }
}

TempProgramFolder::~TempProgramFolder() { DeleteTree(path_); }

void DeleteTree(const std::string& path) {
  std::error_code ignored;
  std::filesystem::remove_all(path, ignored);
}

std::string ReadFileBytes(const std::string& path) {
  return {std::istreambuf_iterator<char>(std::ifstream(path, std::ios::binary).rdbuf()), {}};
}

void WriteFileBytes(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

bool FileExists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::string UniqueName(const std::string& stem) {
  static int counter = 0;
  return stem + std::to_string(GetCurrentProcessId()) + "n" + std::to_string(++counter) + "t" +
         std::to_string(GetTickCount() % 100000);
}

bool WaitForFile(const std::string& path, double seconds) {
  LONGLONG lastSize = -1;
  const auto settled = [&] {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return false;
    const LONGLONG size = (static_cast<LONGLONG>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    return size > 0 && std::exchange(lastSize, size) == size;
  };
  return tools::Eventually(settled, static_cast<DWORD>(seconds * 1000), 50);
}

}  // namespace quillet::testing
