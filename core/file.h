// Holder of one Win32 file handle. Callers open, read, write and size the
// file with the system calls; the holder guarantees the handle is closed.
#pragma once

#include <windows.h>

#include <string>

#include "core/handle.h"

namespace core {

template <class Char>
class CFileT {
 public:
  CFileT() = default;
  explicit CFileT(HANDLE h) : handle_(h) {}
  virtual ~CFileT() = default;

  CFileT(CFileT&&) noexcept = default;
  CFileT& operator=(CFileT&&) noexcept = default;

  HANDLE Get() const { return handle_.Get(); }
  bool IsOpen() const { return handle_.IsValid(); }
  void Attach(HANDLE h) { handle_.Reset(h); }
  void Close() { handle_.Close(); }

 private:
  CScopedFileHandle handle_;
};

using CFile = CFileT<char>;

// Opens a file with CreateFileW; the result is closed with the object.
CFileT<wchar_t> OpenFile(const std::wstring& path, DWORD access, DWORD share,
                         DWORD disposition, DWORD flags = FILE_ATTRIBUTE_NORMAL);

bool FileExists(const std::wstring& path);

// Reads a whole file into bytes. False (detail in GetLastError) when the file
// cannot be opened or read, or is larger than maxBytes.
bool ReadWholeFile(const std::wstring& path, std::string& bytes,
                   unsigned long long maxBytes = 0x7FFFFFFF);

// Writes all bytes, retrying short writes. False on any failure.
bool WriteAll(HANDLE file, const void* data, size_t size);

}  // namespace core
