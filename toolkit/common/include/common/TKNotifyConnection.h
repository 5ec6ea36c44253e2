// Publish and subscribe by event code: a connection that an announcing object
// owns, and sinks that route each code to a member function of a listener.
#pragma once

#include <afxwin.h>
#include <afxmt.h>
#include <afxtempl.h>

class CTKNotifyConnection;
class CTKNotifySinkBase;

/// Identifies one advise.
typedef void* TK_NOTIFY_COOKIE;

/// The sinks advised for event codes, called by SendEvent. Reference counted
/// (CCmdTarget): each sink's advise holds a reference, the owner releases its
/// own. Sinks may advise, unadvise and send again while an event is sent. Used
/// on the UI thread; its lock object does nothing.
class CTKNotifyConnection : public CCmdTarget {
 public:
  /// A lock that never waits.
  class CEmptySyncObject : public CSyncObject {
   public:
    CEmptySyncObject() : CSyncObject("TKEmptySyncObject") {}
    BOOL Lock(DWORD = INFINITE) override { return TRUE; }
    BOOL Unlock() override { return TRUE; }
    BOOL Unlock(LONG, LPLONG = NULL) override { return TRUE; }
  };

  /// One advise.
  struct CONNECTION_DESCRIPTOR {
    DWORD dwEvent;
    CTKNotifySinkBase* pSink;
    TK_NOTIFY_COOKIE cookie;
  };

  CTKNotifyConnection();
  ~CTKNotifyConnection() override;

  /// Advises `pSink` for `dwEvent`; the cookie, or null when out of memory.
  TK_NOTIFY_COOKIE Advise(DWORD dwEvent, CTKNotifySinkBase* pSink);
  /// Ends one advise (nothing for an unknown cookie).
  void Unadvise(TK_NOTIFY_COOKIE cookie);
  /// Index of the advise, -1 when none.
  INT_PTR FindConnection(TK_NOTIFY_COOKIE cookie) const;
  void RemoveAll();
  INT_PTR GetConnectionCount() const { return m_arrConnections.GetSize(); }

  /// Calls OnEvent of every sink advised for `dwEvent` when the send starts
  /// (and still advised when its turn comes), in advise order; a sink's
  /// exception is dropped. TRUE when any advise matched.
  BOOL SendEvent(DWORD dwEvent, WPARAM wParam = 0, LPARAM lParam = 0, DWORD dwFlags = 0);

  virtual CSyncObject* GetSyncObject();

 protected:
  CArray<CONNECTION_DESCRIPTOR*, CONNECTION_DESCRIPTOR*> m_arrConnections;
  /// Copies of the advises being called; nested sends stack up above.
  CArray<CONNECTION_DESCRIPTOR, const CONNECTION_DESCRIPTOR&> m_arrFiring;
  INT_PTR m_nFiringCount;
  CEmptySyncObject m_syncObject;
};

/// A listener's end: it records its advises and holds a reference on each
/// connection until it unadvises. A sink destroyed while advised unadvises
/// itself first.
class CTKNotifySinkBase {
 public:
  CTKNotifySinkBase();
  virtual ~CTKNotifySinkBase();
  CTKNotifySinkBase(const CTKNotifySinkBase&) = delete;
  CTKNotifySinkBase& operator=(const CTKNotifySinkBase&) = delete;

  virtual int OnEvent(DWORD dwEvent, WPARAM wParam, LPARAM lParam, DWORD dwFlags) = 0;
  /// Told for each advise that UnadviseAll ends.
  virtual void OnUnadvise(DWORD dwEvent);

  /// Advises this sink for `dwEvent`; the cookie, or null (null connection).
  TK_NOTIFY_COOKIE Advise(CTKNotifyConnection* pConnection, DWORD dwEvent);
  /// Ends every advise and releases the connections.
  void UnadviseAll();
  INT_PTR GetAdviseCount() const { return m_mapAdvises.GetCount(); }

 protected:
  struct ADVISE {
    DWORD dwEvent;
    CTKNotifyConnection* pConnection;
    TK_NOTIFY_COOKIE cookie;
  };
  CMap<TK_NOTIFY_COOKIE, TK_NOTIFY_COOKIE, ADVISE, const ADVISE&> m_mapAdvises;
};

/// What a sink calls for one event code.
class CTKNotifySinkDelegate {
 public:
  virtual ~CTKNotifySinkDelegate() {}
  virtual int OnEvent(DWORD dwEvent, WPARAM wParam, LPARAM lParam) = 0;
};

/// Calls a member function of an object.
template <class T>
class CTKNotifySinkClassDelegate : public CTKNotifySinkDelegate {
 public:
  typedef int (T::*PFNEVENT)(DWORD dwEvent, WPARAM wParam, LPARAM lParam);
  CTKNotifySinkClassDelegate(T* pObject, PFNEVENT pfnEvent)
      : m_pObject(pObject), m_pfnEvent(pfnEvent) {}
  int OnEvent(DWORD dwEvent, WPARAM wParam, LPARAM lParam) override {
    return (m_pObject->*m_pfnEvent)(dwEvent, wParam, lParam);
  }

 private:
  T* m_pObject;
  PFNEVENT m_pfnEvent;
};

/// A sink that routes each event code to the delegate given for it (one per
/// code; it owns them).
class CTKNotifySink : public CTKNotifySinkBase {
 public:
  CTKNotifySink();
  ~CTKNotifySink() override;

  /// Replaces (and deletes) the code's delegate, then advises.
  TK_NOTIFY_COOKIE Advise(CTKNotifyConnection* pConnection, DWORD dwEvent,
                          CTKNotifySinkDelegate* pDelegate);
  /// The delegate's answer; 0 without a delegate for the code.
  int OnEvent(DWORD dwEvent, WPARAM wParam, LPARAM lParam, DWORD dwFlags) override;
  /// Deletes the code's delegate.
  void OnUnadvise(DWORD dwEvent) override;
  /// UnadviseAll, then deletes this (heap) sink.
  void UnadviseAndDelete();

 protected:
  CMap<DWORD, DWORD, CTKNotifySinkDelegate*, CTKNotifySinkDelegate*> m_mapDelegates;
};
