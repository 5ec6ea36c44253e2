// Synchronisation objects: the lockable base of the kernel objects and the
// single lock that holds one of them for a scope.
#pragma once

#include "afx.h"

/// A lockable object. The base waits on m_hObject; classes whose locking is
/// not a kernel wait override Lock and Unlock.
class CSyncObject : public CObject {
  DECLARE_DYNAMIC(CSyncObject)

 public:
  /// The name is kept for diagnostics only.
  explicit CSyncObject(LPCSTR pstrName);
  /// Closes m_hObject when there is one.
  ~CSyncObject() override;

  operator HANDLE() const { return m_hObject; }

  /// Waits for m_hObject; TRUE when it was signalled (or abandoned) in time.
  virtual BOOL Lock(DWORD dwTimeout = INFINITE);
  virtual BOOL Unlock() = 0;
  virtual BOOL Unlock(LONG lCount, LPLONG lpPrevCount = NULL);

  HANDLE m_hObject;
  CString m_strName;
};

/// Holds one CSyncObject, from Lock (or construction with bInitialLock) to
/// Unlock or the end of its scope.
class CSingleLock {
 public:
  explicit CSingleLock(CSyncObject* pObject, BOOL bInitialLock = FALSE);
  ~CSingleLock() { Unlock(); }
  CSingleLock(const CSingleLock&) = delete;
  CSingleLock& operator=(const CSingleLock&) = delete;

  BOOL Lock(DWORD dwTimeOut = INFINITE);
  /// TRUE when the lock is not held afterwards (also when it was not held).
  BOOL Unlock();
  BOOL Unlock(LONG lCount, LPLONG lPrevCount = NULL);
  BOOL IsLocked() const { return m_bAcquired; }

 protected:
  CSyncObject* m_pObject;
  HANDLE m_hObject;
  BOOL m_bAcquired;
};
