// cshortcut.vbs, started by the real store function: the launcher shortcut it writes, read back
// through the shell and through lnkinfo.

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "store/launcher_shortcut.h"
#include "store/shortcut_request.h"
#include "store/target_path.h"
#include "store/text.h"
#include "tests/support/recording_prompt.h"
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
  RecordingPrompt prompt_;
};

TEST_F(CShortcutScript, FieldsArriveExactlyAndWebAddressesGoThroughTheShell) {
  struct Case {
    std::string target, parameters, folder;
    std::int16_t mode;
    ShortcutFields expected;  // target "": not compared (rundll32 for web addresses, checked below)
  };
  const std::string web = "url.dll,FileProtocolHandler ";
  const Case cases[] = {
      // Quotes and runs of blanks, which the script host's command line loses.
      {"C:\\Tools\\edit.exe", "\"C:\\My Files\\a.txt\"  -x   y", "C:\\Tools", 1,
       {"C:\\Tools\\edit.exe", "\"C:\\My Files\\a.txt\"  -x   y", "C:\\Tools", SW_SHOWNORMAL}},
      // The command line's field separator inside fields.
      {"C:\\Old ; New\\app.exe", "a ; b", "C:\\Old ; New", 3, {"C:\\Old ; New\\app.exe", "a ; b", "C:\\Old ; New", SW_SHOWMAXIMIZED}},
      {"C:\\Tools\\app.exe", "", "", 7, {"C:\\Tools\\app.exe", "", "", SW_SHOWMINNOACTIVE}},
      {"C:\\a.exe", "", "C:\\", 2, {"C:\\a.exe", "", "C:\\", SW_SHOWNORMAL}},  // other modes open normally
      {"x:notes.txt", "", "C:\\", 1, {"", "", "C:\\", SW_SHOWNORMAL}},  // a drive, not a scheme
      {"\\\\server\\share\\a.txt", "q", "C:\\", 1, {"\\\\server\\share\\a.txt", "q", "C:\\", SW_SHOWNORMAL}},
      // The script and the program agree on what a web address is.
      {"http://example.com/a?b=1&c=2", "", "C:\\", 3, {"", web + "http://example.com/a?b=1&c=2", "", SW_SHOWMAXIMIZED}},
      {"https://example.com/search", "q", "C:\\", 1, {"", web + "https://example.com/search q", "", SW_SHOWNORMAL}},
      {"mailto:someone@example.com", "", "C:\\", 1, {"", web + "mailto:someone@example.com", "", SW_SHOWNORMAL}},
      {"ms-settings:display", "", "C:\\", 1, {"", web + "ms-settings:display", "", SW_SHOWNORMAL}},
  };
  const StoreContext store{program_.Path(), nullptr, prompt_};
  int number = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.target);
    const std::string name = "cmd" + std::to_string(++number);
    ASSERT_TRUE(CreateShortcutLNKFile(store, name, c.target, c.parameters, c.folder, c.mode));
    ShortcutFields written = ReadBack(Lnk(name));
    EXPECT_EQ(EndsWithIgnoringCase(written.target, "\\System32\\rundll32.exe"), IsWebAddress(c.target));
    if (c.expected.target.empty()) written.target.clear();
    EXPECT_EQ(written, c.expected);
  }
  EXPECT_TRUE(prompt_.Records().empty());
}

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
