#include "core/thread.h"

#include <gtest/gtest.h>

#include <atomic>

#include "core/handle.h"

namespace {

// Runs until released (or forever).
class BlockingThread : public core::CThread {
 public:
  BlockingThread() : core::CThread("test thread"), release_(::CreateEventW(nullptr, TRUE, FALSE, nullptr)) {}
  void Run() override {
    started = true;
    ::WaitForSingleObject(release_.Get(), INFINITE);
    finished = true;
  }
  void Release() { ::SetEvent(release_.Get()); }
  std::atomic<bool> started{false}, finished{false};

 private:
  core::CScopedHandle release_;
};

void CALLBACK ReleaseLater(void* thread, BOOLEAN) { static_cast<BlockingThread*>(thread)->Release(); }

TEST(Thread, StopWithInfiniteWaitsForTheThread) {
  BlockingThread thread;
  ASSERT_TRUE(thread.Start());
  EXPECT_FALSE(thread.Start());  // already running
  while (!thread.started) ::Sleep(1);
  // Release it a little later; Stop must wait rather than kill.
  HANDLE timer = nullptr;
  ::CreateTimerQueueTimer(&timer, nullptr, &ReleaseLater, &thread, 100, 0, WT_EXECUTEONLYONCE);
  EXPECT_TRUE(thread.Stop(INFINITE));
  EXPECT_TRUE(thread.finished);
  EXPECT_EQ(nullptr, thread.Handle());
  ::DeleteTimerQueueTimer(nullptr, timer, INVALID_HANDLE_VALUE);
}

TEST(Thread, StopWithZeroKillsARunningThread) {
  BlockingThread thread;
  ASSERT_TRUE(thread.Start());
  while (!thread.started) ::Sleep(1);
  EXPECT_FALSE(thread.Stop(0));
  EXPECT_FALSE(thread.finished);
  EXPECT_EQ(nullptr, thread.Handle());
  EXPECT_TRUE(thread.Stop(0));  // nothing held any more
  // It can be started again after a kill.
  ASSERT_TRUE(thread.Start());
  thread.Release();
  EXPECT_TRUE(thread.Stop(INFINITE));
  EXPECT_TRUE(thread.finished);
}

TEST(Thread, EntryRefusesANullObject) {
  EXPECT_EQ(1u, core::CThread::ThreadEntry(nullptr));
}

}  // namespace
