#include "app/command_line.h"

namespace app {

StartupValues g_startup;

namespace {

// The text from pos on, or empty past the end.
std::wstring From(const std::wstring& text, size_t pos) {
  return pos < text.size() ? text.substr(pos) : std::wstring();
}

// From the first double quote up to and including the next one; the whole
// rest without a closing quote; empty without any quote.
std::wstring FirstQuoted(const std::wstring& text) {
  size_t open = text.find(L'"');
  if (open == std::wstring::npos) return std::wstring();
  size_t close = text.find(L'"', open + 1);
  if (close == std::wstring::npos) return text.substr(open);
  return text.substr(open, close - open + 1);
}

}  // namespace

void ParseCommandLine(const std::wstring& line, StartupValues& v) {
  v = StartupValues();
  auto has = [&line](const wchar_t* sw) { return line.find(sw) != std::wstring::npos; };
  if (has(L"/assistant")) { v.assistant = true; return; }
  if (has(L"/fast")) { v.fast = true; return; }
  // Before the shorter switch it contains.
  if (has(L"/runByClientCritical")) { v.runByClientCritical = true; return; }
  if (has(L"/runByClient")) { v.runByClient = true; return; }
  if (has(L"/restart")) v.restart = true;
  if (has(L"/auto")) v.autoStart = true;
  if (v.restart || v.autoStart) return;

  size_t pos;
  if (has(L"/setlongname")) {
    // Expected at the very start, followed by one blank.
    v.rc = rcSetLongName;
    v.rcArgument = From(line, 13);
    return;
  }
  if ((pos = line.find(L"/download")) != std::wstring::npos) {
    v.rc = rcDownload;
    v.rcArgument = From(line, pos + 10);
    return;
  }
  if (has(L"/crc")) { v.rc = rcCrc; return; }
  // Longest first: each later switch is a prefix of an earlier one.
  if (has(L"/uninstall")) {
    v.rc = rcUninstall;
    v.uninstallPath = FirstQuoted(line);
    return;
  }
  if ((pos = line.find(L"/ug")) != std::wstring::npos) {
    v.rc = rcUninstallGuest;
    v.uninstallPath = FirstQuoted(line);
    v.rcArgument = From(line, pos + v.uninstallPath.size() + 5);
    return;
  }
  if ((pos = line.find(L"/u")) != std::wstring::npos) {
    v.rc = rcUninstallFrom;
    v.rcArgument = From(line, pos + 3);
    return;
  }
}

const wchar_t* RunCommandLogName(int rc) {
  switch (rc) {
    case rcUninstall: return L"CLogic::rcUninstall";
    case rcUninstallFrom: return L"CLogic::rcUninstallFrom";
    default: return L"CLogic::rcNone";
  }
}

}  // namespace app
