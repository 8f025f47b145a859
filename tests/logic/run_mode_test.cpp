#include "logic/run_mode.h"

#include <gtest/gtest.h>

#include "app/command_line.h"
#include "support/temp_folder.h"

namespace {

using namespace logic;

struct Case {
  const wchar_t* exeName;
  bool guestFile;
  bool registered;
  int rc;
  int mode;
  bool guest;
  bool usesNetwork;
  const char* log;  // what follows "Launcher run mode: "
};

TEST(RunMode, DecisionOverRealFolders) {
  const Case cases[] = {
      {L"Launcher.exe", false, false, 0, rmInstall, false, true, "rmInstall"},
      {L"launcher.EXE", false, true, 0, rmUpdate, false, true, "rmUpdate"},
      {L"Launcher.exe", true, false, 0, rmUpdate, true, true, "  Portable, rmUpdate"},
      {L"Launcher.tmp.exe", true, false, 0, rmUpdate, true, true, "  Portable, rmUpdate"},
      // Another name ignores guest.dat beside it...
      {L"Setup.exe", true, false, 0, rmInstall, false, true, "rmInstall"},
      {L"Setup.exe", true, false, app::rcUninstallFrom, rmUninstaller, false, false, "rmUninstaller"},
      // ... except under /ug, which is always portable.
      {L"UNS1A2.tmp", false, false, app::rcUninstallGuest, rmUninstaller, true, false, "rmUninstaller"},
      {L"Launcher.exe", false, true, app::rcUninstall, rmUninstaller, false, false, "rmUninstaller"},
      {L"Launcher.exe", false, false, app::rcDownload, rmUnknown, false, false, "  rmUnknown"},
      {L"Launcher.exe", false, true, app::rcDownload, rmDownload, false, true, "  rmDownload"},
      {L"Launcher.exe", true, false, app::rcDownload, rmDownload, true, true, "  Portable,   rmDownload"},
      {L"Game.exe", true, true, app::rcDownload, rmUnknown, true, false, "  rmUnknown"},
  };
  int index = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(index++);
    test::TempFolder folder;
    if (c.guestFile) {
      ASSERT_TRUE(test::WriteFileBytes(folder / L"guest.dat", ""));
    }
    // Registered folders are compared in their normal form.
    std::wstring registered = L"\"" + folder.Path() + L"\\\"";
    for (auto& ch : registered) {
      if (ch == L'\\') ch = L'/';
    }
    std::vector<std::wstring> list{L"C:\\Other"};
    if (c.registered) list.push_back(registered);

    const std::wstring logPath = folder / L"decision.log";
    core::CLogImplW log;
    ASSERT_TRUE(log.Open(logPath.c_str()));
    log.SetUtf8(true);
    RunModeDecision d = DecideRunMode(c.rc, L"", folder / c.exeName, list, &log);
    log.Close();
    EXPECT_EQ(c.mode, d.mode);
    EXPECT_EQ(c.guest, d.guest);
    EXPECT_EQ(c.usesNetwork, d.usesNetwork);
    EXPECT_EQ(std::string("Launcher run mode: ") + c.log + "\r\n", test::ReadFileBytes(logPath));
  }
}

TEST(RunMode, SetLongNameLooksForGuestMarkInItsArgument) {
  test::TempFolder exeFolder, target;
  ASSERT_TRUE(test::WriteFileBytes(target / L"guest.dat", ""));
  RunModeDecision d = DecideRunMode(app::rcSetLongName, target.Path(), exeFolder / L"RNM1.tmp",
                                    {}, nullptr);
  EXPECT_EQ(rmSetLongName, d.mode);
  EXPECT_TRUE(d.guest);
  EXPECT_FALSE(d.usesNetwork);
  d = DecideRunMode(app::rcSetLongName, exeFolder.Path(), exeFolder / L"RNM1.tmp", {}, nullptr);
  EXPECT_FALSE(d.guest);
}

TEST(RunMode, FolderNormalForm) {
  EXPECT_EQ(NormalizeFolder(L"C:\\Games\\My Game"), NormalizeFolder(L"\"c:/games//MY GAME/\""));
  EXPECT_NE(NormalizeFolder(L"C:\\Games\\A"), NormalizeFolder(L"C:\\Games\\AB"));
  EXPECT_EQ(L"\\\\server\\share", NormalizeFolder(L"\\\\server\\\\share\\"));
}

}  // namespace
