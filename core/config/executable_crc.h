// The checksum of the launcher's own executable with the distributor slots
// left out, so patched copies keep the checksum of the unpatched build.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

namespace core {

// Over data (or, when data is null, the running executable's file): returns
// ERROR_SUCCESS and the checksum, or the system error code of reading the
// file. variant 0 counts only non-empty ranges; variant 1 toggles on every
// offset (see the source).
DWORD ExecutableCrc(const std::string* data, int variant, uint32_t* crc);

// Reads a file for the checksum, retrying up to 10 more times 250 ms apart
// while it cannot be opened (it may still be being written).
DWORD ReadFileForCrc(const std::wstring& path, std::string& data);

std::wstring ModulePath(HMODULE module = nullptr);

}  // namespace core
