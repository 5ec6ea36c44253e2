// The toolkit's one application object: what the process-wide services observe
// to learn, once, that the process is shutting down.
#pragma once

#include <afx.h>
#include <afxtempl.h>

#include "common/TKRWCriticalSection.h"

class CTKApplication;

/// What observers of the application are told at shutdown, in two passes:
/// first every observer's OnBeforeApplicationShutdown, then every observer's
/// OnApplicationShutdown.
class ITKApplicationEvents {
 public:
  virtual void OnBeforeApplicationShutdown(CTKApplication* pApplication) = 0;
  virtual void OnApplicationShutdown(CTKApplication* pApplication) = 0;

 protected:
  ~ITKApplicationEvents() = default;
};

/// An ordered list of observers that can change while it is being notified:
/// a removal during a pass only marks the entry (it is dropped when the
/// outermost pass ends) and an observer added during a pass is called by it.
/// Not locked; the owner locks around Add/Remove when threads share it.
template <class TSource, class TObserver>
class CTKObservable {
 public:
  struct OBSERVER_ENTRY {
    TObserver* pObserver;
    BOOL bRemoved;
  };

  CTKObservable() : m_nNotifyDepth(0) {}

  /// Index of the entry of `pObserver` (marked removed or not), -1 when absent.
  INT_PTR FindObserver(const TObserver* pObserver) const {
    for (INT_PTR i = 0; i < m_arrObservers.GetSize(); ++i) {
      if (m_arrObservers[i].pObserver == pObserver) return i;
    }
    return -1;
  }
  /// Appends `pObserver` unless it is there already.
  void AddObserver(TObserver* pObserver) {
    if (FindObserver(pObserver) < 0) m_arrObservers.Add(OBSERVER_ENTRY{pObserver, FALSE});
  }
  /// Takes `pObserver` out, or marks it removed while a pass runs.
  void RemoveObserver(const TObserver* pObserver) {
    INT_PTR index = FindObserver(pObserver);
    if (index < 0) return;
    if (m_nNotifyDepth > 0)
      m_arrObservers[index].bRemoved = TRUE;
    else
      m_arrObservers.RemoveAt(index);
  }

  /// One pass: calls `pfn` on every observer not marked removed, the count
  /// read again before each call; then EndNotify.
  void NotifyObservers(void (TObserver::*pfn)(TSource*)) {
    ++m_nNotifyDepth;
    struct EndGuard {
      CTKObservable* pThis;
      ~EndGuard() { pThis->EndNotify(); }
    } guard{this};
    for (INT_PTR i = 0; i < m_arrObservers.GetSize(); ++i) {
      if (!m_arrObservers[i].bRemoved)
        (m_arrObservers[i].pObserver->*pfn)(static_cast<TSource*>(this));
    }
  }
  /// Ends a pass; the outermost one drops the entries marked removed, last first.
  void EndNotify() {
    if (--m_nNotifyDepth > 0) return;
    for (INT_PTR i = m_arrObservers.GetSize() - 1; i >= 0; --i) {
      if (m_arrObservers[i].bRemoved) m_arrObservers.RemoveAt(i);
    }
  }

  INT_PTR GetObserverCount() const { return m_arrObservers.GetSize(); }
  const OBSERVER_ENTRY& GetObserverAt(INT_PTR nIndex) const { return m_arrObservers[nIndex]; }
  int GetNotifyDepth() const { return m_nNotifyDepth; }

 protected:
  CArray<OBSERVER_ENTRY, const OBSERVER_ENTRY&> m_arrObservers;
  int m_nNotifyDepth;
};

/// The process-wide application object (TKApplication). It lives from start-up
/// until the very end of the process and shuts down once; after that it can
/// no longer be reached.
class CTKApplication : public CObject,
                       public CTKObservable<CTKApplication, ITKApplicationEvents>,
                       public CTKSynchronized {
  DECLARE_DYNAMIC(CTKApplication)

 public:
  CTKApplication();
  /// Shuts down (when nobody did yet), then frees the observers.
  ~CTKApplication() override;

  /// Registers or unregisters an observer under the write lock.
  void RegisterObserver(ITKApplicationEvents* pObserver);
  void UnregisterObserver(const ITKApplicationEvents* pObserver);

  /// Tells the observers, once: first OnBeforeApplicationShutdown to all, then
  /// OnApplicationShutdown to all. Nothing when already shut down.
  void Shutdown();
  BOOL IsShutdown() const { return m_bShutdown; }

 private:
  BOOL m_bShutdown;
};

/// The application object, made on first use. Raises COleException(E_FAIL)
/// once it has shut down.
CTKApplication* TKApplication();

/// Shuts the application down, once; later calls do nothing. The application's
/// own destructor calls it at exit when nobody did before.
void ShutdownApplication();
