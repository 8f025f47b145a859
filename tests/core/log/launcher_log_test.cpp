#include "core/log/launcher_log.h"

#include <gtest/gtest.h>

#include "support/temp_folder.h"

namespace {

TEST(LauncherLog, TitleIsCentredInEightyColumns) {
  std::wstring line = core::TitleLine(L"launcher started");
  ASSERT_EQ(80u, line.size());
  EXPECT_EQ(L" launcher started ", line.substr(31, 18));  // blank at (78 - 16) / 2
  EXPECT_EQ(std::wstring(31, L'='), line.substr(0, 31));
  std::wstring longText(76, L'x');
  EXPECT_EQ(L"=== " + longText + L" ===", core::TitleLine(longText));
}

TEST(LauncherLog, WritesUtf8LinesWithoutByteOrderMark) {
  test::TempFolder folder;
  const std::wstring path = folder / L"a.log";
  core::CLogImplW log;
  EXPECT_FALSE(log.WriteLine(L"closed"));
  ASSERT_TRUE(log.Open(path.c_str()));
  EXPECT_FALSE(log.Open(path.c_str()));  // already open
  log.SetUtf8(true);
  EXPECT_TRUE(log.WriteLine(L"Launcher run mode: ", false));
  EXPECT_TRUE(log.WriteLine(L"rmInstall \u00e9\u0436"));
  EXPECT_TRUE(log.SetMuted(true));
  EXPECT_TRUE(log.WriteLine(L"muted"));
  log.SetMuted(false);
  EXPECT_TRUE(log.WriteBlankLines(2));
  EXPECT_FALSE(log.WriteBlankLines(11));
  log.Close();
  EXPECT_EQ("Launcher run mode: rmInstall \xc3\xa9\xd0\xb6\r\n\r\n\r\n", test::ReadFileBytes(path));
}

TEST(LauncherLog, NameTakesTheFirstFreeOfAHundred) {
  test::TempFolder folder;
  SYSTEMTIME now = {};
  now.wYear = 2026; now.wMonth = 12; now.wDay = 9; now.wHour = 15; now.wMinute = 30; now.wSecond = 12;
  const std::wstring exe = folder / L"Launcher.exe";
  EXPECT_EQ(folder / L"20261209_153012.Launcher.exe.log", core::ChooseLauncherLogName(exe, now));
  test::WriteFileBytes(folder / L"20261209_153012.Launcher.exe.log", "x");
  test::WriteFileBytes(folder / L"20261209_153012_1.Launcher.exe.log", "x");
  EXPECT_EQ(folder / L"20261209_153012_2.Launcher.exe.log", core::ChooseLauncherLogName(exe, now));
  EXPECT_EQ(L"Launcher.exe.log", core::ChooseLauncherLogName(L"Launcher.exe", now));
}

}  // namespace
