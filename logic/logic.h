// The one object that owns the launcher's work for the life of the process.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "core/handle.h"
#include "core/log/launcher_log.h"
#include "logic/run_mode.h"

namespace logic {

class CLogic {
 public:
  enum RunCommand { rcNone = 0, rcUninstall = 1, rcUninstallFrom = 2 };

  CLogic() = default;
  virtual ~CLogic() = default;
  CLogic(const CLogic&) = delete;
  CLogic& operator=(const CLogic&) = delete;

  // Configuration and theme. Until the embedded configuration is read this
  // succeeds with logging switched on.
  virtual bool preinit() { logLauncher_ = true; return true; }
  virtual bool init(int rc, const std::wstring& rcArgument);
  virtual bool run();
  virtual void uninit();

  bool LogLauncherEnabled() const { return logLauncher_; }
  void SetLog(core::CLogImplW* log) { log_ = log; }
  core::CLogImplW* Log() const { return log_; }

  // Start-up values copied in by the entry before init.
  void SetUninstallPath(const std::wstring& path) { uninstallPath_ = path; }
  void SetFast(bool fast) { fast_ = fast; }
  void SetStartedByClient(bool value) { startedByClient_ = value; }
  void SetStartedByClientCritical(bool value) { startedByClientCritical_ = value; }
  void SetRestart(bool value) { restart_ = value; }
  void SetAuto(bool value) { auto_ = value; }

  // The uninstaller's single-instance mutex.
  core::CScopedHandle& UninstallerMutex() { return uninstallerMutex_; }

  void DecideRunMode(int rc, const std::wstring& rcArgument);
  int RunModeValue() const { return runMode_.mode; }
  bool Guest() const { return runMode_.guest; }
  bool UsesNetwork() const { return runMode_.usesNetwork; }
  bool StartedByClient() const { return startedByClient_; }

 protected:
  // The registered installation folders; none until the installation list
  // is read from the registry.
  virtual std::vector<std::wstring> RegisteredFolders() const { return {}; }

  core::CLogImplW* log_ = nullptr;
  bool logLauncher_ = false;
  RunModeDecision runMode_;
  int rc_ = rcNone;
  std::wstring rcArgument_;
  std::wstring uninstallPath_;
  bool fast_ = false;
  bool startedByClient_ = false;
  bool startedByClientCritical_ = false;
  bool restart_ = false;
  bool auto_ = false;
  core::CScopedHandle uninstallerMutex_;
};

}  // namespace logic
