#include "core/os_description.h"

namespace core {
namespace {

const wchar_t* ProductSuffix(DWORD product) {
  switch (product) {
    case 1: return L" Ultimate Edition";
    case 2: return L" Home Basic Edition";
    case 3: return L" Home Premium Edition";
    case 4: case 10: return L" Enterprise Edition";
    case 6: return L" Business Edition";
    case 7: return L" Standard Edition";
    case 8: return L" Datacenter Edition";
    case 9: return L" Small Business Server";
    case 11: return L" Starter Edition";
    case 12: return L" Datacenter Edition (core installation)";
    case 13: return L" Standard Edition (core installation)";
    case 14: return L" Enterprise Edition (core installation)";
    case 15: return L" Enterprise Edition for Itanium-based Systems";
    case 17: return L" Web Server Edition";
    case 18: return L" Cluster Server Edition";
    case 25: return L" Small Business Server Premium Edition";
    case 48: return L" Professional";
    case 72: return L" Enterprise Evaluation";
    case 84: return L" Enterprise N Evaluation";
    case 98: return L" Home N";
    case 99: return L" Home China";
    case 100: return L" Home Single Language";
    case 101: return L" Home";
    case 121: return L" Education";
    case 122: return L" Education N";
    case 123: return L" IoT Core";
    case 125: return L" Enterprise 2015 LTSB";
    case 126: return L" Enterprise 2015 LTSB N";
    case 129: return L" Enterprise 2015 LTSB Evaluation";
    case 130: return L" Enterprise 2015 LTSB N Evaluation";
    default: return L"";
  }
}

void DescribeServer2003(const OsVersionFacts& f, bool workstation, std::wstring& t) {
  const WORD suite = f.suiteMask;
  if (f.serverR2) t += L"Windows Server 2003 R2,";
  else if (suite & 0x2000) t += L"Windows Storage Server 2003";
  else if (suite & 0x8000) t += L"Windows Home Server";
  else if (workstation && f.architecture == PROCESSOR_ARCHITECTURE_AMD64)
    t += L"Windows XP Professional x64 Edition";
  else t += L"Windows Server 2003,";
  if (workstation) return;
  if (f.architecture == PROCESSOR_ARCHITECTURE_IA64) {
    if (suite & 0x80) t += L" Datacenter Edition for Itanium-based Systems";
    else if (suite & 0x2) t += L" Enterprise Edition for Itanium-based Systems";
  } else if (f.architecture == PROCESSOR_ARCHITECTURE_AMD64) {
    if (suite & 0x80) t += L" Datacenter Edition";
    else if (suite & 0x2) t += L" Enterprise Edition";
    else t += L" Standard Edition";
  } else {
    if (suite & 0x4000) t += L" Compute Cluster Edition";
    else if (suite & 0x80) t += L" Datacenter Edition";
    else if (suite & 0x2) t += L" Enterprise Edition";
    else if (suite & 0x400) t += L" Web Edition";
    else t += L" Standard Edition";
  }
}

}  // namespace

void DescribeOs(const OsVersionFacts& f, OsDescription& out) {
  const bool workstation = f.productType == VER_NT_WORKSTATION;
  std::wstring t = L"Microsoft ";
  bool suffix = false;
  if (f.major == 5 && f.minor == 0) {
    t += L"Windows 2000";
    if (workstation) t += L" Professional";
    else if (f.suiteMask & 0x80) t += L"Datacenter Server";
    else if (f.suiteMask & 0x2) t += L" Advanced Server";
    else t += L" Server";
  } else if (f.major == 5 && f.minor == 1) {
    t += L"Windows XP";
    t += (f.suiteMask & 0x200) ? L" Home Edition" : L" Professional";
  } else if (f.major == 5 && f.minor == 2) {
    DescribeServer2003(f, workstation, t);
  } else if (f.major == 6) {
    switch (f.minor) {
      case 0: t += workstation ? L"Windows Vista" : L"Windows Server 2008"; break;
      case 1: t += workstation ? L"Windows 7" : L"Windows Server 2008 R2"; break;
      case 2: t += workstation ? L"Windows 8" : L"Windows Server 2012"; break;
      case 3: t += workstation ? L"Windows 8.1" : L"Windows Server 2012 R2"; break;
      case 4: t += L"Windows 10 Technical Preview"; break;
      default: break;
    }
    suffix = true;
  } else if (f.major == 10) {
    if (f.minor == 0) {
      if (workstation) t += f.build >= 21996 ? L"Windows 11" : L"Windows 10";
      else if (f.build < 17677) t += L"Windows Server 2016";
      else if (f.build == 17677) t += L"Windows Server 2019 Preview";
      else t += L"Windows Server 2019";
    }
    suffix = true;
  }
  if (suffix) t += ProductSuffix(f.productInfo);
  if (!f.servicePack.empty()) t += L" " + f.servicePack;
  t += L" (Build " + std::to_wstring(f.build) + L")";
  out.is64Bit = false;
  if (f.major >= 6) {
    if (f.architecture == PROCESSOR_ARCHITECTURE_AMD64) {
      t += L", 64-bit";
      out.is64Bit = true;
    } else if (f.architecture == PROCESSOR_ARCHITECTURE_INTEL) {
      t += L", 32-bit";
    }
  }
  out.text = t;
}

bool GetOsDescription(OsDescription& out) {
  out.text = L"Unknown operating system";
  out.is64Bit = false;
  OSVERSIONINFOEXW version = {};
  version.dwOSVersionInfoSize = sizeof version;
  if (!::GetVersionExW(reinterpret_cast<OSVERSIONINFOW*>(&version))) {
    version.dwOSVersionInfoSize = sizeof(OSVERSIONINFOW);
    if (!::GetVersionExW(reinterpret_cast<OSVERSIONINFOW*>(&version))) return false;
  }
  if (version.dwPlatformId != VER_PLATFORM_WIN32_NT || version.dwMajorVersion < 5) return false;

  HMODULE kernel = ::GetModuleHandleW(L"kernel32.dll");
  SYSTEM_INFO system = {};
  using NativeInfo = void(WINAPI*)(SYSTEM_INFO*);
  auto native = reinterpret_cast<NativeInfo>(
      reinterpret_cast<void*>(::GetProcAddress(kernel, "GetNativeSystemInfo")));
  if (native) native(&system);
  else ::GetSystemInfo(&system);

  OsVersionFacts facts;
  facts.major = version.dwMajorVersion;
  facts.minor = version.dwMinorVersion;
  facts.build = version.dwBuildNumber;
  facts.productType = version.wProductType;
  facts.suiteMask = version.wSuiteMask;
  facts.servicePack = version.szCSDVersion;
  facts.architecture = system.wProcessorArchitecture;
  facts.serverR2 = ::GetSystemMetrics(SM_SERVERR2) != 0;
  using ProductInfo = BOOL(WINAPI*)(DWORD, DWORD, DWORD, DWORD, DWORD*);
  auto product = reinterpret_cast<ProductInfo>(
      reinterpret_cast<void*>(::GetProcAddress(kernel, "GetProductInfo")));
  if (product && facts.major >= 6) product(facts.major, facts.minor, 0, 0, &facts.productInfo);
  DescribeOs(facts, out);
  return true;
}

}  // namespace core
