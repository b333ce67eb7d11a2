// The companion scripts and Quillet's own code write the same commands: the definition files
// byte for byte, the shortcuts field for field as IShellLink and lnkinfo read them. What the other
// scripts leave, the Explorer entry included, is proven end to end, with VBScript and without.

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "store/save_command.h"
#include "store/shortcut_request.h"
#include "tests/support/test_store.h"
#include "tests/tools/shortcut_reader.h"

namespace quillet::testing {
namespace {

struct Written {
  ShortcutFields launcher;
  std::string definition;
  bool operator==(const Written&) const = default;
};
void PrintTo(const Written& written, std::ostream* out) {
  PrintTo(written.launcher, out);
  *out << " definition \"" << written.definition << "\"";
}

// Saves the command with one writer and reads back what it wrote.
Written SaveWith(const CommandWriter& writer, const SaveRequest& request) {
  TestStore test(writer);
  UserCommandList rows;
  SaveOutcome outcome = SaveCommand(test.store, request, rows);
  EXPECT_TRUE(outcome.Saved());
  if (outcome.script) WaitForSingleObject(outcome.script.Get(), 30000);
  const std::string& name = request.command.name;
  EXPECT_TRUE(WaitForFile(test.Lnk(name), 15)) << name;
  const std::optional<ShortcutFields> fields = ReadShortcutTwice(test.Lnk(name));
  EXPECT_TRUE(fields.has_value()) << "unreadable, or read differently by IShellLink and lnkinfo: " << name;
  return {fields.value_or(ShortcutFields{}), ReadFileBytes(test.Cfg(name))};
}

TEST(WritersAgree, LaunchersDefinitionsAndImportsAreTheSameEitherWay) {
  char windows[MAX_PATH] = {};
  GetWindowsDirectoryA(windows, MAX_PATH);
  const std::string rundll32 = std::string(windows) + "\\System32\\rundll32.exe";
  const std::string web = "url.dll,FileProtocolHandler ";
  TempProgramFolder sources;
  ASSERT_TRUE(WriteShortcut(sources.File("Tool.lnk"), {"C:\\Tools\\tool.exe", "-x \"a b\"", "C:\\Work", 7}));
  WriteFileBytes(sources.File("Site.url"), "[InternetShortcut]\r\nURL=https://example.com/?q=1\r\n");
  struct Case {
    SaveRequest request;
    ShortcutFields expected;
  };
  const Case cases[] = {
      // Quotes and runs of blanks in the parameters are the editor's end-to-end test's. The command
      // line's field separator inside fields:
      {{{"b", "C:\\Old ; New\\app.exe", "a ; b", 3}}, {"C:\\Old ; New\\app.exe", "a ; b", "C:\\Old ; New", SW_SHOWMAXIMIZED}},
      {{{"c", "C:\\app.exe", "", 7}}, {"C:\\app.exe", "", "C:\\", SW_SHOWMINNOACTIVE}},
      {{{"d", "\\\\server\\share\\a.txt", "q", 1}}, {"\\\\server\\share\\a.txt", "q", "\\\\server\\share", SW_SHOWNORMAL}},
      // Web addresses of any scheme go through the shell.
      {{{"f", "http://example.com/a?b=1&c=2", "", 3}}, {rundll32, web + "http://example.com/a?b=1&c=2", "", SW_SHOWMAXIMIZED}},
      {{{"g", "https://example.com/search", "q", 1}}, {rundll32, web + "https://example.com/search q", "", SW_SHOWNORMAL}},
      {{{"h", "mailto:someone@example.com", "", 1}}, {rundll32, web + "mailto:someone@example.com", "", SW_SHOWNORMAL}},
      {{{"i", "ms-settings:display", "", 1}}, {rundll32, web + "ms-settings:display", "", SW_SHOWNORMAL}},
      // Imports: the shortcut's copy is the launcher; a favourite gets a browser launcher.
      {{{"j"}, "", LauncherSource::ShellLink, sources.File("Tool.lnk")}, {"C:\\Tools\\tool.exe", "-x \"a b\"", "C:\\Work", 7}},
      {{{"k"}, "", LauncherSource::InternetShortcut, sources.File("Site.url")},
       {rundll32, web + "https://example.com/?q=1", "", SW_SHOWNORMAL}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.request.command.name + " " + c.request.command.target);
    const Written scripts = SaveWith(kScriptWriter, c.request);
    const Written native = SaveWith(kNativeWriter, c.request);
    EXPECT_EQ(scripts.launcher, c.expected);
    EXPECT_EQ(native, scripts);
  }
}

}  // namespace
}  // namespace quillet::testing
