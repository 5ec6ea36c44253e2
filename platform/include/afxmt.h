// Synchronisation objects and the lock that holds one for a scope.
#pragma once

#include "afx.h"

/// Something a thread waits for and holds: by default a kernel object
/// (m_hObject) that Lock waits on. Derived classes release it in Unlock.
class CSyncObject : public CObject {
  DECLARE_DYNAMIC(CSyncObject)

 public:
  /// The name is for the derived classes that create a named kernel object.
  explicit CSyncObject(LPCTSTR pstrName);
  /// Closes m_hObject.
  ~CSyncObject() override;

  operator HANDLE() const { return m_hObject; }

  /// Waits up to dwTimeout milliseconds for the object; TRUE when it was
  /// acquired (an abandoned mutex counts as acquired).
  virtual BOOL Lock(DWORD dwTimeout = INFINITE);
  virtual BOOL Unlock() = 0;
  /// For counted objects; the base has no count and answers TRUE.
  virtual BOOL Unlock(LONG lCount, LPLONG lpPrevCount = NULL);

  HANDLE m_hObject;
  /// The name given at construction, kept for diagnostics.
  CString m_strName;
};

/// Holds one CSyncObject for a scope: locked by Lock (or at construction)
/// and unlocked by Unlock or, at the latest, by the destructor.
class CSingleLock {
 public:
  explicit CSingleLock(CSyncObject* pObject, BOOL bInitialLock = FALSE);
  ~CSingleLock();
  CSingleLock(const CSingleLock&) = delete;
  CSingleLock& operator=(const CSingleLock&) = delete;

  /// TRUE when the object was acquired within dwTimeOut; a lock already
  /// held is not taken twice.
  BOOL Lock(DWORD dwTimeOut = INFINITE);
  /// Releases a held lock; TRUE when nothing is held afterwards.
  BOOL Unlock();
  BOOL Unlock(LONG lCount, LPLONG lPrevCount = NULL);
  BOOL IsLocked() { return m_bAcquired; }

 protected:
  CSyncObject* m_pObject;
  HANDLE m_hObject;
  BOOL m_bAcquired;
};
