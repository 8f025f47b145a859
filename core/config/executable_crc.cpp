#include "core/config/executable_crc.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "core/config/slots.h"
#include "core/crc32.h"
#include "core/file.h"

namespace core {

std::wstring ModulePath(HMODULE module) {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    DWORD n = ::GetModuleFileNameW(module, &path[0], static_cast<DWORD>(path.size()));
    if (n == 0) return std::wstring();
    if (n < path.size()) {
      path.resize(n);
      return path;
    }
    path.resize(path.size() * 2);
  }
}

DWORD ReadFileForCrc(const std::wstring& path, std::string& data) {
  DWORD error = ERROR_SUCCESS;
  for (int attempt = 0; attempt <= 10; ++attempt) {
    if (attempt) ::Sleep(250);
    if (ReadWholeFile(path, data)) return ERROR_SUCCESS;
    error = ::GetLastError();
    if (error == ERROR_SUCCESS) error = ERROR_READ_FAULT;
  }
  return error;
}

DWORD ExecutableCrc(const std::string* data, int variant, uint32_t* crc) {
  std::string own;
  if (!data) {
    DWORD error = ReadFileForCrc(ModulePath(), own);
    if (error != ERROR_SUCCESS) return error;
    data = &own;
  }
  const size_t size = data->size();
  std::vector<size_t> offsets{size};
  for (int s = 0; s < kSlotCount; ++s) {
    const SlotInfo& slot = GetSlotInfo(static_cast<Slot>(s));
    uint32_t resourceSize = 0;
    if (!ReadSlot(slot.typeName, slot.id, &resourceSize) || resourceSize == 0) continue;
    size_t at = data->find(SlotMarker(static_cast<Slot>(s)));
    if (at == std::string::npos) continue;
    offsets.push_back(at);
    offsets.push_back(at + resourceSize - 1);
  }
  std::sort(offsets.begin(), offsets.end());

  // The register is carried from 0xFFFFFFFF through Crc32Update, so it
  // effectively starts at 0: this is the value the manifest carries.
  uint32_t value = 0xFFFFFFFFu;
  const char* bytes = data->data();
  size_t previous = 0;
  bool include = true;
  for (size_t end : offsets) {
    // Offsets past the data (a slot cut off by a truncated file) end at it.
    end = std::min(end, size);
    if (variant == 0) {
      if (end > previous) {
        if (include) value = Crc32Update(bytes + previous, end - previous, value);
        include = !include;
      }
    } else {
      if (include && end > previous) value = Crc32Update(bytes + previous, end - previous, value);
      include = !include;
    }
    previous = std::max(previous, end);
  }
  *crc = value;
  return ERROR_SUCCESS;
}

}  // namespace core
