#include "core/thread.h"

#include <process.h>

#include "core/text.h"

namespace core {
namespace {

// Names the thread for debuggers where the system can (Windows 10 1607 and
// later); elsewhere the name stays unannounced.
void AnnounceThreadName(const std::string& name) {
  using SetDescription = HRESULT(WINAPI*)(HANDLE, PCWSTR);
  HMODULE kernel = ::GetModuleHandleW(L"kernel32.dll");
  auto set = kernel ? reinterpret_cast<SetDescription>(
                          reinterpret_cast<void*>(::GetProcAddress(kernel, "SetThreadDescription")))
                    : nullptr;
  if (set) set(::GetCurrentThread(), AnsiToWide(name).c_str());
}

}  // namespace

CThread::CThread(const char* name) : name_(name ? name : ""), argument_(this) {}

CThread::~CThread() {
  if (handle_) {
    ::WaitForSingleObject(handle_, INFINITE);
    ::CloseHandle(handle_);
    handle_ = nullptr;
  }
}

unsigned __stdcall CThread::ThreadEntry(void* object) {
  CThread* self = static_cast<CThread*>(object);
  if (!self) return 1;
  if (!self->name_.empty()) AnnounceThreadName(self->name_);
  self->Run();
  return 0;
}

bool CThread::Start() {
  if (handle_ || !routine_ || !argument_) return false;
  uintptr_t h = _beginthreadex(nullptr, 0, routine_, argument_, CREATE_SUSPENDED, nullptr);
  if (!h) return false;
  handle_ = reinterpret_cast<HANDLE>(h);
  if (::ResumeThread(handle_) == static_cast<DWORD>(-1)) {
    DWORD error = ::GetLastError();
    ::TerminateThread(handle_, 0);
    ::CloseHandle(handle_);
    handle_ = nullptr;
    ::SetLastError(error);
    return false;
  }
  return true;
}

bool CThread::Stop(DWORD timeoutMs) {
  if (!handle_) return true;
  bool ended = true;
  if (::WaitForSingleObject(handle_, timeoutMs) != WAIT_OBJECT_0 && timeoutMs != INFINITE) {
    ::TerminateThread(handle_, 0);
    // Let the kill complete before the handle goes.
    ::WaitForSingleObject(handle_, 5000);
    ended = false;
  }
  ::CloseHandle(handle_);
  handle_ = nullptr;
  return ended;
}

}  // namespace core
