#include "core/log/launcher_log.h"

#include <cstdio>

#include "core/text.h"

namespace core {
namespace {

std::wstring LocalTimeText() {
  SYSTEMTIME t;
  ::GetLocalTime(&t);
  wchar_t text[64];
  std::swprintf(text, 64, L"%d/%d/%d -- %02d:%02d:%02d", t.wDay, t.wMonth, t.wYear, t.wHour,
                t.wMinute, t.wSecond);
  return text;
}

}  // namespace

std::wstring TitleLine(const std::wstring& text) {
  if (text.size() + 4 > 79) return L"=== " + text + L" ===";
  std::wstring line(80, L'=');
  size_t blank = (78 - text.size()) / 2;
  line[blank] = L' ';
  line.replace(blank + 1, text.size(), text);
  line[blank + 1 + text.size()] = L' ';
  return line;
}

std::wstring ChooseLauncherLogName(const std::wstring& exePath, const SYSTEMTIME& now) {
  size_t slash = exePath.find_last_of(L'\\');
  if (slash == std::wstring::npos) return exePath + L".log";
  std::wstring folder = exePath.substr(0, slash + 1), name = exePath.substr(slash + 1);
  std::wstring candidate;
  for (int n = 0; n < 100; ++n) {
    wchar_t suffix[16] = L"";
    if (n) std::swprintf(suffix, 16, L"_%d", n);
    wchar_t stamp[64];
    std::swprintf(stamp, 64, L"%04d%02d%02d_%02d%02d%02d", now.wYear, now.wMonth, now.wDay,
                  now.wHour, now.wMinute, now.wSecond);
    candidate = folder + stamp + suffix + L"." + name + L".log";
    if (::GetFileAttributesW(candidate.c_str()) == INVALID_FILE_ATTRIBUTES) break;
  }
  return candidate;
}

bool CLogImplW::Open(const wchar_t* path) {
  if (!path || file_.IsOpen()) return false;
  file_ = OpenFile(path, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, OPEN_ALWAYS);
  if (!file_.IsOpen()) return false;
  return Truncate();
}

bool CLogImplW::Truncate() {
  if (!IsOpen()) return false;
  LARGE_INTEGER zero = {};
  return ::SetFilePointerEx(file_.Get(), zero, nullptr, FILE_BEGIN) &&
         ::SetEndOfFile(file_.Get());
}

bool CLogImplW::Emit(const std::wstring& text) {
  if (!IsOpen()) return false;
  if (muted_) return true;
  bool ok;
  if (utf8_) {
    std::string bytes = WideToUtf8(text);
    ok = WriteAll(file_.Get(), bytes.data(), bytes.size());
  } else {
    ok = WriteAll(file_.Get(), text.data(), text.size() * sizeof(wchar_t));
  }
  if (ok && flushEachWrite_) ::FlushFileBuffers(file_.Get());
  return ok;
}

bool CLogImplW::WriteTitle(const std::wstring& text, bool newLine) {
  return Emit(TitleLine(text) + (newLine ? L"\r\n" : L""));
}

bool CLogImplW::WriteSeparator() { return Emit(std::wstring(80, L'=') + L"\r\n"); }

bool CLogImplW::WriteLine(const std::wstring& text, bool newLine) {
  return Emit(newLine ? text + L"\r\n" : text);
}

bool CLogImplW::WriteTimePrefix() { return Emit(LocalTimeText() + L"  :"); }

bool CLogImplW::WriteDateTitle() { return WriteTitle(LocalTimeText(), true); }

bool CLogImplW::WriteBlankLines(int count) {
  if (count < 1 || count > 10) return false;
  std::wstring lines;
  for (int i = 0; i < count; ++i) lines += L"\r\n";
  return Emit(lines);
}

bool CLogImplW::SetMuted(bool muted) {
  bool changed = muted_ != muted;
  muted_ = muted;
  return changed;
}

bool CLogImplW::WriteRaw(size_t byteCount, const wchar_t* text) {
  if (!text) return false;
  if (utf8_) return Emit(text);
  if (!IsOpen()) return false;
  if (muted_) return true;
  return WriteAll(file_.Get(), text, byteCount);
}

}  // namespace core
