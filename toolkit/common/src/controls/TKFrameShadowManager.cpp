// The frame-shadow manager: the shadow map, the options, and the thread hooks
// that make shadows follow their frames.
#include "common/TKFrameShadowManager.h"

#include "common/TKFrameShadow.h"
#include "common/TKSingletonPointer.h"

TK_IMPLEMENT_SINGLETON(CTKFrameShadowManager, TKFrameShadowManager)

void ITKFrameShadowManagerEvents::OnFrameShadowCreated(CTKFrameShadowManager*, HWND,
                                                       CTKFrameShadow*) {}
void ITKFrameShadowManagerEvents::OnFrameShadowDestroyed(CTKFrameShadowManager*, HWND,
                                                         CTKFrameShadow*) {}
void ITKFrameShadowManagerEvents::OnFrameShadowOptionsChanged(CTKFrameShadowManager*, DWORD,
                                                              DWORD) {}

CTKFrameShadowManager::CTKFrameShadowManager()
    : m_dwRequestedOptions(TKFRAMESHADOW_REMOTEHIDE),
      m_dwEffectiveOptions(TKFRAMESHADOW_REMOTEHIDE),
      m_bRemoteSession(::GetSystemMetrics(SM_REMOTESESSION)),
      m_pSessionListener(nullptr),
      m_nDefaultSize(0),
      m_nDefaultInnerSize(0),
      m_nDefaultOffsetX(0),
      m_nDefaultOffsetY(0),
      m_clrDefault(0),
      m_nDefaultTransparency(0),
      m_pLock(new CTKRecursiveSpinLock()),
      m_bUpdating(FALSE) {
  m_pSessionListener = new (std::nothrow) CWtsEventListener(this);
  ComputeOptions(FALSE);
}

CTKFrameShadowManager::~CTKFrameShadowManager() {
  // Frames normally take their shadows with them; whatever is left is dropped.
  POSITION pos = m_mapShadows.GetStartPosition();
  while (pos != nullptr) {
    HWND hWnd;
    CTKFrameShadow* pShadow;
    m_mapShadows.GetNextAssoc(pos, hWnd, pShadow);
    pShadow->InternalRelease();
  }
  m_mapShadows.RemoveAll();
  delete m_pSessionListener;
  delete m_pLock;
}

void CTKFrameShadowManager::ComputeOptions(BOOL bNotify) {
  DWORD dwOld = m_dwEffectiveOptions;
  DWORD dwNew;
  if (m_dwRequestedOptions & TKFRAMESHADOW_DISABLED) {
    dwNew = TKFRAMESHADOW_DISABLED | TKFRAMESHADOW_HIDDEN | TKFRAMESHADOW_NORESIZE;
  } else {
    dwNew = m_dwRequestedOptions & (TKFRAMESHADOW_HIDDEN | TKFRAMESHADOW_NORESIZE);
    if (m_bRemoteSession) {
      if (m_dwRequestedOptions & TKFRAMESHADOW_REMOTEHIDE)
        dwNew |= TKFRAMESHADOW_HIDDEN | TKFRAMESHADOW_NORESIZE;
      else if (m_dwRequestedOptions & TKFRAMESHADOW_REMOTEHIDE2)
        dwNew |= TKFRAMESHADOW_HIDDEN;
    }
  }
  m_dwEffectiveOptions = dwNew;
  if (bNotify && dwNew != dwOld) NotifyOptions(dwOld, dwNew);
}

void CTKFrameShadowManager::SetOptions(DWORD dwOptions) {
  m_dwRequestedOptions = dwOptions;
  ComputeOptions(TRUE);
}

void CTKFrameShadowManager::SetRemoteSession(BOOL bRemote, BOOL bUpdate) {
  bRemote = bRemote ? TRUE : FALSE;
  if (m_bRemoteSession == bRemote) return;
  m_bRemoteSession = bRemote;
  SetOptions(m_dwRequestedOptions);
  if (bUpdate) UpdateShadows(FALSE);
}

void CTKFrameShadowManager::NotifyOptions(DWORD dwOld, DWORD dwNew) {
  ++m_nNotifyDepth;
  for (INT_PTR i = 0; i < m_arrObservers.GetSize(); ++i) {
    if (!m_arrObservers[i].bRemoved)
      m_arrObservers[i].pObserver->OnFrameShadowOptionsChanged(this, dwOld, dwNew);
  }
  EndNotify();
}

void CTKFrameShadowManager::NotifyCreated(HWND hWndFrame, CTKFrameShadow* pShadow, BOOL bCreated) {
  ++m_nNotifyDepth;
  for (INT_PTR i = 0; i < m_arrObservers.GetSize(); ++i) {
    if (m_arrObservers[i].bRemoved) continue;
    ITKFrameShadowManagerEvents* pObserver = m_arrObservers[i].pObserver;
    if (bCreated)
      pObserver->OnFrameShadowCreated(this, hWndFrame, pShadow);
    else
      pObserver->OnFrameShadowDestroyed(this, hWndFrame, pShadow);
  }
  EndNotify();
}

void CTKFrameShadowManager::ApplyDefaults(COLORREF& clr, int& nSize, int& nInnerSize, int& nOffsetX,
                                          int& nOffsetY, BYTE& nTransparency) const {
  if (nTransparency == 0) nTransparency = m_nDefaultTransparency;
  // One positive offset means the caller chose both.
  if (nOffsetX <= 0 && nOffsetY <= 0) {
    nOffsetX = m_nDefaultOffsetX;
    nOffsetY = m_nDefaultOffsetY;
  }
  if (nInnerSize == 0) nInnerSize = m_nDefaultInnerSize;
  if (nSize == 0) nSize = m_nDefaultSize;
  if (clr == static_cast<COLORREF>(-1)) clr = m_clrDefault;
}

CTKFrameShadow* CTKFrameShadowManager::EnableShadow(CWnd* pFrame, COLORREF clr, int nSize,
                                                    int nInnerSize, int nOffsetX, int nOffsetY,
                                                    BYTE nTransparency) {
  HWND hWndFrame = pFrame->GetSafeHwnd();
  if (hWndFrame == nullptr || !CTKFrameShadow::IsLayeredWindowSupported() ||
      (m_dwEffectiveOptions & TKFRAMESHADOW_DISABLED))
    return nullptr;
  CTKRecursiveSpinLockGuard guard(m_pLock);
  CTKFrameShadow* pShadow = nullptr;
  if (m_mapShadows.Lookup(hWndFrame, pShadow)) return pShadow;

  pShadow = new CTKFrameShadow(hWndFrame);
  ApplyDefaults(clr, nSize, nInnerSize, nOffsetX, nOffsetY, nTransparency);
  if (!pShadow->Create(clr, nSize, nInnerSize, nOffsetX, nOffsetY, nTransparency)) {
    pShadow->InternalRelease();
    return nullptr;
  }
  if (m_arrDefaultBlendFactors.GetSize() > 0)
    pShadow->SetBlend(static_cast<int>(m_arrDefaultBlendFactors.GetSize()),
                      m_arrDefaultBlendFactors.GetData(), m_arrDefaultBlendPositions.GetData());
  m_mapShadows.SetAt(hWndFrame, pShadow);
  RefThreadHook(pShadow, TRUE);
  if (m_mapShadows.GetCount() == 1 && m_pSessionListener != nullptr) m_pSessionListener->Register();
  NotifyCreated(hWndFrame, pShadow, TRUE);
  return pShadow;
}

void CTKFrameShadowManager::DisableShadow(CWnd* pFrame) {
  DisableShadowByHandle(pFrame->GetSafeHwnd());
}

void CTKFrameShadowManager::DisableShadowByHandle(HWND hWndFrame) {
  CTKRecursiveSpinLockGuard guard(m_pLock);
  CTKFrameShadow* pShadow = nullptr;
  if (!m_mapShadows.Lookup(hWndFrame, pShadow)) return;
  NotifyCreated(hWndFrame, pShadow, FALSE);
  RefThreadHook(pShadow, FALSE);
  m_mapShadows.RemoveKey(hWndFrame);
  pShadow->InternalRelease();
  if (m_mapShadows.IsEmpty() && m_pSessionListener != nullptr) m_pSessionListener->Unregister();
}

CTKFrameShadow* CTKFrameShadowManager::GetShadow(CWnd* pFrame) {
  return GetShadowByHandle(pFrame->GetSafeHwnd());
}

CTKFrameShadow* CTKFrameShadowManager::GetShadowByHandle(HWND hWndFrame) {
  CTKRecursiveSpinLockGuard guard(m_pLock);
  CTKFrameShadow* pShadow = nullptr;
  return m_mapShadows.Lookup(hWndFrame, pShadow) ? pShadow : nullptr;
}

void CTKFrameShadowManager::UpdateShadows(BOOL bRebuild) {
  if (m_bUpdating) return;
  CTKRecursiveSpinLockGuard guard(m_pLock);
  m_bUpdating = TRUE;
  POSITION pos = m_mapShadows.GetStartPosition();
  while (pos != nullptr) {
    HWND hWnd;
    CTKFrameShadow* pShadow;
    m_mapShadows.GetNextAssoc(pos, hWnd, pShadow);
    pShadow->Update(TRUE, bRebuild);
  }
  m_bUpdating = FALSE;
}

BOOL CTKFrameShadowManager::HasThreadHook(DWORD dwThreadId) const {
  if (dwThreadId == 0) dwThreadId = ::GetCurrentThreadId();
  CFrameShadowHook* pHook = nullptr;
  return m_mapThreadHooks.Lookup(dwThreadId, pHook);
}

void CTKFrameShadowManager::RefThreadHook(CTKFrameShadow* pShadow, BOOL bAdd) {
  DWORD dwThreadId = ::GetWindowThreadProcessId(pShadow->GetSafeHwnd(), nullptr);
  CFrameShadowHook* pHook = nullptr;
  if (m_mapThreadHooks.Lookup(dwThreadId, pHook)) {
    if (bAdd) {
      ++pHook->m_nShadows;
    } else if (--pHook->m_nShadows == 0) {
      m_mapThreadHooks.RemoveKey(dwThreadId);
      TKHookManager()->RemoveAll(pHook);
    }
    return;
  }
  if (!bAdd) return;
  pHook = new CFrameShadowHook(this);
  if (TKHookManager()->AddWindowsHookSink(WH_CALLWNDPROCRET, pHook, dwThreadId))
    m_mapThreadHooks.SetAt(dwThreadId, pHook);
  else
    delete pHook;
}

CTKFrameShadowManager::CFrameShadowHook::CFrameShadowHook(CTKFrameShadowManager* pManager)
    : m_pManager(pManager), m_nShadows(1) {
  m_bAutoDelete = TRUE;
}

int CTKFrameShadowManager::CFrameShadowHook::OnHookMessage(HWND, UINT nCode, WPARAM&,
                                                           LPARAM& lParam, LRESULT&) {
  if (static_cast<int>(nCode) == HC_ACTION)
    m_pManager->OnHookedMessage(reinterpret_cast<const CWPRETSTRUCT*>(lParam));
  return 0;
}

void CTKFrameShadowManager::OnHookedMessage(const CWPRETSTRUCT* pMessage) {
  if (pMessage == nullptr) return;
  HWND hWnd = pMessage->hwnd;
  switch (pMessage->message) {
    case WM_DESTROY:
      DisableShadowByHandle(hWnd);
      return;
    case WM_ACTIVATE:
      UpdateShadows(FALSE);
      return;
    default:
      break;
  }
  CTKFrameShadow* pShadow = GetShadowByHandle(hWnd);
  if (pShadow == nullptr) return;
  switch (pMessage->message) {
    case WM_SHOWWINDOW:
      if (pMessage->wParam)
        pShadow->Show();
      else
        pShadow->Hide();
      break;
    case WM_WINDOWPOSCHANGING:
    case WM_WINDOWPOSCHANGED: {
      const WINDOWPOS* pPos = reinterpret_cast<const WINDOWPOS*>(pMessage->lParam);
      if (pPos != nullptr && (pPos->flags & SWP_NOZORDER))
        pShadow->Reposition();
      else
        UpdateShadows(FALSE);
      break;
    }
    case WM_STYLECHANGED:
      if (static_cast<int>(pMessage->wParam) == GWL_STYLE) {
        const STYLESTRUCT* pStyle = reinterpret_cast<const STYLESTRUCT*>(pMessage->lParam);
        pShadow->OnFrameStyleChanged(pStyle->styleOld, pStyle->styleNew);
      }
      break;
    case WM_NCPAINT:
      if (pShadow->IsMinimized()) pShadow->StartRestoreTimer();
      break;
    default:
      break;
  }
}
