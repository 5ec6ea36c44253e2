// CTKRibbonGroupsPopupBar: what the ribbon's tab and group pop-ups share.
#include "ribbon/TKRibbonGroupsPopupBar.h"

#include "ribbon/TKRibbonBar.h"
#include "TKRibbonPopupHelpers.h"

IMPLEMENT_DYNAMIC(CTKRibbonGroupsPopupBar, CTKPopupToolBar)

BEGIN_MESSAGE_MAP(CTKRibbonGroupsPopupBar, CTKPopupToolBar)
  ON_WM_MOUSEMOVE()
  ON_MESSAGE(WM_MOUSELEAVE, OnMouseLeave)
END_MESSAGE_MAP()

CTKRibbonGroupsPopupBar::CTKRibbonGroupsPopupBar(CTKRibbonBar* pRibbonBar)
    : m_pRibbonBar(pRibbonBar) {
  m_dwFlags |= kRibbonPopupBarFlag;
  if (m_pRibbonBar != nullptr) EnableAnimation(m_pRibbonBar->IsAnimationEnabled());
}

CSize CTKRibbonGroupsPopupBar::GetIconSize() const {
  return m_pRibbonBar != nullptr ? m_pRibbonBar->GetIconSize() : CTKPopupToolBar::GetIconSize();
}

CSize CTKRibbonGroupsPopupBar::GetButtonSize() const {
  return m_pRibbonBar != nullptr ? m_pRibbonBar->GetButtonSize() : CTKPopupToolBar::GetButtonSize();
}

BOOL CTKRibbonGroupsPopupBar::IsKeyboardCuesVisible() const {
  return m_pRibbonBar != nullptr ? m_pRibbonBar->IsKeyboardCuesVisible()
                                 : CTKPopupToolBar::IsKeyboardCuesVisible();
}

BOOL CTKRibbonGroupsPopupBar::SetTrackingMode(int bMode, BOOL bSelectFirst, BOOL bKeyboard) {
  SetHighlightedGroup(nullptr);
  return CTKPopupToolBar::SetTrackingMode(bMode, bSelectFirst, bKeyboard);
}

BOOL CTKRibbonGroupsPopupBar::NavigateGroupsFirst(int nCode) {
  if (nCode != kNavigateEscape) HideKeyboardTips();
  return NavigateGroupControls(nCode);
}

void CTKRibbonGroupsPopupBar::OnMouseMove(UINT nFlags, CPoint point) {
  TKTrackHotGroup(this, this, HitTestGroup(point));
  CTKPopupToolBar::OnMouseMove(nFlags, point);
}

LRESULT CTKRibbonGroupsPopupBar::OnMouseLeave(WPARAM wParam, LPARAM lParam) {
  SetHighlightedGroup(nullptr);
  return CTKPopupToolBar::OnMouseLeave(wParam, lParam);
}
