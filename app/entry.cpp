#include "app/entry.h"

#include <commctrl.h>
#include <objbase.h>
#include <shellapi.h>

#include <cwchar>
#include <vector>

#include "app/command_line.h"
#include "app/crc_file.h"
#include "app/failure.h"
#include "assistant/assistant_main.h"
#include "core/config/executable_crc.h"
#include "core/os_description.h"

namespace app {

const char kUninstallerMutexName[] = "Global\\{420B48D2-AC21-4ec6-8295-BB0C8D8BD72C}";

std::wstring ExecutableVersion() {
  std::wstring path = core::ModulePath();
  DWORD ignored = 0;
  DWORD size = ::GetFileVersionInfoSizeW(path.c_str(), &ignored);
  if (!size) return L"0.0.0.0";
  std::vector<char> block(size);
  VS_FIXEDFILEINFO* info = nullptr;
  UINT infoSize = 0;
  if (!::GetFileVersionInfoW(path.c_str(), 0, size, block.data()) ||
      !::VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&info), &infoSize) ||
      !info)
    return L"0.0.0.0";
  wchar_t text[64];
  std::swprintf(text, 64, L"%d.%d.%d.%d", HIWORD(info->dwFileVersionMS),
                LOWORD(info->dwFileVersionMS), HIWORD(info->dwFileVersionLS),
                LOWORD(info->dwFileVersionLS));
  return text;
}

namespace {

bool IsAdministrator() {
  SID_IDENTIFIER_AUTHORITY nt = SECURITY_NT_AUTHORITY;
  PSID administrators = nullptr;
  if (!::AllocateAndInitializeSid(&nt, 2, SECURITY_BUILTIN_DOMAIN_RID,
                                  DOMAIN_ALIAS_RID_ADMINS, 0, 0, 0, 0, 0, 0, &administrators))
    return false;
  BOOL member = FALSE;
  if (!::CheckTokenMembership(nullptr, administrators, &member)) member = FALSE;
  ::FreeSid(administrators);
  return member != FALSE;
}

void RunAssistantSwitch() {
  int count = 0;
  LPWSTR* args = ::CommandLineToArgvW(::GetCommandLineW(), &count);
  if (!args) return;
  if (count == 2) {
    HWND launcher = reinterpret_cast<HWND>(
        static_cast<uintptr_t>(std::wcstoull(args[1], nullptr, 10)));
    if (IsAdministrator()) assistant::RunAssistant(launcher);
    else ::SendNotifyMessageW(launcher, kAssistantNotElevatedMessage, 0, 0);
  }
  ::LocalFree(args);
}

void WriteLogHeader(core::CLogImplW& log, const std::wstring& commandLine, int rc) {
  log.WriteTitle(L"launcher started", true);
  log.WriteLine(L"v" + ExecutableVersion());
  log.WriteDateTitle();
  core::OsDescription os;
  core::GetOsDescription(os);
  log.WriteLine(L"\nOS: " + os.text + L"\n");
  log.WriteLine(L"Command line:");
  log.WriteLine(commandLine);
  log.WriteLine(L"Parse command line");
  log.WriteLine(std::wstring(L"g_rc = ") + RunCommandLogName(rc));
}

void ShowError(const std::wstring& caption, const std::wstring& text) {
  ::MessageBoxW(nullptr, text.c_str(), caption.c_str(), MB_ICONERROR);
}

}  // namespace

int RunEntry(const std::wstring& commandLine, const LogicFactory& createLogic) {
  ParseCommandLine(commandLine, g_startup);
  const StartupValues& v = g_startup;

  if (v.rc == rcCrc) {
    WriteExecutableCrc();
    return 0;
  }
  if (v.assistant) {
    RunAssistantSwitch();
    return 0;
  }

  std::unique_ptr<logic::CLogic> logic = createLogic ? createLogic() : nullptr;
  if (!logic) {
    ShowError(L"Installer Error", L"pLogic: create");
    return 1;
  }

  const bool preinitOk = logic->preinit();
  core::CLogImplW log;
  if (preinitOk && logic->LogLauncherEnabled()) {
    SYSTEMTIME now;
    ::GetLocalTime(&now);
    std::wstring name = core::ChooseLauncherLogName(core::ModulePath(), now);
    log.Open(name.c_str());
  }
  log.SetFlushEachWrite(false);
  log.SetUtf8(true);
  WriteLogHeader(log, commandLine, v.rc);

  const HRESULT com = ::CoInitialize(nullptr);
  INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_BAR_CLASSES | ICC_COOL_CLASSES};
  ::InitCommonControlsEx(&controls);

  logic->SetLog(&log);
  core::CScopedHandle& mutex = logic->UninstallerMutex();

  bool proceed = true;
  if (v.rc == rcUninstall) {
    mutex.Reset(::OpenMutexA(MUTEX_ALL_ACCESS, FALSE, kUninstallerMutexName));
    if (mutex.IsValid() && preinitOk) {
      log.WriteLine(L"other launcher instance detected, exiting");
      proceed = false;
    }
  }
  if (proceed && !preinitOk) {
    ShowError(L"Installer Error", L"g_pSystem->preinit");
    log.WriteLine(L"Installer Error: g_pSystem->preinit");
    proceed = false;
  }

  if (proceed) {
    if ((v.rc == rcUninstall || v.rc == rcUninstallFrom || v.rc == rcUninstallGuest) &&
        !mutex.IsValid())
      mutex.Reset(::CreateMutexA(nullptr, TRUE, kUninstallerMutexName));
    logic->SetUninstallPath(v.uninstallPath);
    logic->SetFast(v.fast);
    logic->SetStartedByClient(v.runByClient || v.runByClientCritical);
    logic->SetStartedByClientCritical(v.runByClientCritical);
    logic->SetRestart(v.restart);
    logic->SetAuto(v.autoStart);
    if (v.fast) log.WriteLine(L"Use fast update mode");

    try {
      if (!logic->init(v.rc, v.rcArgument)) throw 1;
      log.WriteLine(L"pLogic->init() succeed");
      if (!logic->run()) throw 2;
      log.WriteLine(L"pLogic->run() succeed");
      logic->uninit();
      log.WriteLine(L"pLogic->uninit() succeed");
    } catch (...) {
      EntryFailure f = ClassifyFailure(std::current_exception());
      if (f.showBox) ShowError(f.caption, f.text);
      if (f.writeLog) log.WriteLine(f.logLine);
      if (f.uninitFirst) logic->uninit();
    }
  }

  if (mutex.IsValid()) ::ReleaseMutex(mutex.Get());
  mutex.Close();
  logic.reset();
  if (SUCCEEDED(com)) ::CoUninitialize();
  log.WriteLine(L"Launcher finished");
  log.Close();
  return 0;
}

}  // namespace app
