// A thread that owns a hidden message window and dispatches its messages to
// handlers registered by number before Start.
#pragma once

#include <windows.h>

#include <map>
#include <utility>

#include "core/handle.h"
#include "core/thread.h"

namespace core {

class CWindowThread : public CThread {
 public:
  using Handler = LRESULT (*)(void* context, WPARAM wParam, LPARAM lParam);

  explicit CWindowThread(const char* name = "");
  ~CWindowThread() override;

  void Run() override;
  using CThread::Start;
  // Starts the thread and waits up to timeoutMs for OnInit; returns whether
  // the window thread is running.
  virtual bool Start(DWORD timeoutMs);
  bool Stop(DWORD timeoutMs) override;
  virtual bool PreTranslate(MSG* message) { (void)message; return false; }
  virtual bool OnInit();
  virtual void OnExit(bool normalEnd) { (void)normalEnd; running_ = false; }
  virtual void PostQuit();
  virtual bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);

  void AddHandler(UINT message, void* context, Handler handler) {
    handlers_[message] = std::make_pair(context, handler);
  }

  HWND Window() const { return window_; }
  bool Running() const { return running_; }

  // The window procedure every such window class uses.
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

 protected:
  HWND window_ = nullptr;
  CScopedHandle readyEvent_;
  volatile bool running_ = false;
  std::map<UINT, std::pair<void*, Handler>> handlers_;
};

}  // namespace core
