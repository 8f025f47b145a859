// Owners of Win32 handles: one owner, closed on every path, move-only.
#pragma once

#include <windows.h>

#include <utility>

namespace core {

// Traits say what "no handle" is and how a handle is released.
struct KernelHandleTraits {
  static HANDLE Invalid() { return nullptr; }
  static void Close(HANDLE h) { ::CloseHandle(h); }
};

// CreateFile and FindFirstFile style handles use INVALID_HANDLE_VALUE.
struct FileHandleTraits {
  static HANDLE Invalid() { return INVALID_HANDLE_VALUE; }
  static void Close(HANDLE h) { ::CloseHandle(h); }
};

template <class Traits>
class CScopedHandleT {
 public:
  CScopedHandleT() : handle_(Traits::Invalid()) {}
  explicit CScopedHandleT(HANDLE h) : handle_(h) {}
  ~CScopedHandleT() { Close(); }

  CScopedHandleT(const CScopedHandleT&) = delete;
  CScopedHandleT& operator=(const CScopedHandleT&) = delete;
  CScopedHandleT(CScopedHandleT&& other) noexcept : handle_(other.Release()) {}
  CScopedHandleT& operator=(CScopedHandleT&& other) noexcept {
    if (this != &other) Reset(other.Release());
    return *this;
  }

  bool IsValid() const { return handle_ != Traits::Invalid() && handle_ != nullptr; }
  HANDLE Get() const { return handle_; }

  // Takes ownership of h; the previous handle is closed.
  void Reset(HANDLE h = Traits::Invalid()) {
    if (h == handle_) return;
    Close();
    handle_ = h;
  }

  HANDLE Release() {
    HANDLE h = handle_;
    handle_ = Traits::Invalid();
    return h;
  }

  void Close() {
    if (IsValid()) {
      // Keep the caller's error code: closing is not what failed.
      DWORD error = ::GetLastError();
      Traits::Close(handle_);
      ::SetLastError(error);
    }
    handle_ = Traits::Invalid();
  }

 private:
  HANDLE handle_;
};

using CScopedHandle = CScopedHandleT<KernelHandleTraits>;
using CScopedFileHandle = CScopedHandleT<FileHandleTraits>;

}  // namespace core
