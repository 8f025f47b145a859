#include "core/window_thread.h"

#include <gtest/gtest.h>

#include <atomic>

namespace {

const UINT kAdd = WM_APP + 1;
const UINT kUnhandled = WM_APP + 2;

// A message window thread as the transport makes one: its own class, a
// message-only window, then the base step.
class TestWindowThread : public core::CWindowThread {
 public:
  explicit TestWindowThread(bool failInit = false) : CWindowThread("test window"), failInit_(failInit) {
    AddHandler(kAdd, this, [](void* self, WPARAM w, LPARAM l) -> LRESULT {
      static_cast<TestWindowThread*>(self)->calls++;
      return static_cast<LRESULT>(w + l);
    });
  }
  bool OnInit() override {
    if (failInit_) return false;
    WNDCLASSW wc = {};
    wc.lpfnWndProc = &CWindowThread::WindowProc;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.lpszClassName = L"LauncherTestWindowThread";
    ::RegisterClassW(&wc);
    window_ = ::CreateWindowExW(0, wc.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                wc.hInstance, nullptr);
    return CWindowThread::OnInit();
  }
  void OnExit(bool normal) override {
    exits++;
    lastExitNormal = normal;
    if (window_) ::DestroyWindow(window_);
    window_ = nullptr;
    CWindowThread::OnExit(normal);
  }
  std::atomic<int> calls{0}, exits{0};
  std::atomic<bool> lastExitNormal{false};

 private:
  bool failInit_;
};

TEST(WindowThread, StartsDispatchesAndStops) {
  TestWindowThread thread;
  ASSERT_TRUE(thread.Start(5000));
  ASSERT_TRUE(thread.Running());
  EXPECT_FALSE(thread.Start(5000));  // already running
  HWND window = thread.Window();
  ASSERT_NE(nullptr, window);
  EXPECT_EQ(5, ::SendMessageW(window, kAdd, 2, 3));
  EXPECT_EQ(0, ::SendMessageW(window, kUnhandled, 2, 3));  // DefWindowProc
  EXPECT_EQ(1, thread.calls);

  LRESULT result = -1;
  EXPECT_TRUE(thread.OnMessage(kAdd, 4, 4, &result));
  EXPECT_EQ(8, result);
  EXPECT_FALSE(thread.OnMessage(kUnhandled, 0, 0, &result));

  thread.PostQuit();
  EXPECT_TRUE(thread.Stop(5000));
  EXPECT_FALSE(thread.Running());
  EXPECT_EQ(1, thread.exits);
  EXPECT_TRUE(thread.lastExitNormal);
  EXPECT_EQ(nullptr, thread.Handle());
}

TEST(WindowThread, FailedInitSignalsReadyAndStartFails) {
  TestWindowThread thread(true);
  EXPECT_FALSE(thread.Start(5000));
  EXPECT_FALSE(thread.Running());
  EXPECT_TRUE(thread.Stop(5000));
}

TEST(WindowThread, StopThatMustKillResetsTheState) {
  TestWindowThread thread;
  ASSERT_TRUE(thread.Start(5000));
  // No quit posted: the loop keeps running, so a zero limit kills it.
  EXPECT_FALSE(thread.Stop(0));
  EXPECT_FALSE(thread.Running());
  EXPECT_FALSE(thread.lastExitNormal);
}

}  // namespace
