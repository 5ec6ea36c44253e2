// CTKCommandBars: the list of tool bars, the dock bars and the frame layout.
#include "commandbars/TKCommandBars.h"

#include <afxext.h>
#include <afxpriv.h>

#include "commandbars/TKCommandBarsOptions.h"
#include "commandbars/TKDockBar.h"
#include "commandbars/TKReBar.h"
#include "commandbars/TKToolBar.h"
#include "common/TKDpiHelper.h"
#include "TKCreateBar.h"

// Bars ----------------------------------------------------------------------------------

CTKToolBar* CTKCommandBars::Add(LPCTSTR lpszTitle, int nPosition, CRuntimeClass* pClass) {
  if (pClass == nullptr) pClass = GetRuntimeClasses().pToolBarClass;
  CTKToolBar* pBar = TKCreateBarOf<CTKToolBar>(pClass, RUNTIME_CLASS(CTKToolBar));
  if (pBar == nullptr) return nullptr;
  return AddToolBar(pBar, lpszTitle, nPosition);
}

CTKToolBar* CTKCommandBars::AddToolBar(CTKToolBar* pBar, LPCTSTR lpszTitle, int nPosition) {
  pBar->SetCommandBars(this);
  pBar->SetTitle(lpszTitle);
  if (!pBar->SetPosition(nPosition)) {
    pBar->InternalRelease();
    return nullptr;
  }
  m_arrBars.Add(pBar);
  return pBar;
}

CTKToolBar* CTKCommandBars::AddCustomBar(LPCTSTR lpszTitle, UINT nId, BOOL bFloat) {
  CTKToolBar* pBar =
      TKCreateBarOf<CTKToolBar>(GetRuntimeClasses().pToolBarClass, RUNTIME_CLASS(CTKToolBar));
  if (pBar == nullptr) return nullptr;
  pBar->SetCommandBars(this);
  // The site may look at the bar and rename it; its answer changes nothing here.
  TKCREATEBARSTRUCT record = {};
  record.pCommandBar = pBar;
  record.bCustomBar = TRUE;
  record.bFloat = bFloat;
  record.lpcstrCaption = lpszTitle;
  record.nID = nId;
  if (m_pFrame->GetSafeHwnd() != NULL)
    m_pFrame->SendMessage(TK_WM_CREATECOMMANDBAR, 0, reinterpret_cast<LPARAM>(&record));
  if (AddToolBar(pBar, record.lpcstrCaption, bFloat ? tkBarFloating : tkBarTop) == nullptr)
    return nullptr;
  pBar->SetBarID(nId);
  pBar->SetBuiltIn(FALSE);
  if (!bFloat) RecalcFrameLayout();
  AddToReBar(pBar);
  return pBar;
}

CTKToolBar* CTKCommandBars::GetAt(int nIndex) const {
  return nIndex >= 0 && nIndex < GetCount() ? m_arrBars[nIndex] : nullptr;
}

int CTKCommandBars::FindIndex(CTKToolBar* pBar) const {
  for (int i = 0; i < GetCount(); ++i)
    if (m_arrBars[i] == pBar) return i;
  return -1;
}

CTKToolBar* CTKCommandBars::GetToolBar(UINT nId) const {
  if (nId == 0) return nullptr;
  for (int i = 0; i < GetCount(); ++i)
    if (m_arrBars[i]->GetBarID() == nId) return m_arrBars[i];
  return nullptr;
}

CTKToolBar* CTKCommandBars::GetMenuBar() const {
  CTKToolBar* pBar = GetToolBar(1);
  if (pBar == nullptr) return nullptr;
  return pBar->GetType() == tkBarTypeMenuBar || pBar->GetType() == tkBarTypeRibbon ? pBar
                                                                                     : nullptr;
}

void CTKCommandBars::ToggleToolBarVisible(int nIndex) {
  CTKToolBar* pBar = GetAt(nIndex);
  if (pBar == nullptr) return;
  pBar->SetVisible(!pBar->IsVisible());
  m_pOptions->bDirty = TRUE;
}

void CTKCommandBars::Remove(CTKToolBar* pBar) {
  const int nIndex = FindIndex(pBar);
  if (nIndex == -1) return;
  if (pBar->GetSafeHwnd() != NULL) pBar->ShowWindow(SW_HIDE);
  pBar->m_bVisible = FALSE;
  if (pBar->GetDockBar() != nullptr) {
    pBar->GetDockBar()->RemoveCommandBar(pBar);
    RecalcFrameLayout();
  }
  RemoveFromReBar(pBar);
  pBar->OnRemoved();
  m_arrBars.RemoveAt(nIndex);
  pBar->InternalRelease();
}

void CTKCommandBars::RemoveAllToolBars() {
  // One layout at the end instead of one per bar.
  const BOOL bLocked = m_bLockLayout;
  m_bLockLayout = TRUE;
  while (GetCount() > 0) Remove(m_arrBars[GetCount() - 1]);
  m_bLockLayout = bLocked;
  RecalcFrameLayout(TRUE);
}

void CTKCommandBars::RefreshAllBars() {
  for (int i = 0; i < GetCount(); ++i) m_arrBars[i]->OnIdleUpdateCmdUI();
}

namespace {
CReBar* FindReBar(CWnd* pSite) {
  if (pSite->GetSafeHwnd() == NULL) return nullptr;
  HWND hReBar = ::GetDlgItem(pSite->GetSafeHwnd(), AFX_IDW_REBAR);
  return DYNAMIC_DOWNCAST(CReBar, CWnd::FromHandlePermanent(hReBar));
}
}  // namespace

void CTKCommandBars::AddToReBar(CTKToolBar* pBar) {
  CReBar* pReBar = FindReBar(m_pFrame);
  if (pReBar == nullptr || pBar->GetSafeHwnd() == NULL) return;
  if (CTKReBar* pToolReBar = DYNAMIC_DOWNCAST(CTKReBar, pReBar))
    pToolReBar->AddToolBar(pBar, RBBS_BREAK | RBBS_GRIPPERALWAYS);
  else
    pReBar->AddBar(pBar, NULL, NULL, RBBS_BREAK | RBBS_GRIPPERALWAYS);
}

void CTKCommandBars::RemoveFromReBar(CTKToolBar* pBar) {
  CReBar* pReBar = FindReBar(m_pFrame);
  if (pReBar == nullptr || pBar->GetSafeHwnd() == NULL) return;
  const int nBand = CTKReBar::FindBandOf(pReBar, pBar);
  if (nBand >= 0) pReBar->SendMessage(RB_DELETEBAND, nBand);
}

// Dock bars --------------------------------------------------------------------------------

namespace {
struct DockBarPlace {
  UINT nId;
  DWORD dwAlign;
};
// Top, bottom, left, right.
const DockBarPlace kDockBarPlaces[4] = {
    {AFX_IDW_DOCKBAR_TOP, CBRS_ALIGN_TOP | CBRS_BORDER_BOTTOM},
    {AFX_IDW_DOCKBAR_BOTTOM, CBRS_ALIGN_BOTTOM | CBRS_BORDER_TOP},
    {AFX_IDW_DOCKBAR_LEFT, CBRS_ALIGN_LEFT | CBRS_BORDER_RIGHT},
    {AFX_IDW_DOCKBAR_RIGHT, CBRS_ALIGN_RIGHT | CBRS_BORDER_LEFT},
};
}  // namespace

void CTKCommandBars::CreateDockBars() {
  for (int i = 0; i < 4; ++i) {
    if (m_pDocks[i] != nullptr) continue;
    CTKDockBar* pDock =
        TKCreateBarOf<CTKDockBar>(GetRuntimeClasses().pDockBarClass, RUNTIME_CLASS(CTKDockBar));
    if (pDock == nullptr) AfxThrowResourceException();
    pDock->SetCommandBars(this);
    const DWORD dwStyle =
        WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | kDockBarPlaces[i].dwAlign;
    if (!pDock->Create(m_pFrame, dwStyle, kDockBarPlaces[i].nId)) {
      delete pDock;
      AfxThrowResourceException();
    }
    m_pDocks[i] = pDock;
  }
}

CTKDockBar* CTKCommandBars::GetDockBar(int nSide) const {
  return nSide >= 0 && nSide < 4 ? m_pDocks[nSide] : nullptr;
}

BOOL CTKCommandBars::DockCommandBar(CTKToolBar* pBar, LPCRECT lpRect, CTKDockBar* pDockBar) {
  if (pDockBar == nullptr) return FALSE;
  if (!pBar->CreateToolBar(pDockBar, FALSE)) return FALSE;
  pDockBar->DockCommandBar(pBar, lpRect);
  pBar->SetBarPosition(pDockBar->GetPosition());
  return TRUE;
}

BOOL CTKCommandBars::DockAtSide(CTKToolBar* pBar, UINT nSide) {
  return DockCommandBar(pBar, NULL, GetDockBar(static_cast<int>(nSide)));
}

BOOL CTKCommandBars::FloatCommandBar(CTKToolBar* pBar) {
  if (!pBar->CreateToolBar(m_pFrame, TRUE)) return FALSE;
  if (pBar->GetDockBar() != nullptr) pBar->GetDockBar()->RemoveCommandBar(pBar);
  pBar->SetBarPosition(tkBarFloating);
  return TRUE;
}

CTKDockBar* CTKCommandBars::DockBarFromPoint(CPoint ptScreen, CTKDockBar* pPreferred) const {
  if (pPreferred != nullptr) return pPreferred;
  const int cx = TKDpiHelper()->ScaleX(20);
  const int cy = TKDpiHelper()->ScaleY(20);
  for (CTKDockBar* pDock : m_pDocks) {
    if (pDock->GetSafeHwnd() == NULL) continue;
    CRect rc;
    pDock->GetWindowRect(&rc);
    rc.InflateRect(cx, cy);
    if (rc.PtInRect(ptScreen)) return pDock;
  }
  return nullptr;
}

void CTKCommandBars::RecalcFrameLayout(BOOL bDelay) {
  if (m_bLockLayout || m_bDestroying || m_pFrame->GetSafeHwnd() == NULL) return;
  if (CFrameWnd* pFrame = DYNAMIC_DOWNCAST(CFrameWnd, m_pFrame)) {
    if (bDelay)
      pFrame->DelayRecalcLayout(FALSE);
    else
      pFrame->RecalcLayout(FALSE);
    return;
  }
  CRect rc;
  m_pFrame->GetClientRect(&rc);
  m_pFrame->SendMessage(WM_SIZE, SIZE_RESTORED, MAKELPARAM(rc.Width(), rc.Height()));
}

void CTKCommandBars::RecalcLayoutIfDelayed() {
  CFrameWnd* pFrame = DYNAMIC_DOWNCAST(CFrameWnd, m_pFrame);
  if (pFrame == nullptr || !(pFrame->m_nIdleFlags & CFrameWnd::idleLayout)) return;
  pFrame->RecalcLayout(FALSE);
  pFrame->m_nIdleFlags &= ~CFrameWnd::idleLayout;
}
