// CReentrantLock and the container element types.
#include <gtest/gtest.h>
#include <windows.h>

#include "foundation/ReentrantLock.h"
#include "foundation/TesselElementType.h"
#include "foundation/TesselString.h"

namespace {

struct TryContext {
  CReentrantLock* lock;
  HANDLE started;
  volatile LONG acquired;
  volatile LONG counter;
  int rounds;
};

DWORD WINAPI LockOnce(LPVOID param) {
  TryContext* c = static_cast<TryContext*>(param);
  SetEvent(c->started);
  c->lock->Lock();
  InterlockedExchange(&c->acquired, 1);
  c->lock->Unlock();
  return 0;
}

DWORD WINAPI UnlockFromStranger(LPVOID param) {
  static_cast<CReentrantLock*>(param)->Unlock();
  return 0;
}

DWORD WINAPI Hammer(LPVOID param) {
  TryContext* c = static_cast<TryContext*>(param);
  for (int i = 0; i < c->rounds; ++i) {
    c->lock->Lock();
    c->lock->Lock();  // nested
    LONG v = c->counter;
    if ((i & 63) == 0) Sleep(0);
    c->counter = v + 1;  // unsynchronised read-modify-write: only the lock protects it
    c->lock->Unlock();
    c->lock->Unlock();
  }
  return 0;
}

}  // namespace

TEST(ReentrantLock, RecursionOnOneThread) {
  CReentrantLock lock;
  EXPECT_FALSE(lock.IsLocked());
  lock.Lock();
  lock.Lock();
  lock.Lock();
  EXPECT_TRUE(lock.IsLocked());
  EXPECT_EQ(GetCurrentThreadId(), lock.GetOwner());
  EXPECT_EQ(3, lock.GetCount());
  lock.Unlock();
  lock.Unlock();
  EXPECT_TRUE(lock.IsLocked());
  lock.Unlock();
  EXPECT_FALSE(lock.IsLocked());
  EXPECT_EQ(0u, lock.GetOwner());
  lock.Unlock();  // an unlock of a free lock changes nothing
  EXPECT_FALSE(lock.IsLocked());
  EXPECT_EQ(0, lock.GetCount());
}

TEST(ReentrantLock, StrangerUnlockChangesNothing) {
  CReentrantLock lock;
  lock.Lock();
  lock.Lock();
  HANDLE t = CreateThread(nullptr, 0, UnlockFromStranger, &lock, 0, nullptr);
  ASSERT_NE(nullptr, t);
  WaitForSingleObject(t, INFINITE);
  CloseHandle(t);
  EXPECT_EQ(2, lock.GetCount());
  EXPECT_EQ(GetCurrentThreadId(), lock.GetOwner());
  lock.Unlock();
  lock.Unlock();
  EXPECT_FALSE(lock.IsLocked());
}

TEST(ReentrantLock, BlocksOtherThreadsUntilTheLastUnlock) {
  CReentrantLock lock;
  TryContext c = {&lock, CreateEventA(nullptr, TRUE, FALSE, nullptr), 0, 0, 0};
  lock.Lock();
  lock.Lock();
  lock.Lock();
  HANDLE t = CreateThread(nullptr, 0, LockOnce, &c, 0, nullptr);
  ASSERT_NE(nullptr, t);
  WaitForSingleObject(c.started, INFINITE);
  EXPECT_EQ(static_cast<DWORD>(WAIT_TIMEOUT), WaitForSingleObject(t, 150));
  EXPECT_EQ(0, c.acquired);
  lock.Unlock();
  lock.Unlock();
  EXPECT_EQ(static_cast<DWORD>(WAIT_TIMEOUT), WaitForSingleObject(t, 100));
  EXPECT_EQ(0, c.acquired);
  lock.Unlock();  // the third unlock lets the other thread in
  EXPECT_EQ(static_cast<DWORD>(WAIT_OBJECT_0), WaitForSingleObject(t, 10000));
  EXPECT_EQ(1, c.acquired);
  EXPECT_FALSE(lock.IsLocked());
  CloseHandle(t);
  CloseHandle(c.started);
}

TEST(ReentrantLock, MutualExclusionUnderContention) {
  CReentrantLock lock;
  TryContext c = {&lock, nullptr, 0, 0, 2000};
  HANDLE threads[4];
  for (HANDLE& t : threads) {
    t = CreateThread(nullptr, 0, Hammer, &c, 0, nullptr);
    ASSERT_NE(nullptr, t);
  }
  WaitForMultipleObjects(4, threads, TRUE, INFINITE);
  for (HANDLE t : threads) CloseHandle(t);
  EXPECT_EQ(8000, c.counter);
  EXPECT_FALSE(lock.IsLocked());
}

TEST(ReentrantLock, GuardLocksForItsScope) {
  CReentrantLock lock;
  {
    CReentrantLockGuard guard(lock);
    EXPECT_TRUE(lock.IsLocked());
    {
      CReentrantLockGuard inner(lock);
      EXPECT_EQ(2, lock.GetCount());
    }
    EXPECT_EQ(1, lock.GetCount());
  }
  EXPECT_FALSE(lock.IsLocked());
}

// ---------------------------------------------------------------- element types

TEST(ElementTypes, NullSlotOrBadOperationGivesFalse) {
  ElementTypeCallback types[] = {Int32ElementType, Int64ElementType, DoubleElementType,
                                 StringElementType};
  int32_t value = 1;
  for (ElementTypeCallback type : types) {
    for (unsigned op = 0; op <= 3; ++op) EXPECT_FALSE(type(op, nullptr, &value));
    void* slot = nullptr;
    EXPECT_FALSE(type(4, &slot, &value));
    EXPECT_EQ(nullptr, slot);
  }
}

TEST(ElementTypes, Int32) {
  void* slot = nullptr;
  ASSERT_TRUE(Int32ElementType(ElementCreate, &slot, nullptr));
  ASSERT_NE(nullptr, slot);
  EXPECT_EQ(0, *static_cast<int32_t*>(slot));
  int32_t v = -17;
  EXPECT_TRUE(Int32ElementType(ElementCopy, &slot, &v));
  EXPECT_EQ(-17, *static_cast<int32_t*>(slot));
  EXPECT_TRUE(Int32ElementType(ElementEqual, &slot, &v));
  int32_t w = 5;
  EXPECT_FALSE(Int32ElementType(ElementEqual, &slot, &w));
  EXPECT_FALSE(Int32ElementType(ElementCopy, &slot, nullptr));
  EXPECT_FALSE(Int32ElementType(ElementEqual, &slot, nullptr));
  EXPECT_TRUE(Int32ElementType(ElementDestroy, &slot, nullptr));
  EXPECT_EQ(nullptr, slot);
}

TEST(ElementTypes, Int64ComparesBothWords) {
  void* slot = nullptr;
  ASSERT_TRUE(Int64ElementType(ElementCreate, &slot, nullptr));
  TesselInt32Pair* item = static_cast<TesselInt32Pair*>(slot);
  EXPECT_EQ(0, item->low);
  EXPECT_EQ(0, item->high);
  TesselInt32Pair pair = {7, 9};
  EXPECT_TRUE(Int64ElementType(ElementCopy, &slot, &pair));
  EXPECT_EQ(7, item->low);
  EXPECT_EQ(9, item->high);
  EXPECT_TRUE(Int64ElementType(ElementEqual, &slot, &pair));
  TesselInt32Pair highDiffers = {7, 10};
  EXPECT_FALSE(Int64ElementType(ElementEqual, &slot, &highDiffers));
  EXPECT_TRUE(Int64ElementType(ElementDestroy, &slot, nullptr));
  EXPECT_EQ(nullptr, slot);
}

TEST(ElementTypes, Double) {
  void* slot = nullptr;
  ASSERT_TRUE(DoubleElementType(ElementCreate, &slot, nullptr));
  EXPECT_EQ(0.0, *static_cast<double*>(slot));
  double d = 2.5;
  EXPECT_TRUE(DoubleElementType(ElementCopy, &slot, &d));
  EXPECT_TRUE(DoubleElementType(ElementEqual, &slot, &d));
  double e = 2.5000001;
  EXPECT_FALSE(DoubleElementType(ElementEqual, &slot, &e));
  EXPECT_TRUE(DoubleElementType(ElementDestroy, &slot, nullptr));
}

TEST(ElementTypes, StringUsesAssignAndEquals) {
  void* slot = nullptr;
  ASSERT_TRUE(StringElementType(ElementCreate, &slot, nullptr));
  CTesselString* item = static_cast<CTesselString*>(slot);
  EXPECT_EQ(0, item->GetLength());
  CTesselString source("text");
  EXPECT_TRUE(StringElementType(ElementCopy, &slot, &source));
  EXPECT_STREQ("text", item->GetText());
  EXPECT_TRUE(StringElementType(ElementEqual, &slot, &source));
  CTesselString wide;
  wide.SetWideText(L"text");
  EXPECT_TRUE(StringElementType(ElementEqual, &slot, &wide));  // narrow and wide equal
  CTesselString other("texT");
  EXPECT_FALSE(StringElementType(ElementEqual, &slot, &other));
  EXPECT_TRUE(StringElementType(ElementDestroy, &slot, nullptr));
  EXPECT_EQ(nullptr, slot);
  EXPECT_TRUE(StringElementType(ElementDestroy, &slot, nullptr));  // null item: still true
}
