// The spin lock, the reader/writer lock and the guards: recursion, upgrades,
// the writer's own reads, per-thread counts and who waits for whom.
#include "common/TKRWCriticalSection.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

// Learns when a thread starts waiting in a back-off loop, so that a test can
// check what holds while it waits without sleeping itself.
HANDLE g_hWaiting = NULL;
void WINAPI SignallingSleep(DWORD) {
  ::SetEvent(g_hWaiting);
  ::Sleep(1);
}

class BackOffWatch {
 public:
  BackOffWatch() {
    g_hWaiting = ::CreateEventA(NULL, TRUE, FALSE, NULL);
    m_pfnPrevious = CTKRecursiveSpinLock::SetSleepProc(&SignallingSleep);
  }
  ~BackOffWatch() {
    CTKRecursiveSpinLock::SetSleepProc(m_pfnPrevious);
    ::CloseHandle(g_hWaiting);
    g_hWaiting = NULL;
  }
  /// Returns once some thread has slept in a back-off loop.
  bool AwaitWaiter() { return ::WaitForSingleObject(g_hWaiting, 10000) == WAIT_OBJECT_0; }

 private:
  CTKRecursiveSpinLock::PFNSLEEP m_pfnPrevious;
};

/// Runs a function on a thread of its own; Join waits for it.
class CTestThread {
 public:
  explicit CTestThread(std::function<void()> fn) : m_fn(std::move(fn)) {
    m_hThread = ::CreateThread(NULL, 0, &Run, this, 0, &m_dwId);
  }
  ~CTestThread() {
    Join();
    ::CloseHandle(m_hThread);
  }
  bool Join() { return ::WaitForSingleObject(m_hThread, 10000) == WAIT_OBJECT_0; }
  DWORD Id() const { return m_dwId; }

 private:
  static DWORD WINAPI Run(void* p) {
    static_cast<CTestThread*>(p)->m_fn();
    return 0;
  }
  std::function<void()> m_fn;
  HANDLE m_hThread;
  DWORD m_dwId = 0;
};

void ExpectFree(const CTKRWCriticalSection& lock) {
  EXPECT_EQ(0, lock.GetReaderCount());
  EXPECT_EQ(0, lock.GetWriterRecursionCount());
  EXPECT_EQ(0u, lock.GetWriterThreadId());
  EXPECT_TRUE(lock.HasNoReaders());
  EXPECT_EQ(0, lock.GetThreadReadCount());
}

TEST(TKRecursiveSpinLock, NestsForItsOwnerAndFreesOnTheLastUnlock) {
  CTKRecursiveSpinLock lock;
  EXPECT_FALSE(lock.IsLocked());
  lock.Lock();
  lock.Lock();
  EXPECT_TRUE(lock.IsLocked());
  EXPECT_EQ(2, lock.GetRecursionCount());
  EXPECT_EQ(::GetCurrentThreadId(), lock.GetOwnerThreadId());
  lock.Unlock();
  EXPECT_TRUE(lock.IsLocked());
  lock.Unlock();
  EXPECT_FALSE(lock.IsLocked());
  EXPECT_EQ(0u, lock.GetOwnerThreadId());
}

TEST(TKRecursiveSpinLock, AnotherThreadWaitsUntilTheOwnerLetsGo) {
  BackOffWatch watch;
  CTKRecursiveSpinLock lock;
  LONG taken = 0;
  lock.Lock();
  CTestThread other([&] {
    CTKRecursiveSpinLockGuard guard(&lock);
    ::InterlockedExchange(&taken, 1);
  });
  ASSERT_TRUE(watch.AwaitWaiter());
  EXPECT_EQ(0, taken);
  EXPECT_EQ(::GetCurrentThreadId(), lock.GetOwnerThreadId());
  lock.Unlock();
  ASSERT_TRUE(other.Join());
  EXPECT_EQ(1, taken);
  EXPECT_FALSE(lock.IsLocked());
}

TEST(TKRWCriticalSection, ReadsNestAndAreCountedPerThreadAndLock) {
  CTKRWCriticalSection first, second;
  ExpectFree(first);
  first.EnterRead();
  first.EnterRead();
  second.EnterRead();
  EXPECT_EQ(2, first.GetReaderCount());
  EXPECT_FALSE(first.HasNoReaders());
  EXPECT_EQ(2, first.GetThreadReadCount());
  EXPECT_EQ(1, second.GetThreadReadCount());
  LONG otherThreadCount = -1;
  CTestThread other([&] {
    first.EnterRead();
    otherThreadCount = first.GetThreadReadCount();
    first.LeaveRead();
  });
  ASSERT_TRUE(other.Join());
  EXPECT_EQ(1, otherThreadCount);
  EXPECT_EQ(2, first.GetReaderCount());
  first.LeaveRead();
  EXPECT_FALSE(first.HasNoReaders());
  first.LeaveRead();
  second.LeaveRead();
  ExpectFree(first);
  ExpectFree(second);
}

TEST(TKRWCriticalSection, AReaderUpgradesWithoutWaitingAndGetsItsReadsBack) {
  CTKRWCriticalSection lock;
  lock.EnterRead();
  lock.EnterRead();
  lock.EnterWrite();  // would wait for ever if it waited for its own reads
  EXPECT_EQ(0, lock.GetReaderCount());
  EXPECT_TRUE(lock.HasNoReaders());
  EXPECT_EQ(::GetCurrentThreadId(), lock.GetWriterThreadId());
  lock.LeaveWrite();
  EXPECT_EQ(2, lock.GetReaderCount());
  EXPECT_EQ(0u, lock.GetWriterThreadId());
  lock.LeaveRead();
  lock.LeaveRead();
  ExpectFree(lock);
}

TEST(TKRWCriticalSection, TheWriterNestsAndItsOwnReadsPassThrough) {
  CTKRWCriticalSection lock;
  lock.EnterWrite();
  lock.EnterWrite();
  lock.EnterRead();
  EXPECT_EQ(0, lock.GetReaderCount());
  EXPECT_EQ(0, lock.GetThreadReadCount());
  lock.LeaveRead();
  lock.LeaveWrite();
  EXPECT_EQ(1, lock.GetWriterRecursionCount());
  EXPECT_EQ(::GetCurrentThreadId(), lock.GetWriterThreadId());
  lock.LeaveWrite();
  ExpectFree(lock);
}

TEST(TKRWCriticalSection, LeavingWhatWasNotEnteredChangesNothing) {
  CTKRWCriticalSection lock;
  lock.LeaveRead();
  lock.LeaveWrite();
  ExpectFree(lock);
  lock.EnterWrite();
  CTestThread other([&] { lock.LeaveWrite(); });
  ASSERT_TRUE(other.Join());
  EXPECT_EQ(1, lock.GetWriterRecursionCount());
  EXPECT_EQ(::GetCurrentThreadId(), lock.GetWriterThreadId());
  lock.LeaveWrite();
  ExpectFree(lock);
}

TEST(TKRWCriticalSection, AReaderOfAnotherThreadWaitsForTheLastLeaveWrite) {
  BackOffWatch watch;
  CTKRWCriticalSection lock;
  LONG reading = 0;
  lock.EnterWrite();
  lock.EnterWrite();
  CTestThread reader([&] {
    ReadLockGuard guard(&lock);
    ::InterlockedExchange(&reading, 1);
  });
  ASSERT_TRUE(watch.AwaitWaiter());
  lock.LeaveWrite();
  EXPECT_EQ(0, reading);
  lock.LeaveWrite();
  ASSERT_TRUE(reader.Join());
  EXPECT_EQ(1, reading);
  ExpectFree(lock);
}

TEST(TKRWCriticalSection, AWriterWaitsForTheReadersOfOtherThreads) {
  BackOffWatch watch;
  CTKRWCriticalSection lock;
  LONG writing = 0;
  lock.EnterRead();
  CTestThread writer([&] {
    WriteLockGuard guard(&lock);
    ::InterlockedExchange(&writing, 1);
  });
  ASSERT_TRUE(watch.AwaitWaiter());
  EXPECT_EQ(0, writing);
  lock.LeaveRead();
  ASSERT_TRUE(writer.Join());
  EXPECT_EQ(1, writing);
  ExpectFree(lock);
}

TEST(TKRWCriticalSection, ManyThreadsKeepTheCountsExact) {
  CTKRWCriticalSection lock;
  LONG shared = 0;
  auto work = [&] {
    for (int i = 0; i < 200; ++i) {
      if (i % 4 == 0) {
        WriteLockGuard guard(&lock);
        LONG value = shared;
        ::SwitchToThread();
        shared = value + 1;
      } else {
        ReadLockGuard guard(&lock);
        ReadLockGuard nested(&lock);
      }
    }
  };
  { CTestThread a(work), b(work), c(work), d(work); }
  EXPECT_EQ(4 * 50, shared);
  ExpectFree(lock);
}

struct CSharedThing : CTKSynchronized {
  int Read() const {
    ReadLockGuard guard(*this);
    return m_lock.GetReaderCount();
  }
};

TEST(TKRWCriticalSection, GuardsTakeTheLockOfASynchronizedObjectOrNothing) {
  CSharedThing thing;
  EXPECT_EQ(1, thing.Read());
  {
    WriteLockGuard guard(thing);
    EXPECT_EQ(::GetCurrentThreadId(), thing.m_lock.GetWriterThreadId());
  }
  ExpectFree(thing.m_lock);
  ReadLockGuard none(static_cast<CTKRWCriticalSection*>(nullptr));
  WriteLockGuard neither(static_cast<CTKRWCriticalSection*>(nullptr));
}

TEST(TKLockGuard, EntersAndLeavesTheCriticalSection) {
  CRITICAL_SECTION cs;
  ::InitializeCriticalSection(&cs);
  {
    CTKLockGuard guard(cs);
    EXPECT_EQ(1, cs.RecursionCount);
  }
  EXPECT_EQ(0, cs.RecursionCount);
  ::DeleteCriticalSection(&cs);
}

}  // namespace
