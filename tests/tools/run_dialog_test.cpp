// rundlg.exe and record_args.exe, which end-to-end tests use to play the Run dialog and a
// command's target program.

#include <gtest/gtest.h>

#include "store/scoped_handles.h"
#include "tests/support/temp_program_folder.h"
#include "tests/tools/child_process.h"

namespace quillet::tools::testing {
namespace {

using quillet::testing::FileExists;
using quillet::testing::ReadFileBytes;
using quillet::testing::TempProgramFolder;
using quillet::testing::UniqueName;

constexpr const char* kAppPaths = "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\";

// An App Paths entry in the real HKLM (rundlg.exe runs in its own process), removed afterwards.
class AppPathsEntry {
 public:
  AppPathsEntry(const std::string& word, const std::string& file, const std::string& folder = {})
      : subkey_(kAppPaths + word + ".exe") {
    HKEY raw = nullptr;
    RegCreateKeyExA(HKEY_LOCAL_MACHINE, subkey_.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &raw, nullptr);
    const ScopedRegistryKey key(raw);
    SetText(key.Get(), nullptr, file);
    if (!folder.empty()) SetText(key.Get(), "Path", folder);
  }
  AppPathsEntry(const AppPathsEntry&) = delete;
  AppPathsEntry& operator=(const AppPathsEntry&) = delete;
  ~AppPathsEntry() { RegDeleteKeyA(HKEY_LOCAL_MACHINE, subkey_.c_str()); }

 private:
  static void SetText(HKEY key, const char* name, const std::string& text) {
    RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                   static_cast<DWORD>(text.size() + 1));
  }
  std::string subkey_;
};

class RunDialogTest : public ::testing::Test {
 protected:
  // Types `line` into rundlg.exe, started in the test folder; its exit code.
  std::optional<DWORD> Type(const std::string& line, bool wait = true) {
    ChildProcess rundlg(QuoteArgument(BuiltTool("rundlg.exe")) + " " + QuoteArgument(line) + (wait ? " --wait" : ""),
                        folder_.Path());
    return rundlg.WaitForExit();
  }
  std::string Record(const std::string& argumentText) const { return argumentText + "\r\n" + folder_.Path() + "\r\n"; }

  const TempProgramFolder folder_;
  const std::string word_ = UniqueName("qrd");
  const std::string recordFile_ = folder_.File("record.txt");
  const ScopedEnvironmentVariable recordTo_{"QUILLET_RECORD_FILE", recordFile_.c_str()};
};

TEST_F(RunDialogTest, HandsTheRestOfTheLineOverExactly) {
  const AppPathsEntry entry(word_, BuiltTool("record_args.exe"));
  const std::string rest = "\"C:\\My Files\\a.txt\"  -x   y";
  EXPECT_EQ(Type(word_ + " " + rest), 0u);
  EXPECT_EQ(ReadFileBytes(recordFile_), Record(rest));

  // Blanks before the word are not part of it.
  EXPECT_EQ(Type("  " + word_ + " two"), 0u);
  EXPECT_EQ(ReadFileBytes(recordFile_), Record("two"));
}

TEST_F(RunDialogTest, StartsAWordAloneWithoutParameters) {
  const AppPathsEntry entry(word_, BuiltTool("record_args.exe"));
  for (const std::string& line : {word_, word_ + " ", word_ + ".exe"}) {
    SCOPED_TRACE(line);
    DeleteFileA(recordFile_.c_str());
    EXPECT_EQ(Type(line), 0u);
    EXPECT_EQ(ReadFileBytes(recordFile_), Record(""));
  }
}

// The program is named without a folder; only the entry's Path value says where it is. (It is a
// renamed copy: rundlg.exe's own folder, which the search also covers, holds record_args.exe.)
TEST_F(RunDialogTest, FindsTheProgramThroughThePathValue) {
  const std::string bin = folder_.File("bin");
  CreateDirectoryA(bin.c_str(), nullptr);
  const std::string program = word_ + "_target.exe";
  ASSERT_TRUE(CopyFileA(BuiltTool("record_args.exe").c_str(), (bin + "\\" + program).c_str(), FALSE));

  {
    const AppPathsEntry withPath(word_, program, bin);
    EXPECT_EQ(Type(word_ + " found"), 0u);
    EXPECT_EQ(ReadFileBytes(recordFile_), Record("found"));
  }
  const AppPathsEntry withoutPath(word_, program);
  EXPECT_EQ(Type(word_ + " lost"), 3u);
}

TEST_F(RunDialogTest, WaitsForTheStartedProgramAndPassesOnItsExitCode) {
  const AppPathsEntry entry(word_, ThisProgram());
  EXPECT_EQ(Type(word_ + " --child exit 7"), 7u);
  EXPECT_EQ(Type(word_ + " --child exit 7", false), 0u);
}

TEST_F(RunDialogTest, ReportsWhatItCannotStart) {
  EXPECT_EQ(Type(word_ + " x"), 2u);  // no entry
  EXPECT_EQ(Type(""), 2u);
  {
    const AppPathsEntry empty(word_, "");
    EXPECT_EQ(Type(word_ + " x"), 2u);
  }
  const AppPathsEntry missing(word_, folder_.File("missing.exe"));
  EXPECT_EQ(Type(word_ + " x"), 3u);
  EXPECT_FALSE(FileExists(recordFile_));
}

class RecordArgsTest : public ::testing::Test {
 protected:
  // Runs record_args.exe with `commandLine` (its first word naming it) in the test folder.
  std::string Run(const std::string& commandLine, const std::string& program) {
    ChildProcess child(commandLine, folder_.Path(), program);
    EXPECT_TRUE(child.Started()) << commandLine;
    EXPECT_EQ(child.WaitForExit(), 0u) << commandLine;
    return ReadFileBytes(recordFile_);
  }

  const TempProgramFolder folder_;
  const std::string recordFile_ = folder_.File("record.txt");
};

TEST_F(RecordArgsTest, RecordsTheArgumentTextAsWinMainGetsIt) {
  const std::string folder = folder_.File("with blank");
  CreateDirectoryA(folder.c_str(), nullptr);
  const std::string program = folder + "\\record_args.exe";
  ASSERT_TRUE(CopyFileA(BuiltTool("record_args.exe").c_str(), program.c_str(), FALSE));
  const ScopedEnvironmentVariable recordTo("QUILLET_RECORD_FILE", recordFile_.c_str());
  const std::string here = "\r\n" + folder_.Path() + "\r\n";

  // A quoted name, blanks inside it; the blanks after it go, the trailing ones stay.
  EXPECT_EQ(Run("\"" + program + "\"   a  \"b c\"  ", program), "a  \"b c\"  " + here);
  // A plain name ends at a blank or tab.
  EXPECT_EQ(Run("record_args\t x", program), "x" + here);
  // Quotes inside the name keep blanks in it.
  EXPECT_EQ(Run("rec\"ord a\"rgs y", program), "y" + here);
  EXPECT_EQ(Run("record_args", program), here);
}

TEST_F(RecordArgsTest, WritesRecordArgsOutWhenNoFileIsNamed) {
  const ScopedEnvironmentVariable unnamed("QUILLET_RECORD_FILE", nullptr);
  ChildProcess child("record_args.exe one", folder_.Path(), BuiltTool("record_args.exe"));
  EXPECT_EQ(child.WaitForExit(), 0u);
  EXPECT_EQ(ReadFileBytes(folder_.File("record_args.out")), "one\r\n" + folder_.Path() + "\r\n");
}

}  // namespace
}  // namespace quillet::tools::testing
