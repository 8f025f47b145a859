#include "app/crc_file.h"

#include <windows.h>

#include <cstdio>
#include <cstring>

#include "core/config/executable_crc.h"
#include "core/file.h"

namespace app {

void WriteExecutableCrc(const std::wstring& folder) {
  uint32_t crc = 0;
  DWORD error = core::ExecutableCrc(nullptr, 0, &crc);
  char text[64];
  if (error == ERROR_SUCCESS) std::snprintf(text, sizeof text, "%u", static_cast<unsigned>(crc));
  else std::snprintf(text, sizeof text, "%s %d", "error", static_cast<int>(error));

  std::wstring path = folder.empty() ? L"crc.txt" : folder + L"\\crc.txt";
  core::CFileT<wchar_t> file = core::OpenFile(path, GENERIC_WRITE, 0, CREATE_ALWAYS);
  if (!file.IsOpen()) {
    // A read-only leftover: make it writable and try once more.
    ::SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    ::DeleteFileW(path.c_str());
    file = core::OpenFile(path, GENERIC_WRITE, 0, CREATE_ALWAYS);
    if (!file.IsOpen()) return;
  }
  core::WriteAll(file.Get(), text, std::strlen(text));
}

}  // namespace app
