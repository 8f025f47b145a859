// The run-mode decision: what this start of the launcher does, from the run
// command and the files beside the executable.
#pragma once

#include <string>
#include <vector>

#include "core/log/launcher_log.h"

namespace logic {

enum RunMode {
  rmUnknown = -1,
  rmInstall = 0,
  rmUpdate = 1,
  rmUninstaller = 2,
  rmDownload = 3,
  rmSetLongName = 4,
};

struct RunModeDecision {
  int mode = rmUnknown;
  bool guest = false;
  bool usesNetwork = false;
};

// The form in which installation folders are compared: no double quotes,
// backslashes only, no doubled or trailing backslashes, lower case.
std::wstring NormalizeFolder(const std::wstring& folder);

// Decides the mode for the executable at exePath and logs it.
RunModeDecision DecideRunMode(int rc, const std::wstring& rcArgument, const std::wstring& exePath,
                              const std::vector<std::wstring>& registeredFolders,
                              core::CLogImplW* log);

}  // namespace logic
