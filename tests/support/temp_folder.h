// A fresh temporary folder for one test, removed with everything in it.
// Its name has a space and non-ASCII letters, as players' folders do.
#pragma once

#include <string>

namespace test {

class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::wstring& Path() const { return path_; }
  // Path of a child (a file or folder name, may contain backslashes).
  std::wstring operator/(const std::wstring& child) const { return path_ + L"\\" + child; }

 private:
  std::wstring path_;
};

// Writes bytes to a file, creating or replacing it; false on failure.
bool WriteFileBytes(const std::wstring& path, const std::string& bytes);
std::string ReadFileBytes(const std::wstring& path);
bool MakeFolder(const std::wstring& path);
void RemoveTree(const std::wstring& path);

}  // namespace test
