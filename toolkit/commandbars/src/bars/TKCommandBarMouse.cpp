// CTKCommandBar: the mouse: the hot control under it, leaving the bar, and
// clicks handed to the control under the point.
#include "commandbars/TKCommandBar.h"

#include "commandbars/TKCommandBars.h"
#include "commandbars/TKCommandBarsOptions.h"
#include "commandbars/TKCommandBarsSystem.h"
#include "commandbars/TKControl.h"
#include "commandbars/TKControls.h"

CTKControl* CTKCommandBar::ControlFromPoint(CPoint point) const {
  return m_pControls != nullptr ? m_pControls->HitTest(point) : nullptr;
}

void CTKCommandBar::OnMouseMove(UINT nFlags, CPoint point) {
  if (GetSafeHwnd() == NULL) return;
  if (!m_nTracking && !IsPopupBar() && !TKCommandBarsSystem()->IsApplicationActive()) return;
  if (IsCustomizeMode()) {
    CTKCommandBars* pCommandBars = GetCommandBars();
    CTKControl* pDragControl = pCommandBars != nullptr ? pCommandBars->GetDragControl() : nullptr;
    if (pDragControl != nullptr && pDragControl->GetParent() == this)
      pDragControl->UpdateCustomizeCursor(point);
  }
  // With a pop-up open the selection follows the mouse only on hover-select
  // bars: a menu bar keeps the open control hot while the mouse crosses it.
  if (m_nPopuped != -1 && !m_bHoverSelect) return;
  CTKControl* pControl = ControlFromPoint(point);
  int nHot = -1;
  if (pControl != nullptr) {
    nHot = pControl->GetIndex();
    pControl->OnMouseMove(point);
    TrackMouseLeave();
  } else if (m_nTracking && !(IsPopupBar() && m_nPopuped == -1 && m_nSelectionReason == 0)) {
    nHot = m_nSelected;
  }
  SetSelected(nHot, 0);
  CWnd::OnMouseMove(nFlags, point);
}

void CTKCommandBar::TrackMouseLeave() {
  TRACKMOUSEEVENT tme = {sizeof(tme), TME_LEAVE, m_hWnd, 0};
  ::TrackMouseEvent(&tme);
}

LRESULT CTKCommandBar::OnMouseLeave(WPARAM, LPARAM) {
  ClearSelectionOnLeave();
  return 0;
}

void CTKCommandBar::OnNcMouseMove(UINT nHitTest, CPoint point) {
  ClearSelectionOnLeave();
  CWnd::OnNcMouseMove(nHitTest, point);
}

void CTKCommandBar::ClearSelectionOnLeave() {
  if (m_bLocked) return;
  // A tracking bar keeps its hot control, except a pop-up whose selection
  // came from the mouse and has nothing open.
  if (m_nTracking && !(IsPopupBar() && m_nPopuped == -1)) return;
  SetSelected(-1);
}

void CTKCommandBar::OnLButtonDown(UINT nFlags, CPoint point) {
  if (IsPopupToolBar() && m_nPopuped != -1) {
    CTKControl* pOpen = GetControl(m_nPopuped);
    if (pOpen != nullptr && !pOpen->GetRect().PtInRect(point)) {
      const BOOL bHot = m_nPopuped == m_nSelected;
      SetPopuped(-1);
      if (bHot) SetSelected(-1);
    }
  }
  CTKControl* pControl = ControlFromPoint(point);
  if (pControl == nullptr) {
    CWnd::OnLButtonDown(nFlags, point);
    return;
  }
  if (IsAltDragCustomize(pControl)) {
    AltDragCustomize(pControl, point);
    return;
  }
  pControl->OnLButtonDown(point);
}

BOOL CTKCommandBar::IsAltDragCustomize(CTKControl* pControl) const {
  CTKCommandBars* pCommandBars = GetCommandBars();
  if (pCommandBars == nullptr || IsCustomizeMode() || IsPopupBar()) return FALSE;
  if (!pCommandBars->IsCustomizeCommandOffered() ||
      !pCommandBars->GetCommandBarsOptions()->bAltDragCustomization)
    return FALSE;
  return TKCommandBarsSystem()->GetKeyState(VK_MENU) < 0 && pControl->IsCustomizeMovable();
}

void CTKCommandBar::AltDragCustomize(CTKControl* pControl, CPoint point) {
  CTKCommandBars* pCommandBars = GetCommandBars();
  // Customise mode lasts for this one drag only.
  pCommandBars->SetCustomizeMode(TRUE);
  pControl->OnCustomizeMouseDown(point);
  pCommandBars->SetCustomizeMode(FALSE);
  pCommandBars->RecalcFrameLayout();
  pCommandBars->CloseAllPopups();
}

void CTKCommandBar::OnLButtonUp(UINT nFlags, CPoint point) {
  CTKControl* pControl = ControlFromPoint(point);
  if (pControl == nullptr) {
    CWnd::OnLButtonUp(nFlags, point);
    return;
  }
  if (!IsCustomizeMode()) pControl->OnLButtonUp(point);
}

void CTKCommandBar::OnLButtonDblClk(UINT nFlags, CPoint point) {
  CTKControl* pControl = ControlFromPoint(point);
  if (pControl != nullptr && !IsCustomizeMode() && pControl->OnLButtonDblClk(point)) return;
  CWnd::OnLButtonDblClk(nFlags, point);
}

void CTKCommandBar::OnRButtonDown(UINT nFlags, CPoint point) {
  CTKControl* pControl = ControlFromPoint(point);
  if (pControl != nullptr && pControl->OnRButtonDown(point)) return;
  if (IsCustomizeMode() && IsCustomizable()) {
    // The right button picks the control whose customise menu follows.
    if (pControl != nullptr && pControl->IsVisible() && pControl->IsCustomizeMovable()) {
      SetPopuped(-1);
      SetSelected(-1);
      GetCommandBars()->SetDragControl(pControl);
    }
    return;
  }
  CWnd::OnRButtonDown(nFlags, point);
}

void CTKCommandBar::OnRButtonUp(UINT nFlags, CPoint point) {
  if (IsCustomizeMode()) {
    CWnd::OnRButtonUp(nFlags, point);
    return;
  }
  CTKControl* pControl = ControlFromPoint(point);
  if (pControl != nullptr) {
    CWnd* pSite = GetSite();
    if (pSite->GetSafeHwnd() != NULL &&
        pSite->SendMessage(TK_WM_CONTROLRBUTTONUP, reinterpret_cast<WPARAM>(&point),
                           reinterpret_cast<LPARAM>(pControl)) == 1)
      return;
    if (GetRootParent()->m_bRightButtonTracking) {
      pControl->OnLButtonUp(point);
      return;
    }
    if (pControl->OnRButtonUp(point)) return;
  }
  CTKCommandBar* pRoot = GetRootParent();
  if (IsPopupBar() && pRoot != this) {
    CPoint ptScreen = point;
    ClientToScreen(&ptScreen);
    pRoot->OnPopupContextMenu(this, ptScreen);
    return;
  }
  CWnd::OnRButtonUp(nFlags, point);
}

LRESULT CTKCommandBar::OnNcHitTest(CPoint point) {
  if (!IsHelpMode()) return CWnd::OnNcHitTest(point);
  // In help mode a pop-up control without a command shows the menu's help.
  CPoint ptClient = point;
  ScreenToClient(&ptClient);
  CTKControl* pControl = ControlFromPoint(ptClient);
  if (pControl != nullptr && pControl->GetID() == 0 && pControl->GetType() >= tkControlPopup &&
      pControl->GetType() <= tkControlSplitButtonPopup)
    return HTMENU;
  return HTCLIENT;
}

void CTKCommandBar::OnNcLButtonDown(UINT nHitTest, CPoint point) {
  if (!IsHelpMode()) {
    CWnd::OnNcLButtonDown(nHitTest, point);
    return;
  }
  CPoint ptClient = point;
  ScreenToClient(&ptClient);
  OnLButtonDown(MK_LBUTTON, ptClient);
}
