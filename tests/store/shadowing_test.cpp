#include "store/shadowing.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "tests/support/temp_program_folder.h"

namespace quillet {
namespace {

TEST(ShadowIndex, FindsWhatTheRunDialogWouldStartFirst) {
  testing::TempProgramFolder root;
  for (const char* folder : {"win", "sys", "path", "path\\dir.exe"}) CreateDirectoryA(root.File(folder).c_str(), nullptr);
  for (const char* file : {"win\\tool.exe", "sys\\tool.com", "sys\\both.exe", "sys\\both.com", "path\\late.bat",
                           "path\\script.vbs", "path\\noext"}) {
    testing::WriteFileBytes(root.File(file), "x");
  }
  const std::vector<std::string> folders{root.File("win"), root.File("sys\\"), root.File("path"), root.File("win")};
  const ShadowIndex comFirst({folders, {".COM", ".EXE", ".BAT"}});
  EXPECT_EQ(comFirst.Find("Tool"), root.File("win\\tool.exe"));  // the Windows folder comes first
  EXPECT_EQ(comFirst.Find("both"), root.File("sys\\both.com"));  // then PATHEXT's order
  EXPECT_EQ(comFirst.Find("late"), root.File("path\\late.bat"));
  for (const char* free : {"script", "noext", "dir", "nothing"}) EXPECT_EQ(comFirst.Find(free), "") << free;
  EXPECT_EQ(ShadowIndex({folders, {".exe", ".com"}}).Find("both"), root.File("sys\\both.exe"));

  EXPECT_EQ(ShadowedNameQuestion("notepad", "C:\\Windows\\notepad.exe"),
            "Windows starts C:\\Windows\\notepad.exe when you type 'notepad', not this command. Save it anyway?");
}

}  // namespace
}  // namespace quillet
