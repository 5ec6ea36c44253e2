// CTKRibbonBar: clicks, double clicks and right clicks on the caption, the
// tabs, the groups and the context headers; the group under the mouse.
#include "commandbars/TKCommandBars.h"
#include "commandbars/TKControls.h"
#include "commandbars/TKMouseManager.h"
#include "ribbon/TKRibbonBar.h"
#include "ribbon/TKRibbonControlTab.h"
#include "ribbon/TKRibbonGroup.h"
#include "ribbon/TKRibbonPaintManager.h"

void CTKRibbonBar::OnLButtonDown(UINT nFlags, CPoint point) {
  m_bTabSelectedClick =
      m_pControlTab != nullptr && m_pControlTab->HitTest(point) == m_pControlTab->GetSelectedItem() &&
      m_pControlTab->GetSelectedItem() != NULL;
  if ((m_bMinimized && !m_pControlTab->IsPopupTracking()) || IsCustomizeMode())
    m_bTabSelectedClick = FALSE;

  if (CTKRibbonTabContextHeader* pHeader = m_pContextHeaders->HitTest(point)) {
    if (pHeader->m_pFirstTab != nullptr) pHeader->m_pFirstTab->Select();
    return;
  }
  const int nCode = HitTestCaption(point);
  if (nCode != 0) {
    OnCaptionPressed(nCode, point);
    return;
  }
  if (m_rcTabControl.PtInRect(point)) {
    CloseAllPopups();
    if (IsBackstageViewVisible()) {
      SetTrackingMode(FALSE);
      if (m_bMinimized) return;
    }
  }
  if (!m_bTabSelectedClick && m_pControlTab != nullptr) {
    if (m_pControlTab->PerformClick(m_hWnd, point)) {
      if (m_bMinimized) {
        m_pControlTab->ShowTabPopup(FALSE);
        m_bTabSelectedClick = TRUE;
      }
      return;
    }
    CTKCommandBars* pCommandBars = GetCommandBars();
    CTKRibbonTab* pSelected = GetSelectedTab();
    if (IsCustomizeMode() && IsCustomizable() && pSelected != nullptr &&
        m_pControls->HitTest(point) == nullptr && pCommandBars != nullptr) {
      pCommandBars->CloseAllPopups();
      if (CTKRibbonGroup* pGroup = pSelected->GetGroups()->HitTest(point)) {
        // A group is dragged by its pop-up button, which stands for all of it.
        pCommandBars->SetDragControl(pGroup->GetControlGroupPopup());
        return;
      }
    }
  }
  CTKMenuBar::OnLButtonDown(nFlags, point);
}

void CTKRibbonBar::OnLButtonDblClk(UINT nFlags, CPoint point) {
  int nCode = HitTestCaption(point);
  if (nCode == 0 && IsFrameThemeEnabled() && m_pContextHeaders->HitTest(point) != nullptr)
    nCode = HTCAPTION;
  if (nCode == HTCAPTION || nCode == HTSYSMENU) {
    CPoint ptScreen = point;
    ClientToScreen(&ptScreen);
    CWnd* pSite = GetSite();
    if (pSite != nullptr && pSite->GetSafeHwnd() != NULL)
      pSite->SendMessage(WM_NCLBUTTONDBLCLK, static_cast<WPARAM>(nCode),
                         MAKELPARAM(ptScreen.x, ptScreen.y));
    return;
  }
  CTKTabManagerItem* pSelected = m_pControlTab != nullptr ? m_pControlTab->GetSelectedItem() : NULL;
  if (pSelected != NULL && m_pControlTab->HitTest(point) == pSelected && m_bAllowMinimize) {
    if (m_bMinimized)
      SetRibbonMinimized(FALSE);
    else if (m_bTabSelectedClick)
      SetRibbonMinimized(TRUE);
    m_bTabSelectedClick = TRUE;
  }
  CTKMenuBar::OnLButtonDblClk(nFlags, point);
}

void CTKRibbonBar::OnRButtonDown(UINT nFlags, CPoint point) {
  if (GetCommandBars() == nullptr) return;
  if (IsCustomizeMode()) {
    CTKCommandBar::OnRButtonDown(nFlags, point);
    return;
  }
  SetTrackingMode(FALSE);
  if (HitTestCaption(point) != 0) return;
  if (CTKControl* pControl = m_pControls->HitTest(point)) pControl->OnRButtonDown(point);
}

void CTKRibbonBar::OnRButtonUp(UINT nFlags, CPoint point) {
  const int nCode = HitTestCaption(point);
  if (nCode == HTCAPTION || nCode == HTSYSMENU) {
    CloseAllPopups();
    UpdateWindow();
    CPoint ptScreen = point;
    ClientToScreen(&ptScreen);
    ShowSystemMenu(ptScreen);
    return;
  }
  if (IsCustomizeMode()) return;
  if (CTKControl* pControl = m_pControls->HitTest(point)) {
    CWnd* pSite = GetSite();
    const BOOL bBySite = pSite != nullptr && pSite->GetSafeHwnd() != NULL &&
                         pSite->SendMessage(TK_WM_CONTROLRBUTTONUP, reinterpret_cast<WPARAM>(&point),
                                            reinterpret_cast<LPARAM>(pControl)) == 1;
    if (!bBySite && !pControl->OnRButtonUp(point)) ShowQuickAccessContextMenu(point, pControl);
    return;
  }
  CTKRibbonGroup* pGroup = HitTestGroup(point);
  CTKRibbonPaintManager* pPaintManager = GetRibbonPaintManager();
  const int nCaptionHeight = pPaintManager != nullptr ? pPaintManager->GetGroupCaptionHeight() : 0;
  if (pGroup != nullptr && point.y >= pGroup->GetRect().bottom - nCaptionHeight) {
    ShowQuickAccessContextMenu(point, pGroup->GetControlGroupPopup());
    return;
  }
  if (m_rcQuickAccess.PtInRect(point)) {
    ShowQuickAccessContextMenu(point, m_pControlTab);
    return;
  }
  Default();
}

void CTKRibbonBar::OnMouseMove(UINT nFlags, CPoint point) {
  CTKMouseManager* pMouseManager = CTKCommandBars::GetMouseManager();
  const BOOL bLocked = pMouseManager->GetTrackedCount() > 0 ||
                       !CTKMouseManager::IsTopParentActive(m_hWnd) ||
                       pMouseManager->IsTrackedLock(this) || m_nPopuped != -1;
  CTKRibbonPaintManager* pPaintManager = GetRibbonPaintManager();
  if (!bLocked && pPaintManager != nullptr && pPaintManager->m_bHighlightGroups) {
    CTKRibbonGroup* pGroup = HitTestGroup(point);
    if (pGroup != m_pHighlightedGroup) {
      SetHighlightedGroup(pGroup);
      if (pGroup != nullptr) pMouseManager->TrackMouseLeave(m_hWnd);
    }
  }
  if (!bLocked && m_pControlTab != nullptr) m_pControlTab->PerformMouseMove(m_hWnd, point);
  CTKMenuBar::OnMouseMove(nFlags, point);
}

LRESULT CTKRibbonBar::OnMouseLeave(WPARAM wParam, LPARAM lParam) {
  if (m_pControlTab != nullptr) m_pControlTab->PerformMouseMove(m_hWnd, CPoint(-1, -1));
  SetHighlightedGroup(nullptr);
  return CTKMenuBar::OnMouseLeave(wParam, lParam);
}

void CTKRibbonBar::OnSysColorChange() {
  CTKMenuBar::OnSysColorChange();
  if (CTKRibbonPaintManager* pPaintManager = GetRibbonPaintManager()) pPaintManager->RefreshMetrics();
  if (m_pControlTab != nullptr) m_pControlTab->Reposition();
}
