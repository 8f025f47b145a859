#include "core/file.h"

#include <algorithm>

namespace core {

CFileT<wchar_t> OpenFile(const std::wstring& path, DWORD access, DWORD share,
                         DWORD disposition, DWORD flags) {
  return CFileT<wchar_t>(
      ::CreateFileW(path.c_str(), access, share, nullptr, disposition, flags, nullptr));
}

bool FileExists(const std::wstring& path) {
  DWORD attributes = ::GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool ReadWholeFile(const std::wstring& path, std::string& bytes, unsigned long long maxBytes) {
  bytes.clear();
  CFileT<wchar_t> file = OpenFile(path, GENERIC_READ, FILE_SHARE_READ, OPEN_EXISTING);
  if (!file.IsOpen()) return false;
  LARGE_INTEGER size;
  if (!::GetFileSizeEx(file.Get(), &size)) return false;
  if (static_cast<unsigned long long>(size.QuadPart) > maxBytes) {
    ::SetLastError(ERROR_FILE_TOO_LARGE);
    return false;
  }
  bytes.resize(static_cast<size_t>(size.QuadPart));
  size_t done = 0;
  while (done < bytes.size()) {
    DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1u << 24));
    DWORD read = 0;
    if (!::ReadFile(file.Get(), &bytes[done], chunk, &read, nullptr)) return false;
    if (read == 0) {
      // The file shrank while we read it.
      bytes.resize(done);
      break;
    }
    done += read;
  }
  return true;
}

bool WriteAll(HANDLE file, const void* data, size_t size) {
  const char* p = static_cast<const char*>(data);
  while (size > 0) {
    DWORD chunk = static_cast<DWORD>(std::min<size_t>(size, 1u << 24));
    DWORD written = 0;
    if (!::WriteFile(file, p, chunk, &written, nullptr)) return false;
    if (written == 0) {
      ::SetLastError(ERROR_WRITE_FAULT);
      return false;
    }
    p += written;
    size -= written;
  }
  return true;
}

}  // namespace core
