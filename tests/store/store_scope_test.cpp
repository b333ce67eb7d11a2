#include "store/store_context.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace quillet {
namespace {

// The folders this system names for programs of all users; every other folder is one user's. The
// setup's two folders are its end-to-end test's, where a folder ends is target_path_test's.
TEST(StoreScopeTest, ACopyUnderProgramFilesIsForAllUsersAndEveryOtherForOneUser) {
  const std::pair<std::string, StoreScope> cases[] = {
      {std::string(std::getenv("ProgramFiles(x86)")) + "\\Quillet", StoreScope::MachineWide},
      {"D:\\Tools\\Quillet", StoreScope::PerUser}};
  for (const auto& [folder, scope] : cases) EXPECT_EQ(ScopeOfProgramFolder(folder), scope) << folder;
}

}  // namespace
}  // namespace quillet
