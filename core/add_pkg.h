// The additional package names the user already has, kept in "addpkg.dat":
// fixed 128-byte records, each a zero-terminated UTF-16LE name of at most 63
// characters, zero-filled.
#pragma once

#include <set>
#include <string>

namespace core {

class CAddPkg {
 public:
  static const size_t kRecordSize = 128;
  static const size_t kMaxNameLength = 63;

  explicit CAddPkg(std::wstring path = std::wstring()) : path_(std::move(path)) {}

  void SetPath(const std::wstring& path) { path_ = path; }
  const std::set<std::wstring>& Names() const { return names_; }

  // Reads the file; a missing file gives an empty set, a file whose size is
  // not a multiple of the record size is not read. False without a path.
  bool Load();
  // True when name was already known. Otherwise, unless lookupOnly, the name
  // is added and appended to the file. A name longer than a record holds is
  // refused (not added).
  bool Add(const std::wstring& name, bool lookupOnly);

 private:
  // Appends one record for name, or rewrites the file from the set when name
  // is empty. True whenever the file could be opened.
  bool Save(const std::wstring& name);

  std::wstring path_;
  std::set<std::wstring> names_;
};

}  // namespace core
