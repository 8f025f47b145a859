// Runs the built Launcher.exe as a player's machine would and looks at what
// it leaves behind.
#include <gtest/gtest.h>

#include <windows.h>

#include "app/entry.h"
#include "core/config/executable_crc.h"
#include "core/config/slots.h"
#include "core/handle.h"
#include "support/process.h"
#include "support/temp_folder.h"
#include "test_paths.h"

namespace {

// A copy of Launcher.exe in a fresh folder.
struct Installation {
  test::TempFolder folder;
  std::wstring exe;
  explicit Installation(const wchar_t* name = L"Launcher.exe") : exe(folder / name) {
    EXPECT_TRUE(test::CopyFileTo(LAUNCHER_EXE_PATH, exe));
  }
  long Run(const std::wstring& arguments) { return test::RunProcess(exe, arguments, folder.Path()); }
  // The launcher log of the run (the only *.log in the folder).
  std::string Log() {
    WIN32_FIND_DATAW found;
    HANDLE search = ::FindFirstFileW((folder / L"*.log").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return std::string();
    ::FindClose(search);
    return test::ReadFileBytes(folder / found.cFileName);
  }
};

uint32_t CrcFileValue(const std::string& text) {
  EXPECT_FALSE(text.empty());
  EXPECT_EQ(std::string::npos, text.find_first_not_of("0123456789")) << text;
  return static_cast<uint32_t>(std::stoul(text));
}

TEST(LauncherProcess, CrcSwitchWritesTheChecksumAndIgnoresPatchedSlots) {
  Installation install;
  ASSERT_EQ(0, install.Run(L"/crc"));
  const std::string first = test::ReadFileBytes(install.folder / L"crc.txt");
  ASSERT_EQ(0, install.Run(L"/crc"));
  EXPECT_EQ(first, test::ReadFileBytes(install.folder / L"crc.txt"));
  // The same number the checksum code computes over the file.
  std::string image = test::ReadFileBytes(install.exe);
  uint32_t expected = 0;
  ASSERT_EQ(static_cast<DWORD>(ERROR_SUCCESS), core::ExecutableCrc(&image, 0, &expected));
  EXPECT_EQ(expected, CrcFileValue(first));
  // Nothing else is written: no log without a window either.
  EXPECT_EQ("", install.Log());

  // A distributor patches every slot of another copy: the checksum stays.
  Installation branded;
  std::string patched = image;
  for (int s = 0; s < core::kSlotCount; ++s) {
    std::string marker = core::SlotMarker(static_cast<core::Slot>(s));
    size_t at = patched.find(marker);
    ASSERT_NE(std::string::npos, at) << marker;
    patched.replace(at + marker.size() + 1, 5, "value");
  }
  ASSERT_TRUE(test::WriteFileBytes(branded.exe, patched));
  ASSERT_EQ(0, branded.Run(L"/crc"));
  EXPECT_EQ(first, test::ReadFileBytes(branded.folder / L"crc.txt"));
}

TEST(LauncherProcess, CrcReplacesAReadOnlyLeftover) {
  Installation install;
  const std::wstring crc = install.folder / L"crc.txt";
  ASSERT_TRUE(test::WriteFileBytes(crc, "stale"));
  ::SetFileAttributesW(crc.c_str(), FILE_ATTRIBUTE_READONLY);
  ASSERT_EQ(0, install.Run(L"/crc"));
  CrcFileValue(test::ReadFileBytes(crc));
}

TEST(LauncherProcess, PlainStartLogsHeaderAndRunMode) {
  Installation install;
  ASSERT_EQ(0, install.Run(L""));
  const std::string log = install.Log();
  EXPECT_EQ(0u, log.find("=")) << log;  // a title line, no byte-order mark
  for (const char* line : {" launcher started ", "\r\nv0.1.0.1\r\n", "OS: Microsoft Windows",
                           "Command line:\r\n\r\nParse command line\r\n", "g_rc = CLogic::rcNone\r\n",
                           "Launcher run mode: rmInstall\r\n", "pLogic->init() succeed\r\n",
                           "pLogic->run() succeed\r\n", "pLogic->uninit() succeed\r\n",
                           "Launcher finished\r\n"})
    EXPECT_NE(std::string::npos, log.find(line)) << line << "\n" << log;
}

TEST(LauncherProcess, PortableInstallationIsUpdatedAndFastModeLogged) {
  Installation install;
  ASSERT_TRUE(test::WriteFileBytes(install.folder / L"guest.dat", ""));
  ASSERT_EQ(0, install.Run(L"/fast"));
  const std::string log = install.Log();
  EXPECT_NE(std::string::npos, log.find("Use fast update mode\r\n")) << log;
  EXPECT_NE(std::string::npos, log.find("Launcher run mode:   Portable, rmUpdate\r\n")) << log;
}

TEST(LauncherProcess, SecondUninstallerExitsWhileTheFirstRuns) {
  // This test plays the first uninstaller by holding its mutex.
  core::CScopedHandle mutex(::CreateMutexA(nullptr, TRUE, app::kUninstallerMutexName));
  ASSERT_TRUE(mutex.IsValid());
  Installation install;
  ASSERT_EQ(0, install.Run(L"/uninstall \"C:\\Games\\Game\""));
  const std::string log = install.Log();
  EXPECT_NE(std::string::npos, log.find("g_rc = CLogic::rcUninstall\r\n")) << log;
  EXPECT_NE(std::string::npos, log.find("other launcher instance detected, exiting\r\n")) << log;
  EXPECT_EQ(std::string::npos, log.find("Launcher run mode")) << log;
  EXPECT_NE(std::string::npos, log.find("Launcher finished")) << log;
  ::ReleaseMutex(mutex.Get());
}

TEST(LauncherProcess, UninstallWithoutAnotherInstanceRuns) {
  Installation install;
  ASSERT_EQ(0, install.Run(L"/u C:\\Games\\Game"));
  const std::string log = install.Log();
  EXPECT_NE(std::string::npos, log.find("g_rc = CLogic::rcUninstallFrom\r\n")) << log;
  EXPECT_NE(std::string::npos, log.find("Launcher run mode: rmUninstaller\r\n")) << log;
}

}  // namespace
