// CSingleLock over sync objects: kernel waits, and objects that lock their own way.
#include <afxmt.h>

#include <gtest/gtest.h>

namespace {

class CCountingSync : public CSyncObject {
 public:
  CCountingSync() : CSyncObject("counting") {}
  BOOL Lock(DWORD) override { return ++m_nLocks, m_bGrant; }
  BOOL Unlock() override { return ++m_nUnlocks, TRUE; }
  int m_nLocks = 0;
  int m_nUnlocks = 0;
  BOOL m_bGrant = TRUE;
};

TEST(SingleLock, HoldsItsObjectUntilUnlockOrTheEndOfItsScope) {
  CCountingSync sync;
  {
    CSingleLock lock(&sync, TRUE);
    EXPECT_TRUE(lock.IsLocked());
    EXPECT_TRUE(lock.Unlock());
    EXPECT_FALSE(lock.IsLocked());
    EXPECT_TRUE(lock.Unlock());  // not held: nothing to give back
    EXPECT_TRUE(lock.Lock());
  }
  EXPECT_EQ(2, sync.m_nLocks);
  EXPECT_EQ(2, sync.m_nUnlocks);
}

TEST(SingleLock, ALockThatIsRefusedIsNotHeld) {
  CCountingSync sync;
  sync.m_bGrant = FALSE;
  {
    CSingleLock lock(&sync);
    EXPECT_EQ(0, sync.m_nLocks);
    EXPECT_FALSE(lock.Lock(0));
    EXPECT_FALSE(lock.IsLocked());
  }
  EXPECT_EQ(0, sync.m_nUnlocks);
}

class CEventSync : public CSyncObject {
 public:
  CEventSync() : CSyncObject("event") { m_hObject = ::CreateEventA(NULL, TRUE, FALSE, NULL); }
  BOOL Unlock() override { return ::ResetEvent(m_hObject); }
};

TEST(SyncObject, TheBaseLockWaitsForItsHandle) {
  CEventSync sync;
  EXPECT_EQ(sync.m_hObject, static_cast<HANDLE>(sync));
  EXPECT_FALSE(sync.Lock(0));
  ::SetEvent(sync.m_hObject);
  CSingleLock lock(&sync);
  EXPECT_TRUE(lock.Lock(0));
  EXPECT_TRUE(lock.Unlock());
  EXPECT_FALSE(sync.Lock(0));
}

}  // namespace
