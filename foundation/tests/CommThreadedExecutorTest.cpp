#include "foundation/CommThreadedExecutor.h"

#include <gtest/gtest.h>

#include <atomic>

namespace {

const DWORD kGenerousMs = 10000;

// Runs until told to stop, reporting where it ran.
class LoopingExecutor : public CCommThreadedExecutor {
 public:
  LoopingExecutor() : m_entered(CreateManualSignalEvent()) {}
  ~LoopingExecutor() override {
    Stop();
    CloseHandle(m_entered);
  }

  bool Run() override {
    m_runThread = GetCurrentThreadId();
    ++m_runs;
    SetEvent(m_entered);
    while (KeepRunning()) Sleep(1);
    return true;
  }
  bool OnThreadExit() override {
    m_exitThread = GetCurrentThreadId();
    return true;
  }

  HANDLE m_entered;
  std::atomic<DWORD> m_runThread{0};
  std::atomic<DWORD> m_exitThread{0};
  std::atomic<int> m_runs{0};
};

// Returns at once with a chosen result.
class OneShotExecutor : public CCommThreadedExecutor {
 public:
  explicit OneShotExecutor(bool result) : m_result(result) {}
  ~OneShotExecutor() override { Stop(); }
  bool Run() override { return m_result; }
  bool m_result;
};

}  // namespace

TEST(EventHelpers, SignalAndWait) {
  HANDLE autoReset = CreateSignalEvent();
  HANDLE manual = CreateManualSignalEvent();
  ASSERT_NE(nullptr, autoReset);
  ASSERT_NE(nullptr, manual);

  EXPECT_FALSE(WaitForSignal(autoReset, 0)) << "created not signalled";
  SetEvent(autoReset);
  EXPECT_TRUE(WaitForSignal(autoReset, 0));
  EXPECT_FALSE(WaitForSignal(autoReset, 0)) << "auto-reset";

  SetEvent(manual);
  EXPECT_TRUE(WaitForSignal(manual, 0));
  EXPECT_TRUE(WaitForSignal(manual, 0)) << "manual reset stays signalled";

  DWORD start = GetTickCount();
  EXPECT_FALSE(WaitForSignal(nullptr, 5000));
  EXPECT_LT(GetTickCount() - start, 1000u) << "a null handle must not wait";

  CloseHandle(autoReset);
  CloseHandle(manual);
}

TEST(CommThreadedExecutor, StopBeforeStartIsRefusedAndLeavesItStartable) {
  LoopingExecutor executor;
  EXPECT_FALSE(executor.Stop());
  EXPECT_FALSE(executor.IsRunning());
  EXPECT_EQ(0u, executor.GetThreadId());

  ASSERT_TRUE(executor.Start());
  EXPECT_TRUE(WaitForSignal(executor.m_entered, kGenerousMs));
  EXPECT_TRUE(executor.Stop());
}

TEST(CommThreadedExecutor, RunsOnItsOwnThreadUntilStopped) {
  LoopingExecutor executor;
  ASSERT_TRUE(executor.Start());
  EXPECT_TRUE(executor.IsRunning());
  EXPECT_NE(0u, executor.GetThreadId());
  ASSERT_TRUE(WaitForSignal(executor.m_entered, kGenerousMs));
  EXPECT_TRUE(executor.KeepRunning());
  EXPECT_NE(GetCurrentThreadId(), executor.m_runThread.load());

  DWORD start = GetTickCount();
  EXPECT_TRUE(executor.Stop());
  EXPECT_LT(GetTickCount() - start, kGenerousMs);
  EXPECT_FALSE(executor.IsRunning());
  EXPECT_EQ(0u, executor.GetThreadId());
  EXPECT_EQ(executor.m_runThread.load(), executor.m_exitThread.load())
      << "the exit hook runs on the worker thread";
  EXPECT_FALSE(executor.Stop()) << "a second stop has nothing to stop";
}

TEST(CommThreadedExecutor, StartingAgainEndsTheFirstThread) {
  LoopingExecutor executor;
  ASSERT_TRUE(executor.Start());
  ASSERT_TRUE(WaitForSignal(executor.m_entered, kGenerousMs));
  DWORD first = executor.m_runThread.load();
  ResetEvent(executor.m_entered);

  ASSERT_TRUE(executor.Start());
  ASSERT_TRUE(WaitForSignal(executor.m_entered, kGenerousMs));
  EXPECT_EQ(2, executor.m_runs.load());
  EXPECT_EQ(first, executor.m_exitThread.load()) << "the first thread finished before";
  EXPECT_TRUE(executor.Stop());
}

TEST(CommThreadedExecutor, ReportsTheBodysResult) {
  for (bool result : {true, false}) {
    OneShotExecutor executor(result);
    ASSERT_TRUE(executor.Start());
    EXPECT_TRUE(executor.WaitUntilFinished());
    EXPECT_EQ(result, executor.GetLastResult());
    EXPECT_FALSE(executor.IsRunning());
    EXPECT_FALSE(executor.Stop()) << "already finished";
  }
}

TEST(CommThreadedExecutor, BaseBodyEndsAtOnce) {
  CCommThreadedExecutor executor;
  ASSERT_TRUE(executor.Start());
  EXPECT_TRUE(executor.WaitUntilFinished());
  EXPECT_FALSE(executor.GetLastResult());
}

TEST(CommThreadedExecutor, DestructorStopsARunningThread) {
  {
    LoopingExecutor executor;
    ASSERT_TRUE(executor.Start());
    ASSERT_TRUE(WaitForSignal(executor.m_entered, kGenerousMs));
  }
  SUCCEED() << "destruction returned";
}
