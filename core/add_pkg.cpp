#include "core/add_pkg.h"

#include <windows.h>

#include <cstring>

#include "core/file.h"

namespace core {
namespace {

void MakeRecord(const std::wstring& name, unsigned char (&record)[CAddPkg::kRecordSize]) {
  std::memset(record, 0, sizeof record);
  for (size_t i = 0; i < name.size() && i < CAddPkg::kMaxNameLength; ++i) {
    record[2 * i] = static_cast<unsigned char>(name[i] & 0xFF);
    record[2 * i + 1] = static_cast<unsigned char>(name[i] >> 8);
  }
}

}  // namespace

bool CAddPkg::Load() {
  if (path_.empty()) return false;
  names_.clear();
  std::string bytes;
  if (!FileExists(path_)) return true;
  if (!ReadWholeFile(path_, bytes)) return true;
  if (bytes.size() % kRecordSize) return true;
  for (size_t offset = 0; offset < bytes.size(); offset += kRecordSize) {
    std::wstring name;
    for (size_t i = 0; i + 1 < kRecordSize; i += 2) {
      wchar_t c = static_cast<wchar_t>(static_cast<unsigned char>(bytes[offset + i]) |
                                       (static_cast<unsigned char>(bytes[offset + i + 1]) << 8));
      if (!c) break;
      name += c;
    }
    names_.insert(name);
  }
  return true;
}

bool CAddPkg::Add(const std::wstring& name, bool lookupOnly) {
  if (names_.count(name)) return true;
  if (lookupOnly || name.empty() || name.size() > kMaxNameLength) return false;
  names_.insert(name);
  Save(name);
  return false;
}

bool CAddPkg::Save(const std::wstring& name) {
  if (path_.empty()) return false;
  unsigned char record[kRecordSize];
  if (!name.empty()) {
    CFileT<wchar_t> file =
        OpenFile(path_, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, OPEN_ALWAYS);
    if (!file.IsOpen()) return false;
    LARGE_INTEGER size;
    if (!::GetFileSizeEx(file.Get(), &size) || size.QuadPart % kRecordSize) return true;
    LARGE_INTEGER zero = {};
    if (!::SetFilePointerEx(file.Get(), zero, nullptr, FILE_END)) return true;
    MakeRecord(name, record);
    WriteAll(file.Get(), record, sizeof record);
    return true;
  }
  CFileT<wchar_t> file = OpenFile(path_, GENERIC_WRITE, FILE_SHARE_READ, CREATE_ALWAYS);
  if (!file.IsOpen()) return false;
  for (const std::wstring& each : names_) {
    MakeRecord(each, record);
    if (!WriteAll(file.Get(), record, sizeof record)) break;
  }
  return true;
}

}  // namespace core
