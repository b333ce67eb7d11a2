#include "store/store_context.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace quillet {
namespace {

// The folders this system names for programs of all users; every other folder is one user's.
TEST(StoreScopeTest, ACopyUnderProgramFilesIsForAllUsersAndEveryOtherForOneUser) {
  const std::string programFiles = std::getenv("ProgramFiles"), localPrograms = std::getenv("LOCALAPPDATA");
  const std::pair<std::string, StoreScope> cases[] = {
      {programFiles + "\\Quillet", StoreScope::MachineWide},
      {std::string(std::getenv("ProgramFiles(x86)")) + "\\Quillet", StoreScope::MachineWide},
      {localPrograms + "\\Programs\\Quillet", StoreScope::PerUser},
      {programFiles + " Old\\Quillet", StoreScope::PerUser},
      {"D:\\Tools\\Quillet", StoreScope::PerUser}};
  for (const auto& [folder, scope] : cases) EXPECT_EQ(ScopeOfProgramFolder(folder), scope) << folder;
}

}  // namespace
}  // namespace quillet
