#include "tests/support/temp_program_folder.h"

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace quillet::testing {

namespace {
constexpr const char* kScripts[] = {"cshortcut.vbs",         "cishortcut.vbs", "cishortcutu.vbs",
                                    "addcontextmenu.vbs",    "removecontextmenu.vbs", "clear.vbs"};
}

TempProgramFolder::TempProgramFolder(Scripts scripts, bool withCmds) {
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  path_ = std::string(temp) + UniqueName("quillet-test");
  CreateDirectoryA(path_.c_str(), nullptr);
  if (withCmds) CreateDirectoryA(Cmds().c_str(), nullptr);
  if (scripts == Scripts::Copied) {
    for (const char* script : kScripts) {
      CopyFileA((std::string(QUILLET_BUILT_PROGRAM_DIR) + "\\" + script).c_str(), File(script).c_str(), FALSE);
    }
  }
}

TempProgramFolder::~TempProgramFolder() { DeleteTree(path_); }

void DeleteTree(const std::string& path) {
  std::error_code ignored;
  std::filesystem::remove_all(path, ignored);
}

std::string ReadFileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

void WriteFileBytes(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << bytes;
}

bool FileExists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::string UniqueName(const std::string& stem) {
  static int counter = 0;
  return stem + std::to_string(GetCurrentProcessId()) + "n" + std::to_string(++counter) + "t" +
         std::to_string(GetTickCount() % 100000);
}

bool WaitForFile(const std::string& path, double seconds) {
  const ULONGLONG deadline = GetTickCount64() + static_cast<ULONGLONG>(seconds * 1000);
  LONGLONG lastSize = -1;
  while (GetTickCount64() < deadline) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) {
      const LONGLONG size = (static_cast<LONGLONG>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
      if (size > 0 && size == lastSize) return true;
      lastSize = size;
    }
    Sleep(50);
  }
  return false;
}

}  // namespace quillet::testing
