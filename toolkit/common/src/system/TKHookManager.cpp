// Attaching and removing listeners, and the sinks that hold them.
#include "common/TKHookManager.h"

#include "common/TKSingletonPointer.h"

TK_IMPLEMENT_SINGLETON(CTKHookManager, TKHookManager)

int CTKHookManagerHookAble::OnHookMessage(HWND, UINT, WPARAM&, LPARAM&, LRESULT&) { return 0; }
int CTKHookManagerHookAble::OnPostHookMessage(HWND, UINT, WPARAM&, LPARAM&, LRESULT&) { return 0; }
void CTKHookManagerHookAble::OnHookAttached(HWND) {}
void CTKHookManagerHookAble::OnHookDetached() {}

// ---------------------------------------------------------------------------

CTKHookManager::CHookSink::CHookSink(CTKHookManager* pManager, HWND hWnd)
    : m_pManager(pManager),
      m_nHookId(0),
      m_hHook(NULL),
      m_dwThreadId(0),
      m_pfnPrevious(nullptr),
      m_hWnd(hWnd),
      m_bUnicode(::IsWindowUnicode(hWnd)),
      m_bWindowDestroyed(FALSE),
      m_pModuleState(AfxGetModuleState()),
      m_nBusy(0),
      m_bDeletePending(FALSE) {}

CTKHookManager::CHookSink::CHookSink(CTKHookManager* pManager, int nHookId, HHOOK hHook,
                                     DWORD dwThreadId)
    : m_pManager(pManager),
      m_nHookId(nHookId),
      m_hHook(hHook),
      m_dwThreadId(dwThreadId),
      m_pfnPrevious(nullptr),
      m_hWnd(NULL),
      m_bUnicode(FALSE),
      m_bWindowDestroyed(FALSE),
      m_pModuleState(AfxGetModuleState()),
      m_nBusy(0),
      m_bDeletePending(FALSE) {}

CTKHookManager::CHookSink::~CHookSink() {
  for (INT_PTR i = GetSize() - 1; i >= 0; --i) {
    if (GetAt(i)->m_bAutoDelete) delete GetAt(i);
  }
  RemoveAll();
  if (m_hHook != NULL) ::UnhookWindowsHookEx(m_hHook);
}

void CTKHookManager::CHookSink::DeleteWhenIdle() {
  if (m_nBusy > 0)
    m_bDeletePending = TRUE;
  else
    delete this;
}

INT_PTR CTKHookManager::CHookSink::Find(const CTKHookManagerHookAble* pHookAble) const {
  for (INT_PTR i = 0; i < GetSize(); ++i) {
    if (GetAt(i) == pHookAble) return i;
  }
  return -1;
}

int CTKHookManager::CHookSink::Dispatch(BOOL bPost, HWND hWnd, UINT nMessage, WPARAM& wParam,
                                        LPARAM& lParam, LRESULT& lResult) {
  if (m_hWnd != NULL && nMessage == GetSinkRemovedMessage() &&
      wParam == reinterpret_cast<WPARAM>(m_pfnPrevious)) {
    // The procedure below us is going away: chain to its own previous one.
    m_pfnPrevious = reinterpret_cast<WNDPROC>(lParam);
    lResult = 1;
    return 1;
  }
  // Listeners may come and go while they are called: walk a copy, and skip
  // those that have gone meanwhile.
  CArray<CTKHookManagerHookAble*, CTKHookManagerHookAble*> listeners;
  listeners.Copy(*this);
  for (INT_PTR i = listeners.GetSize() - 1; i >= 0; --i) {
    if (m_bDeletePending || Find(listeners[i]) < 0) continue;
    int nAnswer = bPost ? listeners[i]->OnPostHookMessage(hWnd, nMessage, wParam, lParam, lResult)
                        : listeners[i]->OnHookMessage(hWnd, nMessage, wParam, lParam, lResult);
    if (nAnswer == 1) return 1;
    if (nAnswer == 2) break;
  }
  return 0;
}

int CTKHookManager::CHookSink::OnHookMessage(HWND hWnd, UINT nMessage, WPARAM& wParam,
                                             LPARAM& lParam, LRESULT& lResult) {
  if (m_hWnd == NULL && ::GetCurrentThreadId() != m_dwThreadId) return 0;
  return Dispatch(FALSE, hWnd, nMessage, wParam, lParam, lResult);
}

int CTKHookManager::CHookSink::OnPostHookMessage(HWND hWnd, UINT nMessage, WPARAM& wParam,
                                                 LPARAM& lParam, LRESULT& lResult) {
  return Dispatch(TRUE, hWnd, nMessage, wParam, lParam, lResult);
}

void CTKHookManager::CHookSink::UnsubclassWindow() {
  for (INT_PTR i = GetSize() - 1; i >= 0; --i) GetAt(i)->OnHookDetached();
  if (m_hWnd == NULL) return;
  if (!m_bWindowDestroyed && ::IsWindow(m_hWnd)) {
    // A procedure further down that chains to ours takes our previous one
    // and answers; the window itself is then left alone.
    if (::SendMessageA(m_hWnd, GetSinkRemovedMessage(),
                       reinterpret_cast<WPARAM>(m_pManager->GetWindowProc()),
                       reinterpret_cast<LPARAM>(m_pfnPrevious)) != 0)
      return;
  }
  if (m_bUnicode)
    ::SetWindowLongPtrW(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnPrevious));
  else
    ::SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnPrevious));
}

void CTKHookManager::CHookSink::RemoveHookAble(CTKHookManagerHookAble* pHookAble) {
  INT_PTR index = Find(pHookAble);
  if (index < 0) return;
  RemoveAt(index);
  pHookAble->OnHookDetached();
  if (pHookAble->m_bAutoDelete) delete pHookAble;
  if (GetSize() > 0) return;
  if (m_hWnd != NULL) UnsubclassWindow();
  m_pManager->RemoveSinkEntry(this);
  DeleteWhenIdle();
}

// ---------------------------------------------------------------------------

void CTKHookManager::RemoveSinkEntry(CHookSink* pSink) {
  CTKRecursiveSpinLockGuard guard(m_pLock);
  if (pSink->m_hWnd != NULL) {
    CHookSink* pFound = nullptr;
    if (m_pWindowSinks->Lookup(pSink->m_hWnd, pFound) && pFound == pSink)
      m_pWindowSinks->RemoveKey(pSink->m_hWnd);
  } else {
    CThreadSinkMap* pMap = m_pHookSinks[pSink->m_nHookId - kFirstHookId];
    CHookSink* pFound = nullptr;
    if (pMap->Lookup(pSink->m_dwThreadId, pFound) && pFound == pSink)
      pMap->RemoveKey(pSink->m_dwThreadId);
  }
}

CTKHookManager::CHookSink* CTKHookManager::Lookup(HWND hWnd) {
  CTKRecursiveSpinLockGuard guard(m_pLock);
  CHookSink* pSink = nullptr;
  m_pWindowSinks->Lookup(hWnd, pSink);
  return pSink;
}

void CTKHookManager::SetHook(HWND hWnd, CTKHookManagerHookAble* pHookAble) {
  if (pHookAble == nullptr) return;
  CHookSink* pSink = Lookup(hWnd);
  if (pSink == nullptr) {
    if (!::IsWindow(hWnd)) return;
    pSink = new CHookSink(this, hWnd);
    // Registered before the procedure is swapped, so that no message of the
    // window reaches our procedure without finding its sink.
    {
      CTKRecursiveSpinLockGuard guard(m_pLock);
      (*m_pWindowSinks)[hWnd] = pSink;
    }
    LONG_PTR ours = reinterpret_cast<LONG_PTR>(GetWindowProc());
    pSink->m_pfnPrevious = reinterpret_cast<WNDPROC>(
        pSink->m_bUnicode ? ::SetWindowLongPtrW(hWnd, GWLP_WNDPROC, ours)
                          : ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, ours));
  }
  if (pSink->Find(pHookAble) < 0) {
    pSink->Add(pHookAble);
    pHookAble->OnHookAttached(pSink->m_hWnd);
  }
  pSink->m_pModuleState = AfxGetModuleState();
}

void CTKHookManager::RemoveHook(HWND hWnd, CTKHookManagerHookAble* pHookAble) {
  CHookSink* pSink = Lookup(hWnd);
  if (pSink) pSink->RemoveHookAble(pHookAble);
}

void CTKHookManager::RemoveAll(CTKHookManagerHookAble* pHookAble) {
  CTKRecursiveSpinLockGuard guard(m_pLock);
  CArray<CHookSink*, CHookSink*> sinks;
  for (const CWindowSinkMap::CPair* p = m_pWindowSinks->PGetFirstAssoc(); p;
       p = m_pWindowSinks->PGetNextAssoc(p))
    sinks.Add(p->value);
  for (CThreadSinkMap* pMap : m_pHookSinks) {
    for (const CThreadSinkMap::CPair* p = pMap->PGetFirstAssoc(); p; p = pMap->PGetNextAssoc(p))
      sinks.Add(p->value);
  }
  for (INT_PTR i = 0; i < sinks.GetSize(); ++i) sinks[i]->RemoveHookAble(pHookAble);
}

void CTKHookManager::RemoveWindowSinks(HWND hWnd, BOOL bDestroyed) {
  CHookSink* pSink = Lookup(hWnd);
  if (pSink == nullptr) return;
  pSink->m_bWindowDestroyed = bDestroyed;
  pSink->UnsubclassWindow();
  RemoveSinkEntry(pSink);
  pSink->DeleteWhenIdle();
}

void CTKHookManager::RemoveAllHooks() {
  CTKRecursiveSpinLockGuard guard(m_pLock);
  CArray<CHookSink*, CHookSink*> sinks;
  for (const CWindowSinkMap::CPair* p = m_pWindowSinks->PGetFirstAssoc(); p;
       p = m_pWindowSinks->PGetNextAssoc(p))
    sinks.Add(p->value);
  m_pWindowSinks->RemoveAll();
  for (INT_PTR i = 0; i < sinks.GetSize(); ++i) {
    sinks[i]->UnsubclassWindow();
    sinks[i]->DeleteWhenIdle();
  }
  for (int id = kFirstHookId; id < kFirstHookId + kHookIds; ++id) RemoveWindowsHookSinks(id);
}

CTKHookManager::CHookSink* CTKHookManager::LookupWindowsHookSink(int idHook, DWORD dwThreadId) {
  if (idHook < kFirstHookId || idHook >= kFirstHookId + kHookIds) return nullptr;
  if (dwThreadId == 0) dwThreadId = ::GetCurrentThreadId();
  CTKRecursiveSpinLockGuard guard(m_pLock);
  CHookSink* pSink = nullptr;
  m_pHookSinks[idHook - kFirstHookId]->Lookup(dwThreadId, pSink);
  return pSink;
}

void CTKHookManager::RemoveWindowsHookSinks(int idHook) {
  if (idHook < kFirstHookId || idHook >= kFirstHookId + kHookIds) return;
  CTKRecursiveSpinLockGuard guard(m_pLock);
  CThreadSinkMap* pMap = m_pHookSinks[idHook - kFirstHookId];
  CArray<CHookSink*, CHookSink*> sinks;
  for (const CThreadSinkMap::CPair* p = pMap->PGetFirstAssoc(); p; p = pMap->PGetNextAssoc(p))
    sinks.Add(p->value);
  for (INT_PTR i = 0; i < sinks.GetSize(); ++i) {
    // The sink deletes itself with its last listener.
    for (INT_PTR n = sinks[i]->GetSize(); n > 0; --n) {
      CHookSink* pSink = sinks[i];
      pSink->RemoveHookAble(pSink->GetAt(n - 1));
    }
  }
}

LRESULT CTKHookManager::DefaultWindowProc(HWND hWnd, UINT nMessage, WPARAM wParam, LPARAM lParam) {
  CHookSink* pSink = Lookup(hWnd);
  if (pSink == nullptr) return 0;
  return pSink->m_bUnicode
             ? ::CallWindowProcW(pSink->m_pfnPrevious, hWnd, nMessage, wParam, lParam)
             : ::CallWindowProcA(pSink->m_pfnPrevious, hWnd, nMessage, wParam, lParam);
}

LRESULT CTKHookManager::Default() {
  const MSG& msg = AfxGetThreadState()->m_lastSentMsg;
  return DefaultWindowProc(msg.hwnd, msg.message, msg.wParam, msg.lParam);
}

LRESULT CTKHookManager::DefaultWithParams(WPARAM wParam, LPARAM lParam) {
  const MSG& msg = AfxGetThreadState()->m_lastSentMsg;
  return DefaultWindowProc(msg.hwnd, msg.message, wParam, lParam);
}
