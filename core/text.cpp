#include "core/text.h"

#include <windows.h>

namespace core {
namespace {

std::string FromWide(UINT codePage, const std::wstring& text) {
  if (text.empty()) return std::string();
  int n = ::WideCharToMultiByte(codePage, 0, text.data(), static_cast<int>(text.size()),
                                nullptr, 0, nullptr, nullptr);
  if (n <= 0) return std::string();
  std::string out(static_cast<size_t>(n), '\0');
  ::WideCharToMultiByte(codePage, 0, text.data(), static_cast<int>(text.size()), &out[0], n,
                        nullptr, nullptr);
  return out;
}

std::wstring ToWide(UINT codePage, const std::string& text) {
  if (text.empty()) return std::wstring();
  int n = ::MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()),
                                nullptr, 0);
  if (n <= 0) return std::wstring();
  std::wstring out(static_cast<size_t>(n), L'\0');
  ::MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), &out[0], n);
  return out;
}

}  // namespace

std::string WideToUtf8(const std::wstring& text) { return FromWide(CP_UTF8, text); }
std::wstring Utf8ToWide(const std::string& text) { return ToWide(CP_UTF8, text); }
std::wstring AnsiToWide(const std::string& text) { return ToWide(CP_THREAD_ACP, text); }
std::string WideToAnsi(const std::wstring& text) { return FromWide(CP_THREAD_ACP, text); }

}  // namespace core
