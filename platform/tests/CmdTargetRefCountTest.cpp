// Reference counting of CCmdTarget: interlocked across threads, and the final
// release that deletes the object.
#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "afxwin.h"

namespace {

class CCountedTarget : public CCmdTarget {
 public:
  explicit CCountedTarget(int* pDeleted) : m_pDeleted(pDeleted) {}
  ~CCountedTarget() override { ++*m_pDeleted; }

 private:
  int* m_pDeleted;
};

class CKeptTarget : public CCmdTarget {
 public:
  int m_nFinalReleases = 0;
  void OnFinalRelease() override { ++m_nFinalReleases; }
};

TEST(CmdTargetRefCount, StartsAtOneAndReturnsTheNewCount) {
  CKeptTarget target;
  EXPECT_EQ(1, target.m_dwRef);
  EXPECT_EQ(2u, target.InternalAddRef());
  EXPECT_EQ(3u, target.InternalAddRef());
  EXPECT_EQ(2u, target.InternalRelease());
  EXPECT_EQ(1u, target.InternalRelease());
  EXPECT_EQ(0, target.m_nFinalReleases);
}

TEST(CmdTargetRefCount, LastReleaseCallsOnFinalReleaseOnce) {
  CKeptTarget target;
  target.InternalAddRef();
  target.InternalRelease();
  EXPECT_EQ(0, target.m_nFinalReleases);
  EXPECT_EQ(0u, target.InternalRelease());
  EXPECT_EQ(1, target.m_nFinalReleases);
}

TEST(CmdTargetRefCount, DefaultFinalReleaseDeletesTheObject) {
  int nDeleted = 0;
  CCountedTarget* pTarget = new CCountedTarget(&nDeleted);
  pTarget->InternalAddRef();
  pTarget->InternalRelease();
  EXPECT_EQ(0, nDeleted);
  pTarget->InternalRelease();
  EXPECT_EQ(1, nDeleted);
}

TEST(CmdTargetRefCount, ConcurrentAddRefAndReleaseLoseNoCount) {
  int nDeleted = 0;
  CCountedTarget* pTarget = new CCountedTarget(&nDeleted);
  const int kThreads = 8;
  const int kRounds = 20000;
  std::vector<std::thread> threads;
  for (int t = 0; t < kThreads; ++t) {
    threads.emplace_back([pTarget] {
      for (int i = 0; i < kRounds; ++i) {
        pTarget->InternalAddRef();
        pTarget->InternalAddRef();
        pTarget->InternalRelease();
      }
    });
  }
  for (std::thread& thread : threads) thread.join();
  EXPECT_EQ(1 + kThreads * kRounds, pTarget->m_dwRef);

  // Every thread now releases its share; exactly the last release deletes.
  threads.clear();
  for (int t = 0; t < kThreads; ++t) {
    threads.emplace_back([pTarget] {
      for (int i = 0; i < kRounds; ++i) pTarget->InternalRelease();
    });
  }
  for (std::thread& thread : threads) thread.join();
  EXPECT_EQ(0, nDeleted);
  EXPECT_EQ(0u, pTarget->InternalRelease());
  EXPECT_EQ(1, nDeleted);
}

TEST(CmdTargetRefCount, IsDynamicClassDerivedFromCObject) {
  CKeptTarget target;
  EXPECT_TRUE(target.IsKindOf(RUNTIME_CLASS(CCmdTarget)));
  EXPECT_TRUE(target.IsKindOf(RUNTIME_CLASS(CObject)));
  EXPECT_STREQ("CCmdTarget", RUNTIME_CLASS(CCmdTarget)->m_lpszClassName);
}

}  // namespace
