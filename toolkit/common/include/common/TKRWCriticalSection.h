// The toolkit's own locks: a recursive spin lock, a reader/writer lock built on
// it, and scope guards for both and for Win32 critical sections. They never
// block in the kernel except through Sleep, so they cost nothing while free.
#pragma once

#include <windows.h>

/// A recursive lock held by one thread at a time. Waiters sleep with a
/// back-off of 1, 2, 4 ... up to 1024 ms between tries; there is no time-out.
class CTKRecursiveSpinLock {
 public:
  CTKRecursiveSpinLock();

  /// Takes the lock; the owner may take it again (each Lock wants an Unlock).
  void Lock();
  /// Gives back one Lock; the last one frees the lock. The caller is not checked.
  void Unlock();

  BOOL IsLocked() const { return m_nLock != 0; }
  LONG GetRecursionCount() const { return m_nRecursion; }
  DWORD GetOwnerThreadId() const { return m_dwOwner; }

  /// The sleep of every back-off wait of these locks (null: ::Sleep). Tests
  /// put their own here to learn that a thread is waiting.
  typedef void(WINAPI* PFNSLEEP)(DWORD dwMilliseconds);
  static PFNSLEEP SetSleepProc(PFNSLEEP pfnSleep);
  /// One back-off sleep of `rnInterval` ms, doubling it while below 1024.
  static void BackOff(DWORD& rnInterval);

 private:
  volatile LONG m_nLock;
  volatile LONG m_nRecursion;
  volatile DWORD m_dwOwner;
};

/// Holds a CTKRecursiveSpinLock for its scope.
class CTKRecursiveSpinLockGuard {
 public:
  explicit CTKRecursiveSpinLockGuard(CTKRecursiveSpinLock* pLock) : m_pLock(pLock) {
    m_pLock->Lock();
  }
  ~CTKRecursiveSpinLockGuard() { m_pLock->Unlock(); }
  CTKRecursiveSpinLockGuard(const CTKRecursiveSpinLockGuard&) = delete;
  CTKRecursiveSpinLockGuard& operator=(const CTKRecursiveSpinLockGuard&) = delete;

 private:
  CTKRecursiveSpinLock* m_pLock;
};

/// Shared readers and one recursive writer. A thread's read locks nest; the
/// writer's own read requests pass through uncounted; a thread holding read
/// locks may take the write side (its reads are set aside meanwhile and held
/// again after the last LeaveWrite). Readers never wait for each other; a
/// writer waits for every reader but itself. No call reports failure.
class CTKRWCriticalSection {
 public:
  CTKRWCriticalSection();

  void EnterRead();
  void LeaveRead();
  void EnterWrite();
  /// Ignored unless the calling thread is the writer.
  void LeaveWrite();

  LONG GetReaderCount() const { return m_nReaders; }
  LONG GetWriterRecursionCount() const { return m_nWriterRecursion; }
  DWORD GetWriterThreadId() const { return m_dwWriter; }
  /// 1 exactly while no read lock is held.
  BOOL HasNoReaders() const { return m_bNoReaders; }
  /// The read locks the calling thread holds on this lock.
  LONG GetThreadReadCount() const;

 private:
  void AcquireRead(BOOL bRecord);
  void ReleaseRead(BOOL bRecord);
  BOOL IsWriter() const { return m_dwWriter == ::GetCurrentThreadId(); }

  volatile LONG m_nReaders;
  volatile LONG m_nWriterRecursion;
  volatile DWORD m_dwWriter;
  CTKRecursiveSpinLock m_spinLock;
  volatile LONG m_bNoReaders;
};

/// Base of the objects that carry one reader/writer lock and lock through it.
class CTKSynchronized {
 public:
  virtual ~CTKSynchronized() {}

  /// Mutable so that const members can take it.
  mutable CTKRWCriticalSection m_lock;
};

/// Holds the read side of a lock for its scope (nothing for a null lock).
class ReadLockGuard {
 public:
  explicit ReadLockGuard(CTKRWCriticalSection* pLock, const void* pOwner = nullptr)
      : m_pLock(pLock) {
    if (m_pLock) m_pLock->EnterRead();
    m_pOwner = pOwner;
  }
  explicit ReadLockGuard(const CTKSynchronized& object) : ReadLockGuard(&object.m_lock, &object) {}
  ~ReadLockGuard() {
    if (m_pLock) m_pLock->LeaveRead();
  }
  ReadLockGuard(const ReadLockGuard&) = delete;
  ReadLockGuard& operator=(const ReadLockGuard&) = delete;

 private:
  CTKRWCriticalSection* m_pLock;
  const void* m_pOwner;
};

/// Holds the write side of a lock for its scope (nothing for a null lock).
class WriteLockGuard {
 public:
  explicit WriteLockGuard(CTKRWCriticalSection* pLock, const void* pOwner = nullptr)
      : m_pLock(pLock) {
    if (m_pLock) m_pLock->EnterWrite();
    m_pOwner = pOwner;
  }
  explicit WriteLockGuard(const CTKSynchronized& object)
      : WriteLockGuard(&object.m_lock, &object) {}
  ~WriteLockGuard() {
    if (m_pLock) m_pLock->LeaveWrite();
  }
  WriteLockGuard(const WriteLockGuard&) = delete;
  WriteLockGuard& operator=(const WriteLockGuard&) = delete;

 private:
  CTKRWCriticalSection* m_pLock;
  const void* m_pOwner;
};

/// Holds a Win32 critical section for its scope.
class CTKLockGuard {
 public:
  explicit CTKLockGuard(CRITICAL_SECTION* pSection) : m_pSection(pSection) {
    ::EnterCriticalSection(m_pSection);
  }
  explicit CTKLockGuard(CRITICAL_SECTION& section) : CTKLockGuard(&section) {}
  ~CTKLockGuard() { ::LeaveCriticalSection(m_pSection); }
  CTKLockGuard(const CTKLockGuard&) = delete;
  CTKLockGuard& operator=(const CTKLockGuard&) = delete;

 private:
  CRITICAL_SECTION* m_pSection;
};
