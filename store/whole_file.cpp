#include "store/whole_file.h"

#include <windows.h>

#include "store/scoped_handles.h"
#include "store/target_path.h"

namespace quillet {

bool FileExists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

namespace {

bool WriteNewFile(const std::string& path, const std::string& bytes) {
  ScopedFile file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return false;
  DWORD written = 0;
  return WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
         written == bytes.size() && FlushFileBuffers(file.Get());
}

}  // namespace

bool ReplaceFileContents(const std::string& path, const std::string& bytes) {
  // A name of the system's choosing, made in the same folder (so that the move is a rename on
  // one volume): a fixed name such as path + ".new" could be a file of the user's.
  const std::string folder = GetFolderOfPath(path);
  char name[MAX_PATH];
  if (GetTempFileNameA(folder.empty() ? "." : folder.c_str(), "qlt", 0, name) == 0) return false;
  const std::string temporary = name;
  if (!WriteNewFile(temporary, bytes) ||
      !MoveFileExA(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    DeleteFileA(temporary.c_str());
    return false;
  }
  return true;
}

std::optional<std::string> ReadFileContents(const std::string& path, std::size_t mostBytes) {
  ScopedFile file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
  LARGE_INTEGER size{};
  if (!file || !GetFileSizeEx(file.Get(), &size) || static_cast<unsigned long long>(size.QuadPart) > mostBytes) {
    return std::nullopt;
  }
  std::string bytes(static_cast<std::size_t>(size.QuadPart), '\0');
  DWORD read = 0;
  if (!bytes.empty() && (!ReadFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr) ||
                         read != bytes.size())) {
    return std::nullopt;
  }
  return bytes;
}

}  // namespace quillet
