#include "core/os_description.h"

#include <gtest/gtest.h>

namespace {

struct OsCase {
  DWORD major, minor, build;
  BYTE productType;
  WORD suite;
  WORD arch;
  DWORD product;
  const wchar_t* servicePack;
  const wchar_t* expected;
};

TEST(OsDescription, TextForKnownSystems) {
  const WORD x64 = PROCESSOR_ARCHITECTURE_AMD64, x86 = PROCESSOR_ARCHITECTURE_INTEL;
  const BYTE ws = VER_NT_WORKSTATION, srv = VER_NT_SERVER;
  const OsCase cases[] = {
      {10, 0, 19045, ws, 0, x64, 48, L"", L"Microsoft Windows 10 Professional (Build 19045), 64-bit"},
      {10, 0, 22631, ws, 0, x64, 101, L"", L"Microsoft Windows 11 Home (Build 22631), 64-bit"},
      {10, 0, 17677, srv, 0, x64, 0, L"", L"Microsoft Windows Server 2019 Preview (Build 17677), 64-bit"},
      {10, 0, 14393, srv, 0, x64, 7, L"", L"Microsoft Windows Server 2016 Standard Edition (Build 14393), 64-bit"},
      {6, 1, 7601, ws, 0, x86, 1, L"Service Pack 1",
       L"Microsoft Windows 7 Ultimate Edition Service Pack 1 (Build 7601), 32-bit"},
      {6, 3, 9600, srv, 0, x64, 999, L"", L"Microsoft Windows Server 2012 R2 (Build 9600), 64-bit"},
      {5, 1, 2600, ws, 0x200, x86, 0, L"Service Pack 3",
       L"Microsoft Windows XP Home Edition Service Pack 3 (Build 2600)"},
      {5, 2, 3790, srv, 0x2, x64, 0, L"", L"Microsoft Windows Server 2003, Enterprise Edition (Build 3790)"},
      {5, 2, 3790, ws, 0, x64, 0, L"", L"Microsoft Windows XP Professional x64 Edition (Build 3790)"},
      {5, 0, 2195, srv, 0x2, x86, 0, L"", L"Microsoft Windows 2000 Advanced Server (Build 2195)"},
  };
  for (const OsCase& c : cases) {
    core::OsVersionFacts f;
    f.major = c.major;
    f.minor = c.minor;
    f.build = c.build;
    f.productType = c.productType;
    f.suiteMask = c.suite;
    f.architecture = c.arch;
    f.productInfo = c.product;
    f.servicePack = c.servicePack;
    core::OsDescription d;
    core::DescribeOs(f, d);
    EXPECT_EQ(std::wstring(c.expected), d.text);
    EXPECT_EQ(c.major >= 6 && c.arch == x64, d.is64Bit);
  }
}

TEST(OsDescription, ReadsTheRunningSystem) {
  core::OsDescription d;
  ASSERT_TRUE(core::GetOsDescription(d));
  EXPECT_EQ(0u, d.text.find(L"Microsoft Windows")) << d.text.c_str();
  EXPECT_NE(std::wstring::npos, d.text.find(L"(Build "));
}

}  // namespace
