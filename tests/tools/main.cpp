// tools_tests.exe: the tests of the test-support tools; also the child process they drive.

#include <gtest/gtest.h>

#include "tests/tools/test_dialogs.h"

int main(int argc, char** argv) {
  if (const auto exitCode = quillet::tools::testing::RunAsChild(argc, argv)) return *exitCode;
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
