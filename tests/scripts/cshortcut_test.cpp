// cshortcut.vbs, started by the real store function: the launcher shortcut it writes, read back
// through the shell and through lnkinfo.

#include <gtest/gtest.h>
#include <windows.h>
#include <shellapi.h>

#include <string>

#include "store/companion_scripts.h"
#include "store/launcher_shortcut.h"
#include "store/target_path.h"
#include "tests/scripts/script_runner.h"
#include "tests/scripts/shortcut_reader.h"
#include "tests/support/http_handler_swap.h"
#include "tests/support/recording_prompt.h"
#include "tests/support/temp_program_folder.h"

namespace quillet::testing {
namespace {

constexpr double kScriptSeconds = 15;

class CShortcutScript : public ::testing::Test {
 protected:
  std::string Lnk(const std::string& name) const { return program_.Cmds() + "\\run_" + name + ".lnk"; }

  // Has the store write the shortcut of a command and returns it as the shell reads it, after
  // checking that lnkinfo finds the same texts in the file.
  ShortcutFields Write(const std::string& name, const std::string& target, const std::string& parameters,
                       const std::string& folder, std::int16_t mode) {
    const StoreContext store{program_.Path(), nullptr, prompt_};
    EXPECT_TRUE(CreateShortcutLNKFile(store, name, target, parameters, folder, mode));
    EXPECT_TRUE(prompt_.Records().empty());
    return ReadBack(Lnk(name));
  }

  static ShortcutFields ReadBack(const std::string& lnk) {
    if (!WaitForFile(lnk, kScriptSeconds)) {
      ADD_FAILURE() << "no shortcut written: " << lnk;
      return {};
    }
    const std::optional<ShortcutFields> shell = ReadShortcut(lnk);
    const std::optional<ShortcutFields> lnkinfo = ReadShortcutWithLnkinfo(lnk);
    if (!shell || !lnkinfo) {
      ADD_FAILURE() << "shortcut unreadable by " << (shell ? "lnkinfo: " : "IShellLink: ") << lnk;
      return {};
    }
    EXPECT_EQ(lnkinfo->target, shell->target);
    EXPECT_EQ(lnkinfo->arguments, shell->arguments);
    EXPECT_EQ(lnkinfo->workingFolder, shell->workingFolder);
    return *shell;
  }

  TempProgramFolder program_{TempProgramFolder::Scripts::Copied};
  RecordingPrompt prompt_;
};

TEST_F(CShortcutScript, FieldsArriveExactly) {
  // Quotes and runs of blanks in the parameters, which the script host's command line loses.
  EXPECT_EQ(Write("quoted", "C:\\Tools\\edit.exe", "\"C:\\My Files\\a.txt\"  -x   y", "C:\\Tools", 1),
            (ShortcutFields{"C:\\Tools\\edit.exe", "\"C:\\My Files\\a.txt\"  -x   y", "C:\\Tools", 1}));
  // The field separator inside fields.
  EXPECT_EQ(Write("separator", "C:\\Old ; New\\app.exe", "a ; b", "C:\\Old ; New", 1),
            (ShortcutFields{"C:\\Old ; New\\app.exe", "a ; b", "C:\\Old ; New", 1}));
  // Nothing to pass and no start-in folder.
  EXPECT_EQ(Write("bare", "C:\\Tools\\app.exe", "", "", 1),
            (ShortcutFields{"C:\\Tools\\app.exe", "", "", 1}));
}

TEST_F(CShortcutScript, WindowModeBecomesTheWindowStyle) {
  EXPECT_EQ(Write("normal", "C:\\a.exe", "", "C:\\", 1).windowStyle, SW_SHOWNORMAL);
  EXPECT_EQ(Write("maximized", "C:\\a.exe", "", "C:\\", 3).windowStyle, SW_SHOWMAXIMIZED);
  EXPECT_EQ(Write("minimized", "C:\\a.exe", "", "C:\\", 7).windowStyle, SW_SHOWMINNOACTIVE);
}

TEST_F(CShortcutScript, OtherWindowModesOpenNormally) {
  EXPECT_EQ(Write("zero", "C:\\a.exe", "", "C:\\", 0).windowStyle, SW_SHOWNORMAL);
  EXPECT_EQ(Write("two", "C:\\a.exe", "", "C:\\", 2).windowStyle, SW_SHOWNORMAL);
}

// Without the QUILLET_SHORTCUT_* variables the script reads its command line: blanks come
// back single, empty fields stay empty.
TEST_F(CShortcutScript, CommandLineServesWithoutTheVariables) {
  const std::string full = Lnk("full");
  ASSERT_TRUE(RunScript(program_.Path(), "cshortcut.vbs",
                        full + " ; C:\\Program Files\\App\\app.exe ; C:\\Program Files\\App ; 3 ; "
                               "-a  b ; c"));
  EXPECT_EQ(ReadBack(full),
            (ShortcutFields{"C:\\Program Files\\App\\app.exe", "-a b ; c", "C:\\Program Files\\App", 3}));

  const std::string sparse = Lnk("sparse");
  ASSERT_TRUE(RunScript(program_.Path(), "cshortcut.vbs", sparse + " ; C:\\Tools\\app.exe ;  ; 7 ; "));
  EXPECT_EQ(ReadBack(sparse), (ShortcutFields{"C:\\Tools\\app.exe", "", "", 7}));
}

bool EndsWithNoCase(const std::string& text, const std::string& end) {
  return text.size() >= end.size() &&
         CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, text.c_str() + text.size() - end.size(), -1,
                        end.c_str(), -1) == CSTR_EQUAL;
}

// A web address is handed to the shell by rundll32, so that it opens in the default browser;
// the script and the program agree on what a web address is.
TEST_F(CShortcutScript, WebAddressesAreOpenedThroughTheShell) {
  struct Case {
    std::string target, parameters, arguments;
  };
  const Case cases[] = {
      {"http://example.com/a?b=1&c=2", "", "url.dll,FileProtocolHandler http://example.com/a?b=1&c=2"},
      {"https://example.com/search", "q", "url.dll,FileProtocolHandler https://example.com/search q"},
      {"mailto:someone@example.com", "", "url.dll,FileProtocolHandler mailto:someone@example.com"},
      {"ms-settings:display", "", "url.dll,FileProtocolHandler ms-settings:display"},
      {"C:\\notes.txt", "q", "q"},
      {"x:notes.txt", "", ""},
      {"\\\\server\\share\\a.txt", "", ""},
  };
  int number = 0;
  for (const Case& web : cases) {
    SCOPED_TRACE(web.target);
    const std::string name = "web" + std::to_string(++number);
    const ShortcutFields fields = Write(name, web.target, web.parameters, "C:\\", 3);
    EXPECT_EQ(EndsWithNoCase(fields.target, "\\System32\\rundll32.exe"), IsWebAddress(web.target)) << fields.target;
    EXPECT_EQ(fields.arguments, web.arguments);
    EXPECT_EQ(fields.windowStyle, SW_SHOWMAXIMIZED);
  }
}

TEST_F(CShortcutScript, StartingAWebCommandReachesTheBrowser) {
  const HttpHandlerSwap browser;
  const std::string received = program_.File("received.txt");
  const ScopedEnvironmentVariable recorderOutput("QUILLET_URL_RECORDER_OUT", received.c_str());
  const std::string address = "http://example.com/quillet?q=" + UniqueName("run") + "&x=2";

  Write("site", address, "", "C:\\", 1);
  ASSERT_GT(reinterpret_cast<INT_PTR>(ShellExecuteA(nullptr, "open", Lnk("site").c_str(), nullptr, nullptr,
                                                    SW_SHOWNORMAL)),
            32);
  ASSERT_TRUE(WaitForFile(received, kScriptSeconds));
  EXPECT_EQ(ReadFileBytes(received), address);
}

}  // namespace
}  // namespace quillet::testing
