// CReentrantLock: the system's recursive lock. A thread that holds
// the lock may take it again; each Lock needs one Unlock. Waiting has no time-out.
#pragma once

#include <windows.h>

class CReentrantLock {
 public:
  CReentrantLock();
  ~CReentrantLock();

  void Lock();    // blocks until the calling thread owns the lock; re-entry counts up
  void Unlock();  // releases one level; a non-owner or a free lock changes nothing

  // Read-only views (not synchronised beyond the inner section).
  bool IsLocked();
  DWORD GetOwner();
  long GetCount();

 private:
  CReentrantLock(const CReentrantLock&) = delete;
  CReentrantLock& operator=(const CReentrantLock&) = delete;

  CRITICAL_SECTION m_outer;  // held by the owner for the whole time the lock is taken
  CRITICAL_SECTION m_inner;  // guards the four fields below, held briefly
  bool m_locked;
  DWORD m_owner;
  long m_count;
  HANDLE m_released;  // manual-reset; signalled when the lock is released
};

// Scope guard: Lock in the constructor, Unlock in the destructor.
class CReentrantLockGuard {
 public:
  explicit CReentrantLockGuard(CReentrantLock& lock) : m_lock(lock) { m_lock.Lock(); }
  ~CReentrantLockGuard() { m_lock.Unlock(); }

 private:
  CReentrantLockGuard(const CReentrantLockGuard&) = delete;
  CReentrantLockGuard& operator=(const CReentrantLockGuard&) = delete;
  CReentrantLock& m_lock;
};
