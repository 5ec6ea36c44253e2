// The window and hook procedures through which messages reach the listeners.
// Each hook manager owns a slot with procedures of its own, so that two
// managers in one process can chain to each other on one window.
#include "common/TKHookManager.h"

#include <utility>

namespace {

const int kSlots = 4;
CTKHookManager* volatile g_pManagers[kSlots];

}  // namespace

/// The procedures of the slots, made from templates.
class CTKHookManagerProcs {
 public:
  template <int Slot>
  static LRESULT CALLBACK WindowProc(HWND hWnd, UINT nMessage, WPARAM wParam, LPARAM lParam) {
    CTKHookManager* pManager = g_pManagers[Slot];
    if (pManager == nullptr) return 0;
    try {
      return pManager->SubclassWindowProc(hWnd, nMessage, wParam, lParam);
    } catch (CException* e) {
      // Not through the system's code that called us.
      e->Delete();
      return 0;
    }
  }

  template <int Slot, int Id>
  static LRESULT CALLBACK HookProc(int nCode, WPARAM wParam, LPARAM lParam) {
    CTKHookManager* pManager = g_pManagers[Slot];
    if (pManager == nullptr) return ::CallNextHookEx(NULL, nCode, wParam, lParam);
    try {
      return pManager->DispatchWindowsHook(Id, nCode, wParam, lParam);
    } catch (CException* e) {
      e->Delete();
      return ::CallNextHookEx(NULL, nCode, wParam, lParam);
    }
  }

  template <int Slot, int... Offsets>
  static const HOOKPROC* HookProcs(std::integer_sequence<int, Offsets...>) {
    // Journal hooks (0, 1), the system message filter (6) and the low-level
    // keyboard hook (13) have none.
    static const HOOKPROC procs[] = {
        (Offsets - 1 == 0 || Offsets - 1 == 1 || Offsets - 1 == 6 || Offsets - 1 == 13)
            ? nullptr
            : &HookProc<Slot, Offsets - 1>...};
    return procs;
  }

  static WNDPROC WindowProcOf(int nSlot) {
    static const WNDPROC procs[kSlots] = {&WindowProc<0>, &WindowProc<1>, &WindowProc<2>,
                                          &WindowProc<3>};
    return nSlot >= 0 && nSlot < kSlots ? procs[nSlot] : nullptr;
  }

  static HOOKPROC HookProcOf(int nSlot, int idHook) {
    typedef std::make_integer_sequence<int, CTKHookManager::kHookIds> Ids;
    static const HOOKPROC* tables[kSlots] = {HookProcs<0>(Ids()), HookProcs<1>(Ids()),
                                             HookProcs<2>(Ids()), HookProcs<3>(Ids())};
    if (nSlot < 0 || nSlot >= kSlots) return nullptr;
    if (idHook < CTKHookManager::kFirstHookId ||
        idHook >= CTKHookManager::kFirstHookId + CTKHookManager::kHookIds)
      return nullptr;
    return tables[nSlot][idHook - CTKHookManager::kFirstHookId];
  }

  static int TakeSlot(CTKHookManager* pManager) {
    for (int i = 0; i < kSlots; ++i) {
      if (::InterlockedCompareExchangePointer(reinterpret_cast<void* volatile*>(&g_pManagers[i]),
                                              pManager, nullptr) == nullptr)
        return i;
    }
    return -1;
  }

  static void FreeSlot(int nSlot) {
    if (nSlot >= 0 && nSlot < kSlots) g_pManagers[nSlot] = nullptr;
  }
};

CTKHookManager::CTKHookManager()
    : m_pLock(new CTKRecursiveSpinLock), m_pWindowSinks(new CWindowSinkMap(10)) {
  m_pWindowSinks->InitHashTable(17);
  for (CThreadSinkMap*& pMap : m_pHookSinks) {
    pMap = new CThreadSinkMap(10);
    pMap->InitHashTable(17);
  }
  m_nSlot = CTKHookManagerProcs::TakeSlot(this);
  if (m_nSlot < 0) {
    for (CThreadSinkMap* pMap : m_pHookSinks) delete pMap;
    delete m_pWindowSinks;
    delete m_pLock;
    AfxThrowResourceException();
  }
}

CTKHookManager::~CTKHookManager() {
  RemoveAllHooks();
  CTKHookManagerProcs::FreeSlot(m_nSlot);
  for (CThreadSinkMap* pMap : m_pHookSinks) delete pMap;
  delete m_pWindowSinks;
  delete m_pLock;
}

WNDPROC CTKHookManager::GetWindowProc() const { return CTKHookManagerProcs::WindowProcOf(m_nSlot); }

UINT CTKHookManager::GetSinkRemovedMessage() {
  static const UINT s_nMessage = ::RegisterWindowMessageA("WM_HOOKMANAGER_SINKREMOVED");
  return s_nMessage;
}

namespace {

// Registered at start-up, as every module that shares windows expects.
const UINT g_nSinkRemovedAtStartup = CTKHookManager::GetSinkRemovedMessage();

/// The thread's current message is the hooked one while listeners run.
class CCurrentMessage {
 public:
  CCurrentMessage(HWND hWnd, UINT nMessage, WPARAM wParam, LPARAM lParam)
      : m_pState(AfxGetThreadState()), m_saved(m_pState->m_lastSentMsg) {
    m_pState->m_lastSentMsg.hwnd = hWnd;
    m_pState->m_lastSentMsg.message = nMessage;
    m_pState->m_lastSentMsg.wParam = wParam;
    m_pState->m_lastSentMsg.lParam = lParam;
  }
  ~CCurrentMessage() { m_pState->m_lastSentMsg = m_saved; }

 private:
  _AFX_THREAD_STATE* m_pState;
  MSG m_saved;
};

/// Keeps a sink alive while it is dispatching.
class CBusySink {
 public:
  explicit CBusySink(CTKHookManager::CHookSink* pSink, int* pBusy, BOOL* pPending)
      : m_pSink(pSink), m_pBusy(pBusy), m_pPending(pPending) {
    ++*m_pBusy;
  }
  ~CBusySink() {
    if (--*m_pBusy == 0 && *m_pPending) delete m_pSink;
  }

 private:
  CTKHookManager::CHookSink* m_pSink;
  int* m_pBusy;
  BOOL* m_pPending;
};

}  // namespace

LRESULT CTKHookManager::SubclassWindowProc(HWND hWnd, UINT nMessage, WPARAM wParam, LPARAM lParam) {
  CCurrentMessage current(hWnd, nMessage, wParam, lParam);
  CHookSink* pSink = Lookup(hWnd);
  if (pSink == nullptr) return 0;
  WNDPROC pfnPrevious;
  BOOL bUnicode = pSink->m_bUnicode;
  LRESULT lResult = 0;
  {
    CBusySink busy(pSink, &pSink->m_nBusy, &pSink->m_bDeletePending);
    AFX_MAINTAIN_STATE2 state(pSink->m_pModuleState);
    if (nMessage == WM_NCDESTROY) {
      pfnPrevious = pSink->m_pfnPrevious;
      RemoveWindowSinks(hWnd, TRUE);
    } else {
      if (pSink->OnHookMessage(hWnd, nMessage, wParam, lParam, lResult)) return lResult;
      pfnPrevious = pSink->m_pfnPrevious;
    }
  }
  // A window subclassed through the W functions gets W messages, and must pass
  // them on as such, or its text would be converted as if it were ANSI.
  lResult = bUnicode ? ::CallWindowProcW(pfnPrevious, hWnd, nMessage, wParam, lParam)
                     : ::CallWindowProcA(pfnPrevious, hWnd, nMessage, wParam, lParam);
  if (nMessage != WM_NCDESTROY) {
    pSink = Lookup(hWnd);
    if (pSink != nullptr) {
      CBusySink busy(pSink, &pSink->m_nBusy, &pSink->m_bDeletePending);
      AFX_MAINTAIN_STATE2 state(pSink->m_pModuleState);
      pSink->OnPostHookMessage(hWnd, nMessage, wParam, lParam, lResult);
    }
  }
  return lResult;
}

LRESULT CTKHookManager::DispatchWindowsHook(int idHook, int nCode, WPARAM wParam, LPARAM lParam) {
  if (nCode < 0) return ::CallNextHookEx(NULL, nCode, wParam, lParam);
  LRESULT lResult = 0;
  int nAnswer = 0;
  HHOOK hHook = NULL;
  {
    CTKRecursiveSpinLockGuard guard(m_pLock);
    CHookSink* pSink = LookupWindowsHookSink(idHook, ::GetCurrentThreadId());
    if (pSink != nullptr) {
      hHook = pSink->m_hHook;
      CBusySink busy(pSink, &pSink->m_nBusy, &pSink->m_bDeletePending);
      AFX_MAINTAIN_STATE2 state(pSink->m_pModuleState);
      nAnswer = pSink->OnHookMessage(NULL, static_cast<UINT>(nCode), wParam, lParam, lResult);
    }
  }
  // The other hooks of the thread see every event too; a listener that took
  // the event gives the answer.
  LRESULT lNext = ::CallNextHookEx(hHook, nCode, wParam, lParam);
  return nAnswer == 1 ? lResult : lNext;
}

BOOL CTKHookManager::AddWindowsHookSink(int idHook, CTKHookManagerHookAble* pHookAble,
                                        DWORD dwThreadId) {
  if (pHookAble == nullptr) return FALSE;
  if (dwThreadId == 0) dwThreadId = ::GetCurrentThreadId();
  CTKRecursiveSpinLockGuard guard(m_pLock);
  CHookSink* pSink = LookupWindowsHookSink(idHook, dwThreadId);
  if (pSink == nullptr) {
    HOOKPROC pfnHook = CTKHookManagerProcs::HookProcOf(m_nSlot, idHook);
    if (pfnHook == nullptr) return FALSE;
    HHOOK hHook = ::SetWindowsHookExA(idHook, pfnHook, NULL, dwThreadId);
    if (hHook == NULL) return FALSE;
    pSink = new CHookSink(this, idHook, hHook, dwThreadId);
    (*m_pHookSinks[idHook - kFirstHookId])[dwThreadId] = pSink;
  }
  if (pSink->Find(pHookAble) < 0) {
    pSink->Add(pHookAble);
    pHookAble->OnHookAttached(NULL);
  }
  return TRUE;
}
