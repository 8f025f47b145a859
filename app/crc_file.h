// The /crc action: the executable's checksum into "crc.txt".
#pragma once

#include <string>

namespace app {

// Writes "crc.txt" in folder (the current folder when empty) with the
// checksum as "%u", or "error <code>" when it could not be computed.
void WriteExecutableCrc(const std::wstring& folder = std::wstring());

}  // namespace app
