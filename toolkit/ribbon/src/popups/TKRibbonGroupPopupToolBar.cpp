// CTKRibbonGroupPopupToolBar: a collapsed group opened as a pop-up.
#include "ribbon/TKRibbonGroupPopupToolBar.h"

#include "commandbars/TKCommandBarKeyboardTip.h"
#include "commandbars/TKCommandBars.h"
#include "commandbars/TKControls.h"
#include "common/TKDCHelpers.h"
#include "common/TKDpiHelper.h"
#include "ribbon/TKRibbonBar.h"
#include "ribbon/TKRibbonGroup.h"
#include "ribbon/TKRibbonPaintManager.h"
#include "ribbon/TKRibbonTab.h"
#include "TKRibbonPopupHelpers.h"

IMPLEMENT_DYNCREATE(CTKRibbonGroupPopupToolBar, CTKRibbonGroupsPopupBar)

CTKRibbonGroupPopupToolBar::CTKRibbonGroupPopupToolBar(CTKRibbonGroup* pGroup)
    : CTKRibbonGroupsPopupBar(pGroup != nullptr ? pGroup->GetRibbonBar() : nullptr),
      m_pGroup(nullptr),
      m_pSourceGroup(pGroup) {
  if (pGroup == nullptr) return;
  m_pGroup = static_cast<CTKRibbonGroup*>(pGroup->GetRuntimeClass()->CreateObject());
  m_pGroup->SetBars(m_pRibbonBar, this);
  m_pGroup->OnGroupAdded();
  m_pGroup->Copy(pGroup);
  // In its pop-up the group shows whole, whatever the ribbon had no room for.
  for (int i = 0; i < m_pGroup->GetCount(); ++i) {
    CTKControl* pControl = m_pGroup->GetAt(i);
    pControl->SetHideFlags(pControl->GetHideFlags() & ~TKHIDE_WRAP);
  }
  CTKRibbonPaintManager* pPaintManager =
      m_pRibbonBar != nullptr ? m_pRibbonBar->GetRibbonPaintManager() : nullptr;
  const int nCaptionHeight = pPaintManager != nullptr ? pPaintManager->GetGroupCaptionHeight() : 0;
  m_rcBorders = CRect(TKDpiHelper()->ScaleX(2), TKDpiHelper()->ScaleY(2), TKDpiHelper()->ScaleX(3),
                      nCaptionHeight + TKDpiHelper()->ScaleY(1));
}

CTKRibbonGroupPopupToolBar::~CTKRibbonGroupPopupToolBar() {
  if (m_pGroup == nullptr) return;
  m_pGroup->OnGroupRemoved();
  m_pGroup->InternalRelease();
}

CSize CTKRibbonGroupPopupToolBar::CalcDynamicLayout(int, DWORD) {
  if (m_pGroup == nullptr || m_pRibbonBar == nullptr) return CSize(0, 0);
  const int nHeight = m_pRibbonBar->GetGroupsHeight() - TKDpiHelper()->ScaleY(7);
  int nWidth = 0;
  if (GetSafeHwnd() != NULL) {
    CClientDC dc(this);
    CTKFontDC font(&dc, GetPaintManager()->GetCommandBarFont(this));
    // The group at full size: its rectangle, borders included, is the client area.
    m_pGroup->BeginLayout(&dc);
    nWidth = m_pGroup->CalcWidth(&dc);
    m_pGroup->ArrangeControls(nWidth, 0, 0, 0, 0);
    m_pGroup->EndLayout();
  }
  return CSize(m_rcBorders.left + m_rcBorders.right + nWidth, nHeight);
}

CRect CTKRibbonGroupPopupToolBar::GetGroupsRect() const {
  CRect rc(0, 0, 0, 0);
  if (GetSafeHwnd() != NULL) GetClientRect(&rc);
  return rc;
}

CTKRibbonGroup* CTKRibbonGroupPopupToolBar::HitTestGroup(CPoint point) const {
  return m_pGroup != nullptr && m_pGroup->GetRect().PtInRect(point) ? m_pGroup : nullptr;
}

void CTKRibbonGroupPopupToolBar::DrawCommandBar(CDC* pDC, CRect) {
  CTKRibbonPaintManager* pPaintManager = GetRibbonPaintManager();
  if (pPaintManager != nullptr && m_pGroup != nullptr) pPaintManager->DrawGroupPopup(pDC, m_pGroup);
}

void CTKRibbonGroupPopupToolBar::CreateKeyboardTips() {
  CTKRibbonTab* pTab = m_pSourceGroup != nullptr ? m_pSourceGroup->GetTab() : nullptr;
  if (pTab == nullptr || m_pGroup == nullptr) return;
  CTKRibbonGroups* pGroups = pTab->GetGroups();
  // The other groups' tips keep their letters hidden, so that the copy's
  // letters stay the ones the ribbon showed.
  for (int i = 0; i < pGroups->GetCount(); ++i) {
    CTKRibbonGroup* pGroup = pGroups->GetAt(i);
    if (!pGroup->GetVisible()) continue;
    const BOOL bSource = pGroup == m_pSourceGroup;
    CreateGroupKeyboardTips(bSource ? m_pGroup : pGroup, bSource);
  }
}

BOOL CTKRibbonGroupPopupToolBar::ProcessKeyNavigation(int nCode) {
  if (NavigateGroupsFirst(nCode)) return TRUE;
  return CTKPopupToolBar::ProcessKeyNavigation(nCode);
}

CTKPopupBar* CTKRibbonGroupPopupToolBar::Clone() {
  CTKRibbonGroupPopupToolBar* pClone = new CTKRibbonGroupPopupToolBar;
  pClone->Copy(this);
  return pClone;
}
