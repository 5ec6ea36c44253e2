// CSingleLock over synchronisation objects: it holds what it locked until it
// unlocks or goes, and never releases what it does not hold.
#include <afxmt.h>

#include <gtest/gtest.h>

namespace {

/// Grants or refuses locks as told and counts the calls.
class CCountingSync : public CSyncObject {
 public:
  CCountingSync() : CSyncObject("counting") {}
  BOOL m_bGrant = TRUE;
  int m_nLocks = 0, m_nUnlocks = 0, m_nCountedUnlocks = 0;
  DWORD m_dwLastTimeout = 0;

  BOOL Lock(DWORD dwTimeout) override {
    ++m_nLocks;
    m_dwLastTimeout = dwTimeout;
    return m_bGrant;
  }
  BOOL Unlock() override {
    ++m_nUnlocks;
    return TRUE;
  }
  BOOL Unlock(LONG, LPLONG) override {
    ++m_nCountedUnlocks;
    return TRUE;
  }
};

TEST(SingleLock, HoldsTheObjectUntilUnlockOrTheEndOfItsScope) {
  CCountingSync sync;
  {
    CSingleLock lock(&sync);
    EXPECT_FALSE(lock.IsLocked());
    EXPECT_EQ(0, sync.m_nLocks);
    EXPECT_TRUE(lock.Lock(250));
    EXPECT_EQ(250u, sync.m_dwLastTimeout);
    EXPECT_TRUE(lock.IsLocked());
    EXPECT_TRUE(lock.Lock());  // held already: not taken twice
    EXPECT_EQ(1, sync.m_nLocks);
    EXPECT_TRUE(lock.Unlock());
    EXPECT_FALSE(lock.IsLocked());
    EXPECT_TRUE(lock.Unlock());  // nothing held: nothing released
    EXPECT_EQ(1, sync.m_nUnlocks);
    CSingleLock initial(&sync, TRUE);
    EXPECT_TRUE(initial.IsLocked());
    EXPECT_EQ(INFINITE, sync.m_dwLastTimeout);
  }
  EXPECT_EQ(2, sync.m_nLocks);
  EXPECT_EQ(2, sync.m_nUnlocks);  // the initial lock, released by its destructor
}

TEST(SingleLock, ALockNotGrantedIsNeverReleased) {
  CCountingSync sync;
  sync.m_bGrant = FALSE;
  {
    CSingleLock lock(&sync, TRUE);
    EXPECT_FALSE(lock.IsLocked());
    EXPECT_FALSE(lock.Lock(0));
    EXPECT_TRUE(lock.Unlock());
    EXPECT_TRUE(lock.Unlock(2));
  }
  EXPECT_EQ(2, sync.m_nLocks);
  EXPECT_EQ(0, sync.m_nUnlocks);
  EXPECT_EQ(0, sync.m_nCountedUnlocks);
}

TEST(SingleLock, ACountedUnlockGoesToTheCountedRelease) {
  CCountingSync sync;
  CSingleLock lock(&sync, TRUE);
  EXPECT_TRUE(lock.Unlock(1));
  EXPECT_FALSE(lock.IsLocked());
  EXPECT_EQ(1, sync.m_nCountedUnlocks);
  EXPECT_EQ(0, sync.m_nUnlocks);
}

/// A kernel event as the object: the base Lock waits for it.
class CEventSync : public CSyncObject {
 public:
  CEventSync() : CSyncObject(NULL) { m_hObject = ::CreateEventA(NULL, FALSE, FALSE, NULL); }
  using CSyncObject::Unlock;
  BOOL Unlock() override { return ::SetEvent(m_hObject); }
};

TEST(SyncObject, TheBaseLockWaitsForTheKernelObject) {
  CEventSync event;
  ASSERT_NE(nullptr, event.m_hObject);
  EXPECT_EQ(event.m_hObject, static_cast<HANDLE>(event));
  {
    CSingleLock lock(&event);
    EXPECT_FALSE(lock.Lock(0));  // not signalled
    ::SetEvent(event.m_hObject);
    EXPECT_TRUE(lock.Lock(0));  // the auto-reset event is taken...
  }                             // ...and given back by the destructor (Unlock)
  EXPECT_TRUE(event.Lock(0));
  EXPECT_TRUE(event.Unlock(1, NULL));  // the base has no count to release
}

}  // namespace
