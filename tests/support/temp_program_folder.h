#pragma once
// A throw-away program folder P for one test, removed with everything in it: under %TEMP% (where
// a copy is one user's), or under Program Files (where a copy is installed for all users).

#include <string>

namespace quillet::testing {

class TempProgramFolder {
 public:
  // With companion scripts, the built scripts are copied in beside where the exe would be.
  enum class Scripts { None, Copied };
  enum class Place { Temp, ProgramFiles };
  explicit TempProgramFolder(Scripts scripts = Scripts::None, bool withCmds = true, Place place = Place::Temp);
  TempProgramFolder(const TempProgramFolder&) = delete;
  TempProgramFolder& operator=(const TempProgramFolder&) = delete;
  ~TempProgramFolder();

  const std::string& Path() const { return path_; }
  std::string Cmds() const { return path_ + "\\Cmds"; }
  std::string File(const std::string& relative) const { return path_ + "\\" + relative; }

 private:
  std::string path_;
};

// Whole-file helpers for checks.
std::string ReadFileBytes(const std::string& path);
void WriteFileBytes(const std::string& path, const std::string& bytes);
bool FileExists(const std::string& path);
void DeleteTree(const std::string& path);

// A name no other test process uses at the same time (tests share the Wine registry).
std::string UniqueName(const std::string& stem);

// Waits up to `seconds` for a file to exist with a size that stays put (a script writing it).
bool WaitForFile(const std::string& path, double seconds);

}  // namespace quillet::testing
