// CReentrantLock.
#include "foundation/ReentrantLock.h"

CReentrantLock::CReentrantLock() : m_locked(false), m_owner(0), m_count(0), m_released(nullptr) {
  InitializeCriticalSection(&m_outer);
  InitializeCriticalSection(&m_inner);
  m_released = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  if (m_released) ResetEvent(m_released);
}

CReentrantLock::~CReentrantLock() {
  DeleteCriticalSection(&m_outer);
  DeleteCriticalSection(&m_inner);
  if (m_released) {
    SetEvent(m_released);  // wake any waiter
    CloseHandle(m_released);
    m_released = nullptr;
  }
}

void CReentrantLock::Lock() {
  const DWORD self = GetCurrentThreadId();
  for (;;) {
    bool done = false;
    EnterCriticalSection(&m_inner);
    if (m_locked) {
      if (m_owner == self) {
        ++m_count;
        done = true;
      }
    } else {
      // May block briefly while the previous owner leaves the outer section;
      // that owner no longer needs the inner one.
      EnterCriticalSection(&m_outer);
      m_locked = true;
      m_owner = self;
      if (m_released) ResetEvent(m_released);
      ++m_count;
      done = true;
    }
    LeaveCriticalSection(&m_inner);
    if (done) return;
    if (m_released)
      WaitForSingleObject(m_released, INFINITE);
    else
      Sleep(1);  // no event could be made: poll
  }
}

void CReentrantLock::Unlock() {
  const DWORD self = GetCurrentThreadId();
  EnterCriticalSection(&m_inner);
  bool locked = m_locked;
  LeaveCriticalSection(&m_inner);
  if (!locked) return;

  bool released = false;
  EnterCriticalSection(&m_inner);
  if (m_count > 0 && m_owner == self) {
    if (--m_count == 0) {
      m_locked = false;
      m_owner = 0;
      released = true;
    }
  }
  LeaveCriticalSection(&m_inner);
  if (released) {
    if (m_released) SetEvent(m_released);
    LeaveCriticalSection(&m_outer);
  }
}

bool CReentrantLock::IsLocked() {
  EnterCriticalSection(&m_inner);
  bool locked = m_locked;
  LeaveCriticalSection(&m_inner);
  return locked;
}

DWORD CReentrantLock::GetOwner() {
  EnterCriticalSection(&m_inner);
  DWORD owner = m_owner;
  LeaveCriticalSection(&m_inner);
  return owner;
}

long CReentrantLock::GetCount() {
  EnterCriticalSection(&m_inner);
  long count = m_count;
  LeaveCriticalSection(&m_inner);
  return count;
}
