// The recursive spin lock and the reader/writer lock. Read counts are kept per
// thread (one map per thread, in one TLS slot shared by every lock), so that a
// reader can step aside for its own upgrade to the write side.
#include "common/TKRWCriticalSection.h"

#include <afx.h>
#include <afxtempl.h>

namespace {

const DWORD kMaxBackOff = 1024;

CTKRecursiveSpinLock::PFNSLEEP g_pfnSleep = &::Sleep;

/// One thread's read counts, by lock.
typedef CMap<void*, void*, LONG, LONG> CThreadReadCounts;

DWORD AllocReadCountSlot() {
  DWORD slot = ::TlsAlloc();
  return slot == TLS_OUT_OF_INDEXES ? 0 : slot + 1;
}

// The slot is taken by the first lock used, whichever static initialiser or
// thread that is; a racing second TlsAlloc is given back. Stored as index + 1
// so that 0 means "not yet".
DWORD ReadCountSlot() {
  static volatile LONG s_nSlotPlusOne = 0;
  LONG current = s_nSlotPlusOne;
  if (current != 0) return static_cast<DWORD>(current - 1);
  DWORD mine = AllocReadCountSlot();
  if (mine == 0) AfxThrowMemoryException();
  LONG previous = ::InterlockedCompareExchange(&s_nSlotPlusOne, static_cast<LONG>(mine), 0);
  if (previous != 0) {
    ::TlsFree(mine - 1);
    return static_cast<DWORD>(previous - 1);
  }
  return mine - 1;
}

// The slot exists before main, as the locks of static objects expect.
const DWORD g_dwReadCountSlot = ReadCountSlot();

CThreadReadCounts* ThreadReadCounts(BOOL bCreate) {
  DWORD slot = ReadCountSlot();
  CThreadReadCounts* pCounts = static_cast<CThreadReadCounts*>(::TlsGetValue(slot));
  if (pCounts == nullptr && bCreate) {
    pCounts = new CThreadReadCounts(10);
    pCounts->InitHashTable(17);
    ::TlsSetValue(slot, pCounts);
  }
  return pCounts;
}

}  // namespace

// ---------------------------------------------------------------------------

CTKRecursiveSpinLock::CTKRecursiveSpinLock() : m_nLock(0), m_nRecursion(0), m_dwOwner(0) {}

CTKRecursiveSpinLock::PFNSLEEP CTKRecursiveSpinLock::SetSleepProc(PFNSLEEP pfnSleep) {
  PFNSLEEP previous = g_pfnSleep;
  g_pfnSleep = pfnSleep ? pfnSleep : &::Sleep;
  return previous;
}

void CTKRecursiveSpinLock::BackOff(DWORD& rnInterval) {
  g_pfnSleep(rnInterval);
  if (rnInterval < kMaxBackOff) rnInterval *= 2;
}

void CTKRecursiveSpinLock::Lock() {
  DWORD self = ::GetCurrentThreadId();
  if (m_dwOwner == self) {
    ::InterlockedIncrement(&m_nRecursion);
    return;
  }
  DWORD interval = 1;
  for (;;) {
    while (m_nLock != 0) BackOff(interval);
    if (::InterlockedIncrement(&m_nLock) == 1) break;
    ::InterlockedDecrement(&m_nLock);
  }
  ::InterlockedIncrement(&m_nRecursion);
  m_dwOwner = self;
}

void CTKRecursiveSpinLock::Unlock() {
  if (::InterlockedDecrement(&m_nRecursion) == 0) {
    m_dwOwner = 0;
    ::InterlockedDecrement(&m_nLock);
  }
}

// ---------------------------------------------------------------------------

CTKRWCriticalSection::CTKRWCriticalSection()
    : m_nReaders(0), m_nWriterRecursion(0), m_dwWriter(0), m_bNoReaders(1) {}

LONG CTKRWCriticalSection::GetThreadReadCount() const {
  CThreadReadCounts* pCounts = ThreadReadCounts(FALSE);
  LONG count = 0;
  if (pCounts) pCounts->Lookup(const_cast<CTKRWCriticalSection*>(this), count);
  return count;
}

void CTKRWCriticalSection::AcquireRead(BOOL bRecord) {
  m_spinLock.Lock();
  if (bRecord) ++(*ThreadReadCounts(TRUE))[this];
  if (::InterlockedIncrement(&m_nReaders) == 1) ::InterlockedExchange(&m_bNoReaders, 0);
  m_spinLock.Unlock();
}

void CTKRWCriticalSection::ReleaseRead(BOOL bRecord) {
  if (bRecord) {
    CThreadReadCounts* pCounts = ThreadReadCounts(FALSE);
    LONG count = 0;
    // A release without a matching acquire on this thread would corrupt
    // another thread's count; it is ignored.
    if (pCounts == nullptr || !pCounts->Lookup(this, count) || count <= 0) return;
    if (count == 1) {
      pCounts->RemoveKey(this);
      if (pCounts->IsEmpty()) {
        delete pCounts;
        ::TlsSetValue(ReadCountSlot(), nullptr);
      }
    } else {
      (*pCounts)[this] = count - 1;
    }
  }
  if (::InterlockedDecrement(&m_nReaders) == 0) ::InterlockedExchange(&m_bNoReaders, 1);
}

void CTKRWCriticalSection::EnterRead() {
  if (!IsWriter()) AcquireRead(TRUE);
}

void CTKRWCriticalSection::LeaveRead() {
  if (!IsWriter()) ReleaseRead(TRUE);
}

void CTKRWCriticalSection::EnterWrite() {
  if (!IsWriter()) {
    // Step aside for our own upgrade; the recorded count stays for LeaveWrite.
    for (LONG n = GetThreadReadCount(); n > 0; --n) ReleaseRead(FALSE);
    DWORD interval = 1;
    for (;;) {
      while (!m_bNoReaders) CTKRecursiveSpinLock::BackOff(interval);
      m_spinLock.Lock();
      if (m_nReaders <= 0) break;
      m_spinLock.Unlock();
    }
  } else {
    m_spinLock.Lock();
  }
  if (::InterlockedIncrement(&m_nWriterRecursion) == 1) m_dwWriter = ::GetCurrentThreadId();
}

void CTKRWCriticalSection::LeaveWrite() {
  if (!IsWriter()) return;
  if (m_nWriterRecursion == 1) {
    // Our spin lock is recursive, so taking our reads back cannot wait.
    for (LONG n = GetThreadReadCount(); n > 0; --n) AcquireRead(FALSE);
  }
  if (::InterlockedDecrement(&m_nWriterRecursion) == 0) m_dwWriter = 0;
  m_spinLock.Unlock();
}
