// Conversions between the wide text of the launcher logic and the narrow
// text of files, URLs and the network, each with its code page named.
#pragma once

#include <string>

namespace core {

std::string WideToUtf8(const std::wstring& text);
std::wstring Utf8ToWide(const std::string& text);
// The thread's ANSI code page (CP_THREAD_ACP), for texts the system hands
// over in that code page.
std::wstring AnsiToWide(const std::string& text);
std::string WideToAnsi(const std::wstring& text);

}  // namespace core
