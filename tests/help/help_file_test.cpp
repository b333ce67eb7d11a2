// The help viewer's own answer for the built quillet.chm: it opens for the topic numbers the
// program uses and refuses one the file does not know. (Which page each number reaches is checked
// in the file itself by check_help_topics.sh.)

#include <windows.h>
#include <htmlhelp.h>

#include <gtest/gtest.h>

#include <string>

namespace {

const std::string kHelpFile = std::string(QUILLET_BUILT_PROGRAM_DIR) + "\\quillet.chm";

TEST(HelpViewer, OpensForTheProgramsTopicNumbersOnly) {
  for (DWORD number : {1003, 1007, 1017, 1018}) {
    EXPECT_NE(HtmlHelpA(GetDesktopWindow(), kHelpFile.c_str(), HH_HELP_CONTEXT, number), nullptr) << number;
  }
  EXPECT_EQ(HtmlHelpA(GetDesktopWindow(), kHelpFile.c_str(), HH_HELP_CONTEXT, 9999), nullptr);
  HtmlHelpA(nullptr, nullptr, HH_CLOSE_ALL, 0);
}

}  // namespace
