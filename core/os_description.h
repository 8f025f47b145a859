// The Windows product, edition and build text written into the log header.
#pragma once

#include <windows.h>

#include <string>

namespace core {

struct OsDescription {
  std::wstring text;
  bool is64Bit = false;
};

// What the description is made of; read from the system by GetOsDescription.
struct OsVersionFacts {
  DWORD major = 0, minor = 0, build = 0;
  BYTE productType = VER_NT_WORKSTATION;
  WORD suiteMask = 0;
  std::wstring servicePack;
  WORD architecture = PROCESSOR_ARCHITECTURE_INTEL;
  bool serverR2 = false;           // GetSystemMetrics(SM_SERVERR2)
  DWORD productInfo = 0;           // GetProductInfo; 0 when unavailable
};

// Fills the text and the 64-bit flag from the facts.
void DescribeOs(const OsVersionFacts& facts, OsDescription& out);

// False when the system is not NT 5 or later, or its version cannot be read.
bool GetOsDescription(OsDescription& out);

}  // namespace core
