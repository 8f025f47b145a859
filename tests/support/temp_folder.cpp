#include "support/temp_folder.h"

#include <windows.h>

#include <atomic>
#include <cstdio>

#include "core/file.h"

namespace test {

TempFolder::TempFolder() {
  static std::atomic<int> counter{0};
  wchar_t base[MAX_PATH];
  ::GetTempPathW(MAX_PATH, base);
  wchar_t name[128];
  std::swprintf(name, 128, L"launcher test \u00e9\u00df\u0436 %lu-%d",
                ::GetCurrentProcessId(), counter++);
  path_ = std::wstring(base) + name;
  RemoveTree(path_);
  ::CreateDirectoryW(path_.c_str(), nullptr);
}

TempFolder::~TempFolder() { RemoveTree(path_); }

bool WriteFileBytes(const std::wstring& path, const std::string& bytes) {
  core::CFileT<wchar_t> file = core::OpenFile(path, GENERIC_WRITE, 0, CREATE_ALWAYS);
  return file.IsOpen() && core::WriteAll(file.Get(), bytes.data(), bytes.size());
}

std::string ReadFileBytes(const std::wstring& path) {
  std::string bytes;
  core::ReadWholeFile(path, bytes);
  return bytes;
}

bool MakeFolder(const std::wstring& path) { return ::CreateDirectoryW(path.c_str(), nullptr) != 0; }

void RemoveTree(const std::wstring& path) {
  WIN32_FIND_DATAW found;
  HANDLE search = ::FindFirstFileW((path + L"\\*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      std::wstring name = found.cFileName;
      if (name == L"." || name == L"..") continue;
      std::wstring child = path + L"\\" + name;
      if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        RemoveTree(child);
      } else {
        ::SetFileAttributesW(child.c_str(), FILE_ATTRIBUTE_NORMAL);
        ::DeleteFileW(child.c_str());
      }
    } while (::FindNextFileW(search, &found));
    ::FindClose(search);
  }
  ::RemoveDirectoryW(path.c_str());
}

}  // namespace test
