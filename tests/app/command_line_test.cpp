#include "app/command_line.h"

#include <gtest/gtest.h>

namespace {

using app::StartupValues;

struct Case {
  const wchar_t* line;
  int rc;
  const wchar_t* rcArgument;
  const wchar_t* uninstallPath;
  // assistant, fast, runByClient, runByClientCritical, restart, auto
  const char* flags;
};

std::string Flags(const StartupValues& v) {
  std::string f;
  f += v.assistant ? 'A' : '-';
  f += v.fast ? 'F' : '-';
  f += v.runByClient ? 'C' : '-';
  f += v.runByClientCritical ? 'K' : '-';
  f += v.restart ? 'R' : '-';
  f += v.autoStart ? 'U' : '-';
  return f;
}

TEST(CommandLine, SwitchTable) {
  const Case cases[] = {
      {L"", 0, L"", L"", "------"},
      {L"/skiptest", 0, L"", L"", "------"},
      {L"/assistant 1234", 0, L"", L"", "A-----"},
      {L"/assistant /fast /crc", 0, L"", L"", "A-----"},
      {L"/fast", 0, L"", L"", "-F----"},
      {L"/fast /restart", 0, L"", L"", "-F----"},
      {L"/runByClientCritical 99", 0, L"", L"", "---K--"},
      {L"/runByClient 99", 0, L"", L"", "--C---"},
      {L"/restart", 0, L"", L"", "----R-"},
      {L"/restart /uninstall \"C:\\Games\"", 0, L"", L"", "----R-"},
      {L"/auto /restart", 0, L"", L"", "----RU"},
      {L"/auto /crc", 0, L"", L"", "-----U"},
      {L"/setlongname C:\\Games\\New Name /skiptest", 6, L"C:\\Games\\New Name /skiptest", L"", "------"},
      {L"/download C:\\Games\\X", 4, L"C:\\Games\\X", L"", "------"},
      {L"--x /download D:\\G", 4, L"D:\\G", L"", "------"},
      {L"/download", 4, L"", L"", "------"},
      {L"/crc", 5, L"", L"", "------"},
      {L"/uninstall \"C:\\Program Files\\Game\"", 1, L"", L"\"C:\\Program Files\\Game\"", "------"},
      {L"/uninstall \"C:\\Open", 1, L"", L"\"C:\\Open", "------"},
      {L"/uninstall", 1, L"", L"", "------"},
      {L"/ug \"C:\\Games\\P\" C:\\Games\\P", 3, L"C:\\Games\\P", L"\"C:\\Games\\P\"", "------"},
      {L"/ug", 3, L"", L"", "------"},
      {L"/u C:\\Games\\Game Folder", 2, L"C:\\Games\\Game Folder", L"", "------"},
      {L"/u", 2, L"", L"", "------"},
      // Tests are substring searches, case-sensitive.
      {L"/CRC", 0, L"", L"", "------"},
      {L"/Fast", 0, L"", L"", "------"},
  };
  for (const Case& c : cases) {
    StartupValues v;
    v.rc = 77;  // parsing starts from the defaults
    app::ParseCommandLine(c.line, v);
    SCOPED_TRACE(testing::Message() << "line: " << std::string(c.line, c.line + wcslen(c.line)));
    EXPECT_EQ(c.rc, v.rc);
    EXPECT_EQ(std::wstring(c.rcArgument), v.rcArgument);
    EXPECT_EQ(std::wstring(c.uninstallPath), v.uninstallPath);
    EXPECT_EQ(std::string(c.flags), Flags(v));
  }
}

TEST(CommandLine, RunCommandNamesInTheLog) {
  EXPECT_STREQ(L"CLogic::rcUninstall", app::RunCommandLogName(1));
  EXPECT_STREQ(L"CLogic::rcUninstallFrom", app::RunCommandLogName(2));
  EXPECT_STREQ(L"CLogic::rcNone", app::RunCommandLogName(3));
  EXPECT_STREQ(L"CLogic::rcNone", app::RunCommandLogName(0));
}

}  // namespace
