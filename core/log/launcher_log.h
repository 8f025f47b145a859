// The launcher log: one text file per process start beside the executable.
// Every write is one prepared text; a closed log makes writes no-ops that
// report false, a muted one reports true without writing.
#pragma once

#include <windows.h>

#include <string>

#include "core/file.h"

namespace core {

class CLogImplW {
 public:
  CLogImplW() = default;
  virtual ~CLogImplW() { Close(); }
  CLogImplW(const CLogImplW&) = delete;
  CLogImplW& operator=(const CLogImplW&) = delete;

  virtual bool Open(const wchar_t* path);
  virtual void Close() { file_.Close(); }
  virtual bool IsOpen() const { return file_.IsOpen(); }
  virtual bool Truncate();
  virtual bool WriteTitle(const std::wstring& text, bool newLine);
  virtual bool WriteSeparator();
  virtual bool WriteLine(const std::wstring& text, bool newLine = true);
  virtual bool WriteTimePrefix();
  virtual bool WriteDateTitle();
  virtual bool WriteBlankLines(int count);
  virtual bool SetMuted(bool muted);
  virtual bool IsMuted() const { return muted_; }
  virtual void SetFlushEachWrite(bool flush) { flushEachWrite_ = flush; }
  virtual void SetUtf8(bool utf8) { utf8_ = utf8; }
  virtual bool WriteRaw(size_t byteCount, const wchar_t* text);

 private:
  bool Emit(const std::wstring& text);

  CFileT<wchar_t> file_;
  bool muted_ = false;
  bool flushEachWrite_ = false;
  bool utf8_ = false;
};

// The line of a title: the text centred in "=" over 80 characters.
std::wstring TitleLine(const std::wstring& text);

// The log file for the executable at exePath: the first free name of the
// form date_time[_n].exe-name.log in its folder, up to 100 tries.
std::wstring ChooseLauncherLogName(const std::wstring& exePath, const SYSTEMTIME& now);

}  // namespace core
