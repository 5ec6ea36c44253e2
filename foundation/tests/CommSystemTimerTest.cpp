#include "foundation/CommSystemTimer.h"

#include <gtest/gtest.h>

#include <atomic>

namespace {

const DWORD kGenerousMs = 10000;

// Counts ticks and signals each one.
class CountingTimer : public CCommSystemTimer {
 public:
  explicit CountingTimer(int intervalMs, DWORD tickDurationMs = 0)
      : m_tick(CreateSignalEvent()), m_tickDuration(tickDurationMs) {
    SetInterval(intervalMs);
  }
  ~CountingTimer() override {
    Shutdown();
    CloseHandle(m_tick);
  }

  void OnTimer() override {
    m_thread = GetCurrentThreadId();
    m_tickTimes[m_ticks.load() % 8] = GetTickCount();
    ++m_ticks;
    SetEvent(m_tick);
    if (m_tickDuration) Sleep(m_tickDuration);
  }

  bool WaitForTicks(int count) {
    while (m_ticks.load() < count)
      if (!WaitForSignal(m_tick, kGenerousMs)) return false;
    return true;
  }

  HANDLE m_tick;
  DWORD m_tickDuration;
  std::atomic<int> m_ticks{0};
  std::atomic<DWORD> m_thread{0};
  DWORD m_tickTimes[8] = {};
};

}  // namespace

TEST(CommSystemTimer, HasItsThreadAndIdlesUntilEnabled) {
  CountingTimer timer(10);
  EXPECT_TRUE(timer.IsRunning()) << "the thread starts with the timer";
  EXPECT_FALSE(timer.IsEnabled());
  Sleep(100);  // ten intervals in which nothing may happen
  EXPECT_EQ(0, timer.m_ticks.load());
}

TEST(CommSystemTimer, DefaultIntervalIsTwoSeconds) {
  CCommSystemTimer timer;
  EXPECT_EQ(2000, timer.GetInterval());
  EXPECT_FALSE(timer.WaitForCallbackToFinish()) << "no tick is running";
  EXPECT_TRUE(timer.Shutdown());
}

TEST(CommSystemTimer, TicksAtItsIntervalOnItsOwnThread) {
  const int interval = 50;
  CountingTimer timer(interval);
  DWORD enabledAt = GetTickCount();
  ASSERT_TRUE(timer.Enable());
  ASSERT_TRUE(timer.WaitForTicks(1));
  EXPECT_LT(timer.m_tickTimes[0] - enabledAt, 1000u) << "enable ticks at once";
  ASSERT_TRUE(timer.WaitForTicks(4));
  EXPECT_NE(GetCurrentThreadId(), timer.m_thread.load());
  EXPECT_EQ(timer.GetThreadId(), timer.m_thread.load());
  // Three gaps of at least one interval each (a little slack for timer granularity).
  EXPECT_GE(timer.m_tickTimes[3] - timer.m_tickTimes[0], static_cast<DWORD>(3 * interval - 20));
}

TEST(CommSystemTimer, DisableStopsTicksWithinOneInterval) {
  const int interval = 30;
  CountingTimer timer(interval);
  ASSERT_TRUE(timer.Enable());
  ASSERT_TRUE(timer.WaitForTicks(2));
  ASSERT_TRUE(timer.Disable());
  EXPECT_FALSE(timer.IsEnabled());
  timer.WaitForCallbackToFinish();
  int ticksAtDisable = timer.m_ticks.load();
  Sleep(10 * interval);
  EXPECT_EQ(ticksAtDisable, timer.m_ticks.load());

  ASSERT_TRUE(timer.Enable());
  EXPECT_TRUE(timer.WaitForTicks(ticksAtDisable + 1)) << "enable again ticks again";
}

TEST(CommSystemTimer, EnableThenDisableBeforeTheIntervalTicksOnce) {
  CountingTimer timer(60 * 1000);
  ASSERT_TRUE(timer.Enable());
  ASSERT_TRUE(timer.WaitForTicks(1));
  ASSERT_TRUE(timer.Disable());
  Sleep(100);
  EXPECT_EQ(1, timer.m_ticks.load());
}

TEST(CommSystemTimer, ShutdownIsPromptWithALongInterval) {
  CountingTimer timer(60 * 1000);
  ASSERT_TRUE(timer.Enable());
  ASSERT_TRUE(timer.WaitForTicks(1));
  DWORD start = GetTickCount();
  EXPECT_TRUE(timer.Shutdown());
  EXPECT_LT(GetTickCount() - start, 5000u);
  EXPECT_FALSE(timer.IsRunning());
  EXPECT_FALSE(timer.IsEnabled());

  // No thread remains: enabling only sets the flag.
  EXPECT_TRUE(timer.Enable());
  Sleep(100);
  EXPECT_EQ(1, timer.m_ticks.load());
}

TEST(CommSystemTimer, WaitForCallbackToFinishWaitsForARunningTick) {
  CountingTimer timer(60 * 1000, 200);
  ASSERT_TRUE(timer.Enable());
  ASSERT_TRUE(timer.WaitForTicks(1));  // the tick is now sleeping its 200 ms
  EXPECT_TRUE(timer.WaitForCallbackToFinish());
  EXPECT_FALSE(timer.WaitForCallbackToFinish()) << "nothing runs any more";
}

TEST(CommSystemTimer, ShutdownWaitsForARunningTick) {
  CountingTimer timer(60 * 1000, 300);
  ASSERT_TRUE(timer.Enable());
  ASSERT_TRUE(timer.WaitForTicks(1));
  EXPECT_TRUE(timer.Shutdown());
  EXPECT_FALSE(timer.WaitForCallbackToFinish()) << "the tick ended before Shutdown returned";
}
