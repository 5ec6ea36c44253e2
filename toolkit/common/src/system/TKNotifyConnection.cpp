// Advises and sends of a notify connection. Each send calls copies of the
// advises, so sinks may change the advises while they are called.
#include "common/TKNotifyConnection.h"

#include <new>

CTKNotifyConnection::CTKNotifyConnection() : m_nFiringCount(0) {}

CTKNotifyConnection::~CTKNotifyConnection() { RemoveAll(); }

CSyncObject* CTKNotifyConnection::GetSyncObject() { return &m_syncObject; }

TK_NOTIFY_COOKIE CTKNotifyConnection::Advise(DWORD dwEvent, CTKNotifySinkBase* pSink) {
  CSingleLock lock(GetSyncObject(), TRUE);
  CONNECTION_DESCRIPTOR* pDescriptor = new (std::nothrow) CONNECTION_DESCRIPTOR;
  if (pDescriptor == nullptr) return nullptr;
  pDescriptor->dwEvent = dwEvent;
  pDescriptor->pSink = pSink;
  pDescriptor->cookie = pDescriptor;
  m_arrConnections.Add(pDescriptor);
  return pDescriptor->cookie;
}

INT_PTR CTKNotifyConnection::FindConnection(TK_NOTIFY_COOKIE cookie) const {
  for (INT_PTR i = 0; i < m_arrConnections.GetSize(); ++i) {
    if (m_arrConnections[i]->cookie == cookie) return i;
  }
  return -1;
}

void CTKNotifyConnection::Unadvise(TK_NOTIFY_COOKIE cookie) {
  CSingleLock lock(GetSyncObject(), TRUE);
  try {
    INT_PTR index = FindConnection(cookie);
    if (index < 0) return;
    delete m_arrConnections[index];
    m_arrConnections.RemoveAt(index);
  } catch (CException* e) {
    e->Delete();
  }
}

void CTKNotifyConnection::RemoveAll() {
  CSingleLock lock(GetSyncObject(), TRUE);
  for (INT_PTR i = 0; i < m_arrConnections.GetSize(); ++i) delete m_arrConnections[i];
  m_arrConnections.RemoveAll();
}

BOOL CTKNotifyConnection::SendEvent(DWORD dwEvent, WPARAM wParam, LPARAM lParam, DWORD dwFlags) {
  CSingleLock lock(GetSyncObject(), TRUE);
  // A sink that releases the connection's last other reference cannot
  // destroy it under our feet.
  InternalAddRef();
  if (m_arrFiring.GetSize() < m_arrConnections.GetSize() + m_nFiringCount)
    m_arrFiring.SetSize(m_arrConnections.GetSize() + m_nFiringCount);
  const INT_PTR nStart = m_nFiringCount;
  for (INT_PTR i = 0; i < m_arrConnections.GetSize(); ++i) {
    if (m_arrConnections[i]->dwEvent == dwEvent)
      m_arrFiring[m_nFiringCount++] = *m_arrConnections[i];
  }
  const INT_PTR nEnd = m_nFiringCount - 1;
  lock.Unlock();

  for (INT_PTR i = nStart; i <= nEnd; ++i) {
    lock.Lock();
    // Copied: a nested send may grow (and move) the buffer meanwhile.
    CONNECTION_DESCRIPTOR descriptor = m_arrFiring[i];
    BOOL bAdvised = FindConnection(descriptor.cookie) >= 0;
    lock.Unlock();
    if (!bAdvised) continue;
    try {
      descriptor.pSink->OnEvent(dwEvent, wParam, lParam, dwFlags);
    } catch (CException* e) {
      e->Delete();
    } catch (...) {
    }
  }

  lock.Lock();
  m_nFiringCount = nStart;
  lock.Unlock();
  BOOL bMatched = nEnd >= nStart;
  InternalRelease();
  return bMatched;
}

// ---------------------------------------------------------------------------

CTKNotifySinkBase::CTKNotifySinkBase() : m_mapAdvises(10) { m_mapAdvises.InitHashTable(17); }

CTKNotifySinkBase::~CTKNotifySinkBase() {
  // A connection must never call a sink that is gone.
  UnadviseAll();
}

void CTKNotifySinkBase::OnUnadvise(DWORD) {}

TK_NOTIFY_COOKIE CTKNotifySinkBase::Advise(CTKNotifyConnection* pConnection, DWORD dwEvent) {
  if (pConnection == nullptr) return nullptr;
  TK_NOTIFY_COOKIE cookie = pConnection->Advise(dwEvent, this);
  if (cookie == nullptr) return nullptr;
  pConnection->InternalAddRef();
  m_mapAdvises.SetAt(cookie, ADVISE{dwEvent, pConnection, cookie});
  return cookie;
}

void CTKNotifySinkBase::UnadviseAll() {
  CArray<ADVISE, const ADVISE&> advises;
  for (const auto* p = m_mapAdvises.PGetFirstAssoc(); p; p = m_mapAdvises.PGetNextAssoc(p))
    advises.Add(p->value);
  m_mapAdvises.RemoveAll();
  for (INT_PTR i = 0; i < advises.GetSize(); ++i) {
    OnUnadvise(advises[i].dwEvent);
    advises[i].pConnection->Unadvise(advises[i].cookie);
    advises[i].pConnection->InternalRelease();
  }
}

// ---------------------------------------------------------------------------

CTKNotifySink::CTKNotifySink() : m_mapDelegates(10) { m_mapDelegates.InitHashTable(10); }

CTKNotifySink::~CTKNotifySink() {
  UnadviseAll();
  for (const auto* p = m_mapDelegates.PGetFirstAssoc(); p; p = m_mapDelegates.PGetNextAssoc(p))
    delete p->value;
  m_mapDelegates.RemoveAll();
}

TK_NOTIFY_COOKIE CTKNotifySink::Advise(CTKNotifyConnection* pConnection, DWORD dwEvent,
                                       CTKNotifySinkDelegate* pDelegate) {
  CTKNotifySinkDelegate* pOld = nullptr;
  if (m_mapDelegates.Lookup(dwEvent, pOld)) delete pOld;
  m_mapDelegates.SetAt(dwEvent, pDelegate);
  return CTKNotifySinkBase::Advise(pConnection, dwEvent);
}

int CTKNotifySink::OnEvent(DWORD dwEvent, WPARAM wParam, LPARAM lParam, DWORD) {
  CTKNotifySinkDelegate* pDelegate = nullptr;
  if (!m_mapDelegates.Lookup(dwEvent, pDelegate) || pDelegate == nullptr) return 0;
  return pDelegate->OnEvent(dwEvent, wParam, lParam);
}

void CTKNotifySink::OnUnadvise(DWORD dwEvent) {
  CTKNotifySinkDelegate* pDelegate = nullptr;
  if (!m_mapDelegates.Lookup(dwEvent, pDelegate)) return;
  delete pDelegate;
  m_mapDelegates.RemoveKey(dwEvent);
}

void CTKNotifySink::UnadviseAndDelete() {
  UnadviseAll();
  delete this;
}
