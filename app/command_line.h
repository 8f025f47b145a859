// The start-up values read from the command line, set once before any
// thread starts and read-only afterwards.
#pragma once

#include <string>

namespace app {

// Run commands.
enum RunCommand {
  rcNone = 0,
  rcUninstall = 1,
  rcUninstallFrom = 2,
  rcUninstallGuest = 3,
  rcDownload = 4,
  rcCrc = 5,
  rcSetLongName = 6,
};

struct StartupValues {
  int rc = rcNone;
  std::wstring rcArgument;
  std::wstring uninstallPath;
  bool assistant = false;
  bool fast = false;
  bool runByClient = false;
  bool runByClientCritical = false;
  bool restart = false;
  bool autoStart = false;
};

// Fills values from the command line (without the program name). Every test
// is a case-sensitive substring search; see the switch order in the source.
void ParseCommandLine(const std::wstring& commandLine, StartupValues& values);

// The name the log gives a run command in "g_rc = ".
const wchar_t* RunCommandLogName(int rc);

// The process-wide values.
extern StartupValues g_startup;

}  // namespace app
