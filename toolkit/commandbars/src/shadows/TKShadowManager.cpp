// CTKShadowManager: which shadows an open pop-up gets, and their lifetime.
#include "commandbars/TKShadowManager.h"

#include <vector>

#include "commandbars/TKCommandBarsSystem.h"
#include "common/TKColorManager.h"
#include "common/TKScopedHandle.h"

CTKShadowManager::CTKShadowManager()
    : m_bUseSaveBits(TRUE),
      m_pfnUpdateLayeredWindow(nullptr),
      m_shadows(10),
      m_bAlphaShadow(FALSE),
      m_dwOptions(0),
      m_clrShadow(0) {
  HMODULE hUser = ::GetModuleHandleA("USER32");
  if (hUser != NULL)
    m_pfnUpdateLayeredWindow =
        reinterpret_cast<PFNUPDATELAYEREDWINDOW>(::GetProcAddress(hUser, "UpdateLayeredWindow"));
  m_bAlphaShadow = !CTKColorManager::IsLowResolution() && m_pfnUpdateLayeredWindow != nullptr;
}

CTKShadowManager::~CTKShadowManager() {
  // Every shadow holds a reference: none is left by now.
  ASSERT(m_shadows.IsEmpty());
}

CRect CTKShadowManager::CalcShadowRect(int nKind, const CRect& rcOwner, int nThickness) {
  const int t = nThickness;
  switch (nKind) {
    case kShadowBelow:
      return CRect(rcOwner.left + t, rcOwner.bottom, rcOwner.right + t, rcOwner.bottom + t);
    case kShadowRight:
      return CRect(rcOwner.right, rcOwner.top + t, rcOwner.right + t, rcOwner.bottom);
  }
  // The inner bottom-right pixel of the owner.
  return CRect(rcOwner.right - 1, rcOwner.bottom - 1, rcOwner.right, rcOwner.bottom);
}

void CTKShadowManager::SetShadow(CWnd* pPopup, const CRect& rcExclude, BOOL bGroup) {
  if ((m_dwOptions & kOptionAlways) == 0 &&
      (!m_bAlphaShadow || !TKCommandBarsSystem()->IsDropShadowEnabled()))
    return;
  HWND hWndPopup = pPopup->GetSafeHwnd();
  if (hWndPopup == NULL) return;
  CRect rcPopup;
  ::GetWindowRect(hWndPopup, &rcPopup);
  CreateShadow(kShadowBelow, rcPopup, rcExclude, hWndPopup, FALSE, bGroup);
  CreateShadow(kShadowRight, rcPopup, rcExclude, hWndPopup, FALSE, bGroup);
  CTKScopedRgn rgn(::CreateRectRgn(0, 0, 0, 0));
  if (::GetWindowRgn(hWndPopup, rgn.Get()) == COMPLEXREGION)
    CreateShadow(kShadowCorner, rcPopup, rcExclude, hWndPopup, FALSE, bGroup);
}

void CTKShadowManager::SetShadowRect(const CRect& rc, CWnd* pBar) {
  const DWORD dwBoth = kOptionAlways | kOptionExcludeControl;
  if ((m_dwOptions & dwBoth) != dwBoth || pBar->GetSafeHwnd() == NULL) return;
  CreateShadow(kShadowBelow, rc, CRect(0, 0, 0, 0), pBar->GetSafeHwnd(), TRUE, FALSE);
  CreateShadow(kShadowRight, rc, CRect(0, 0, 0, 0), pBar->GetSafeHwnd(), TRUE, FALSE);
}

CTKShadowManager::CShadowWnd* CTKShadowManager::CreateShadow(int nKind, const CRect& rcOwner,
                                                             const CRect& rcExclude, HWND hWndOwner,
                                                             BOOL bControlShadow, BOOL bGroup) {
  CShadowWnd* pShadow = new CShadowWnd(this, hWndOwner, nKind, bControlShadow, bGroup);
  pShadow->CreateShadow(rcOwner);
  pShadow->AdjustForAdjacentShadows();
  m_shadows.AddTail(pShadow);
  if ((m_dwOptions & kOptionExcludeControl) != 0) pShadow->ExcludeRect(rcExclude);
  // No shadow covers a pop-up of its own group; the corner pixel lies on
  // its own owner, so that one is spared.
  POSITION pos = m_shadows.GetHeadPosition();
  while (pos != NULL) {
    CShadowWnd* pOther = m_shadows.GetNext(pos);
    if (pOther->m_bGroup != bGroup || !::IsWindow(pOther->m_hWndOwner)) continue;
    if (nKind == kShadowCorner && pOther->m_hWndOwner == hWndOwner) continue;
    CRect rcOther;
    ::GetWindowRect(pOther->m_hWndOwner, &rcOther);
    pShadow->ExcludeRect(rcOther);
  }
  if (pShadow->m_hWnd != NULL) {
    const BOOL bTopMost = (::GetWindowLong(hWndOwner, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
    ::SetWindowPos(pShadow->m_hWnd, bTopMost ? HWND_TOPMOST : HWND_TOP, 0, 0, 0, 0,
                   SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_SHOWWINDOW | SWP_NOOWNERZORDER);
  }
  TKHookManager()->SetHook(hWndOwner, pShadow);
  return pShadow;
}

void CTKShadowManager::RemoveShadow(CWnd* pOwner) {
  HWND hWndOwner = pOwner->GetSafeHwnd();
  std::vector<CShadowWnd*> owned;
  POSITION pos = m_shadows.GetHeadPosition();
  while (pos != NULL) {
    CShadowWnd* pShadow = m_shadows.GetNext(pos);
    if (pShadow->m_hWndOwner == hWndOwner) owned.push_back(pShadow);
  }
  // The last shadow may hold the last reference to this manager.
  CTKRefPtr<CTKShadowManager, CTKInternalRefTraits> keepAlive(this);
  for (CShadowWnd* pShadow : owned) {
    TKHookManager()->RemoveHook(hWndOwner, pShadow);
    DestroyShadow(pShadow);
  }
}

void CTKShadowManager::DestroyShadow(CShadowWnd* pShadow) {
  if (pShadow->m_hWnd != NULL) pShadow->ShowWindow(SW_HIDE);
  pShadow->m_hWndOwner = NULL;
  POSITION pos = m_shadows.Find(pShadow);
  if (pos != NULL) m_shadows.RemoveAt(pos);
  if (pShadow->m_hWnd != NULL) pShadow->DestroyWindow();
  delete pShadow;
}

void CTKShadowManager::OffsetShadows(CWnd* pOwner, int dx, int dy) {
  HWND hWndOwner = pOwner->GetSafeHwnd();
  const BOOL bRTL = (::GetWindowLong(hWndOwner, GWL_EXSTYLE) & WS_EX_LAYOUTRTL) != 0;
  POSITION pos = m_shadows.GetHeadPosition();
  while (pos != NULL) {
    CShadowWnd* pShadow = m_shadows.GetNext(pos);
    if (pShadow->m_hWndOwner != hWndOwner || pShadow->m_bControlShadow || pShadow->m_hWnd == NULL)
      continue;
    pShadow->SetWindowRgn(NULL, FALSE);
    pShadow->m_bHasRegion = FALSE;
    CRect rc;
    pShadow->GetWindowRect(&rc);
    switch (pShadow->m_nKind) {
      case kShadowBelow:
        rc.OffsetRect(0, dy);
        if (bRTL)
          rc.left -= dx;
        else
          rc.right += dx;
        break;
      case kShadowRight:
        if (!bRTL) rc.OffsetRect(dx, 0);
        rc.bottom += dy;
        break;
      default:
        rc.OffsetRect(bRTL ? 0 : dx, dy);
        break;
    }
    pShadow->SetWindowPos(NULL, rc.left, rc.top, rc.Width(), rc.Height(),
                          SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
  }
}
