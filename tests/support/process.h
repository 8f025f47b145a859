// Starting a program of the project as a child process in a test.
#pragma once

#include <windows.h>

#include <string>

namespace test {

// Runs program with the arguments in folder and waits up to timeoutMs.
// Returns the exit code, or -1 when it could not start or did not end.
long RunProcess(const std::wstring& program, const std::wstring& arguments,
                const std::wstring& folder, DWORD timeoutMs = 60000);

// Copies a file; false on failure.
bool CopyFileTo(const std::wstring& from, const std::wstring& to);

}  // namespace test
