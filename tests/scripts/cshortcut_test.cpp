// cshortcut.vbs without the fields in its environment (the store's own start of it is
// writers_agree_test's): the launcher shortcut it writes, read back through the shell and lnkinfo.

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "store/shortcut_request.h"
#include "tests/support/script_runner.h"
#include "tests/support/temp_program_folder.h"
#include "tests/tools/shortcut_reader.h"

namespace quillet::testing {
namespace {

class CShortcutScript : public ::testing::Test {
 protected:
  std::string Lnk(const std::string& name) const { return program_.Cmds() + "\\run_" + name + ".lnk"; }

  // The shortcut as the shell reads it, checked against what lnkinfo finds in it.
  static ShortcutFields ReadBack(const std::string& lnk) {
    EXPECT_TRUE(WaitForFile(lnk, 15)) << lnk;
    const std::optional<ShortcutFields> fields = ReadShortcutTwice(lnk);
    EXPECT_TRUE(fields.has_value()) << "unreadable, or read differently by IShellLink and lnkinfo: " << lnk;
    return fields.value_or(ShortcutFields{});
  }

  TempProgramFolder program_{TempProgramFolder::Scripts::Copied};
};

// Without the QUILLET_SHORTCUT_* variables the script reads the command line the program gives it:
// blanks come back single, empty fields stay empty.
TEST_F(CShortcutScript, CommandLineServesWithoutTheVariables) {
  const std::string lnk = Lnk("line");
  ASSERT_TRUE(RunScript(program_.Path(), "cshortcut.vbs",
                        ShortcutScriptParameters({lnk, "C:\\Program Files\\App\\app.exe", "", 3, "-a  b ; c"})));
  EXPECT_EQ(ReadBack(lnk), (ShortcutFields{"C:\\Program Files\\App\\app.exe", "-a b ; c", "", SW_SHOWMAXIMIZED}));
}

}  // namespace
}  // namespace quillet::testing
