#include "logic/run_mode.h"

#include <windows.h>

#include "app/command_line.h"
#include "core/file.h"

namespace logic {
namespace {

std::wstring FolderOf(const std::wstring& path) {
  size_t slash = path.find_last_of(L"\\/");
  return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash);
}

std::wstring FileNameOf(const std::wstring& path) {
  size_t slash = path.find_last_of(L"\\/");
  return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

bool HasGuestMark(const std::wstring& folder) {
  std::wstring f = folder;
  while (!f.empty() && (f.back() == L'\\' || f.back() == L'/')) f.pop_back();
  return !f.empty() && core::FileExists(f + L"\\guest.dat");
}

bool SameNameIgnoringCase(const std::wstring& a, const wchar_t* b) {
  return ::CompareStringOrdinal(a.c_str(), -1, b, -1, TRUE) == CSTR_EQUAL;
}

}  // namespace

std::wstring NormalizeFolder(const std::wstring& folder) {
  std::wstring out;
  for (wchar_t c : folder) {
    if (c == L'"') continue;
    if (c == L'/') c = L'\\';
    // Keep a leading double backslash (a network path); collapse the rest.
    if (c == L'\\' && out.size() > 1 && out.back() == L'\\') continue;
    out += c;
  }
  while (out.size() > 1 && out.back() == L'\\') out.pop_back();
  if (!out.empty()) {
    ::CharLowerBuffW(&out[0], static_cast<DWORD>(out.size()));
  }
  return out;
}

RunModeDecision DecideRunMode(int rc, const std::wstring& rcArgument, const std::wstring& exePath,
                              const std::vector<std::wstring>& registeredFolders,
                              core::CLogImplW* log) {
  RunModeDecision d;
  auto write = [log](const wchar_t* text, bool newLine) {
    if (log) log->WriteLine(text, newLine);
  };
  write(L"Launcher run mode: ", false);

  if (rc == app::rcSetLongName) {
    d.mode = rmSetLongName;
    d.usesNetwork = false;
    d.guest = HasGuestMark(rcArgument);
    write(L"rmSetLongName", true);
    return d;
  }

  const std::wstring folder = FolderOf(exePath);
  d.guest = HasGuestMark(folder);
  bool registered = false;
  const std::wstring normalized = NormalizeFolder(folder);
  for (const std::wstring& each : registeredFolders)
    if (NormalizeFolder(each) == normalized) registered = true;
  const std::wstring fileName = FileNameOf(exePath);
  const bool named = SameNameIgnoringCase(fileName, L"Launcher.exe");

  if (rc == app::rcDownload) {
    if (!named || !(d.guest || registered)) {
      d.mode = rmUnknown;
      write(L"  rmUnknown", true);
      return d;
    }
    d.mode = rmDownload;
    d.usesNetwork = true;
    if (d.guest) write(L"  Portable, ", false);
    write(L"  rmDownload", true);
    return d;
  }

  const bool tempCopy = !named && SameNameIgnoringCase(fileName, L"Launcher.tmp.exe");
  if (!named && !tempCopy) d.guest = false;
  if ((named || tempCopy) && d.guest) write(L"  Portable, ", false);
  if (rc == app::rcUninstallGuest) d.guest = true;
  if (rc == app::rcUninstall || rc == app::rcUninstallFrom || rc == app::rcUninstallGuest) {
    d.mode = rmUninstaller;
    d.usesNetwork = false;
    write(L"rmUninstaller", true);
  } else if (registered || d.guest) {
    d.mode = rmUpdate;
    d.usesNetwork = true;
    write(L"rmUpdate", true);
  } else {
    d.mode = rmInstall;
    d.usesNetwork = true;
    write(L"rmInstall", true);
  }
  return d;
}

}  // namespace logic
