#include "core/window_thread.h"

namespace core {

CWindowThread::CWindowThread(const char* name)
    : CThread(name), readyEvent_(::CreateEventW(nullptr, TRUE, FALSE, nullptr)) {}

CWindowThread::~CWindowThread() = default;

void CWindowThread::Run() {
  running_ = OnInit();
  ::SetEvent(readyEvent_.Get());
  if (!running_) return;
  MSG message;
  while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (!PreTranslate(&message)) {
      ::TranslateMessage(&message);
      ::DispatchMessageW(&message);
    }
  }
  OnExit(true);
}

bool CWindowThread::Start(DWORD timeoutMs) {
  if (running_ || !readyEvent_.IsValid() || handle_) return false;
  ::ResetEvent(readyEvent_.Get());
  if (!CThread::Start()) return false;
  if (::WaitForSingleObject(readyEvent_.Get(), timeoutMs) != WAIT_OBJECT_0) {
    ::TerminateThread(handle_, 0);
    ::WaitForSingleObject(handle_, 5000);
    ::CloseHandle(handle_);
    handle_ = nullptr;
    OnExit(false);
  }
  ::ResetEvent(readyEvent_.Get());
  return running_;
}

bool CWindowThread::Stop(DWORD timeoutMs) {
  bool ended = CThread::Stop(timeoutMs);
  if (!ended && running_) OnExit(false);
  return ended;
}

bool CWindowThread::OnInit() {
  if (!window_) return false;
  ::SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  return true;
}

void CWindowThread::PostQuit() {
  if (running_) ::PostMessageW(window_, WM_QUIT, 0, 0);
}

bool CWindowThread::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  auto it = handlers_.find(message);
  if (it == handlers_.end()) return false;
  const auto& entry = it->second;
  LRESULT value = 0;
  if (entry.first && entry.second) value = entry.second(entry.first, wParam, lParam);
  if (result) *result = value;
  return true;
}

LRESULT CALLBACK CWindowThread::WindowProc(HWND window, UINT message, WPARAM wParam,
                                           LPARAM lParam) {
  auto* self = reinterpret_cast<CWindowThread*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
  LRESULT result = 0;
  if (self && self->window_ == window && self->OnMessage(message, wParam, lParam, &result))
    return result;
  return ::DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace core
