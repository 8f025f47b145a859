// A thread object: Start runs Run on a new thread, Stop waits with a time
// limit and terminates the thread when the limit passes.
#pragma once

#include <windows.h>

#include <string>

namespace core {

class CThread {
 public:
  using Routine = unsigned(__stdcall*)(void*);

  explicit CThread(const char* name = "");
  // Waits for a running thread without a time limit.
  virtual ~CThread();
  CThread(const CThread&) = delete;
  CThread& operator=(const CThread&) = delete;

  virtual void Run() {}
  virtual bool Start();
  // True when the thread ended by itself, false when it had to be killed.
  virtual bool Stop(DWORD timeoutMs);

  HANDLE Handle() const { return handle_; }
  const std::string& Name() const { return name_; }

  // The common entry of every thread: names it, runs Run, returns 0
  // (1 for a null object).
  static unsigned __stdcall ThreadEntry(void* object);

 protected:
  std::string name_;
  Routine routine_ = &CThread::ThreadEntry;
  void* argument_;
  HANDLE handle_ = nullptr;
};

}  // namespace core
