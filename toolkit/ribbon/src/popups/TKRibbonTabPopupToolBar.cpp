// CTKRibbonTabPopupToolBar: the minimised ribbon's tab as a pop-up.
#include "ribbon/TKRibbonTabPopupToolBar.h"

#include <algorithm>

#include "commandbars/TKCommandBarKeyboardTip.h"
#include "commandbars/TKCommandBars.h"
#include "commandbars/TKCommandBarsSystem.h"
#include "commandbars/TKControls.h"
#include "commandbars/TKMouseManager.h"
#include "common/TKDCHelpers.h"
#include "common/TKDpiHelper.h"
#include "ribbon/TKRibbonBar.h"
#include "ribbon/TKRibbonGroup.h"
#include "ribbon/TKRibbonPaintManager.h"
#include "ribbon/TKRibbonTab.h"
#include "TKRibbonPopupHelpers.h"

IMPLEMENT_DYNCREATE(CTKRibbonTabPopupToolBar, CTKRibbonGroupsPopupBar)

CTKRibbonTabPopupToolBar::CTKRibbonTabPopupToolBar(CTKRibbonTab* pTab)
    : CTKRibbonGroupsPopupBar(pTab != nullptr ? pTab->GetRibbonBar() : nullptr),
      m_pTab(nullptr),
      m_rcGroups(0, 0, 0, 0),
      m_rcPopup(0, 0, 0, 0) {
  InitScrollableBar(this);
  if (pTab == nullptr) return;
  m_pTab = static_cast<CTKRibbonTab*>(pTab->GetRuntimeClass()->CreateObject());
  m_pTab->SetBars(m_pRibbonBar, this);
  m_pTab->Copy(pTab);
  m_pTab->SetRect(pTab->GetRect());
}

CTKRibbonTabPopupToolBar::~CTKRibbonTabPopupToolBar() {
  if (m_pTab == nullptr) return;
  m_pTab->GetGroups()->RemoveAll();
  m_pTab->InternalRelease();
}

// Layout ---------------------------------------------------------------------------------------

CSize CTKRibbonTabPopupToolBar::CalcDynamicLayout(int, DWORD) {
  if (m_pRibbonBar == nullptr || m_pTab == nullptr || m_pRibbonBar->GetSafeHwnd() == NULL)
    return CSize(0, 0);
  CRect rcRibbon;
  m_pRibbonBar->GetWindowRect(&rcRibbon);
  CRect rcTab = m_pTab->GetRect();
  m_pRibbonBar->ClientToScreen(&rcTab);
  const CRect rcWork = TKCommandBarsSystem()->GetWorkAreaFromRect(rcTab);

  const int nHeight = m_pRibbonBar->GetGroupsHeight();
  const int nLeft = std::max(rcRibbon.left, rcWork.left);
  int nWidth = rcRibbon.right - nLeft;
  if (nLeft + nWidth > rcWork.right) nWidth = rcWork.right - nLeft - TKDpiHelper()->ScaleX(4);
  int nTop = m_rcExclude.bottom;
  if (nTop + nHeight > rcWork.bottom) nTop = m_rcExclude.top - nHeight;
  m_rcPopup = CRect(nLeft, nTop, nLeft + nWidth, nTop + nHeight);

  m_rcGroups = CRect(0, 0, nWidth, nHeight);
  if (GetSafeHwnd() != NULL) {
    CClientDC dc(this);
    CTKFontDC font(&dc, GetPaintManager()->GetCommandBarFont(this));
    m_pTab->GetGroups()->Reposition(&dc, nWidth, TKDpiHelper()->ScaleX(4),
                                    TKDpiHelper()->ScaleY(3), TKDpiHelper()->ScaleX(6),
                                    TKDpiHelper()->ScaleY(3));
  }
  return CSize(nWidth, nHeight);
}

CRect CTKRibbonTabPopupToolBar::CalcPopupPosition(CPoint, CSize) { return m_rcPopup; }

void CTKRibbonTabPopupToolBar::OnGroupsScroll(BOOL bScrollLeft) {
  SetPopuped(-1);
  HideKeyboardTips();
  const int nOffset = m_pTab != nullptr ? m_pTab->GetGroups()->GetScrollPos() : 0;
  const int nStep = TKDpiHelper()->ScaleX(40);
  const int nNew = bScrollLeft ? std::max(0, nOffset - nStep) : nOffset + nStep;
  if (nNew == m_nGroupsScrollPos) return;
  m_nGroupsScrollPos = nNew;
  OnRecalcLayout();
}

CTKRibbonGroup* CTKRibbonTabPopupToolBar::HitTestGroup(CPoint point) const {
  if (m_pTab == nullptr || !m_rcGroups.PtInRect(point)) return nullptr;
  return m_pTab->GetGroups()->HitTest(point);
}

void CTKRibbonTabPopupToolBar::EnsureVisible(CTKControl* pControl) {
  if (pControl == nullptr || pControl->GetRibbonGroup() == nullptr || m_pTab == nullptr) return;
  if (!m_pControlScrollGroupsLeft->IsVisible() && !m_pControlScrollGroupsRight->IsVisible()) return;
  CTKRibbonScrollableBar::EnsureVisible(m_pTab->GetGroups(), pControl->GetRect());
}

// Drawing --------------------------------------------------------------------------------------

void CTKRibbonTabPopupToolBar::DrawCommandBar(CDC* pDC, CRect rcClipBox) {
  CTKRibbonPaintManager* pPaintManager = GetRibbonPaintManager();
  if (pPaintManager == nullptr || m_pTab == nullptr) return;
  pPaintManager->FillRibbonFace(pDC, this);
  pPaintManager->FillGroupsArea(pDC, m_pTab, m_rcGroups);
  pDC->SetBkMode(TRANSPARENT);
  CTKRibbonGroups* pGroups = m_pTab->GetGroups();
  for (int i = 0; i < pGroups->GetCount(); ++i) {
    CTKRibbonGroup* pGroup = pGroups->GetAt(i);
    CRect rcMeet;
    if (pGroup->IsVisible() && rcMeet.IntersectRect(rcClipBox, pGroup->GetRect()))
      pGroup->Draw(pDC, rcClipBox);
  }
  for (CTKControl* pButton : {m_pControlScrollGroupsLeft, m_pControlScrollGroupsRight})
    if (pButton->IsVisible()) pButton->Draw(pDC);
}

// Keys -----------------------------------------------------------------------------------------

void CTKRibbonTabPopupToolBar::CreateKeyboardTips() { CreateGroupsKeyboardTips(m_pTab); }

void CTKRibbonTabPopupToolBar::OnKeyboardTip(CTKCommandBarKeyboardTip* pTip) {
  TKActivateKeyboardTipControl(this, pTip);
}

BOOL CTKRibbonTabPopupToolBar::ProcessKeyNavigation(int nCode) {
  if (NavigateGroupsFirst(nCode)) return TRUE;
  const BOOL bKeyboardEntered = m_pRibbonBar != nullptr && !m_pRibbonBar->IsEnteredByMouse() &&
                                m_pRibbonBar->IsTrackingMode();
  if (nCode == kNavigateEscape && !bKeyboardEntered) {
    if (CTKCommandBars* pCommandBars = GetCommandBars()) pCommandBars->CloseAllPopups();
    return TRUE;
  }
  return CTKPopupToolBar::ProcessKeyNavigation(nCode);
}

INT_PTR CTKRibbonTabPopupToolBar::OnToolHitTest(CPoint point, TOOLINFO* pTI) const {
  const INT_PTR nHit = CTKPopupToolBar::OnToolHitTest(point, pTI);
  if (nHit != -1) TKPlaceGroupControlTip(this, point, pTI, m_rcGroups);
  return nHit;
}
