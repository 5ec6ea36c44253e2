// CTKControlPopup: the control that opens a pop-up bar, and the split button
// whose command part runs the command.
#include "commandbars/TKCommandBar.h"
#include "commandbars/TKCommandBars.h"
#include "commandbars/TKCommandBarsSystem.h"
#include "commandbars/TKControlClasses.h"
#include "commandbars/TKControls.h"
#include "commandbars/TKPopupBar.h"
#include "commandbars/TKShadowManager.h"

TK_IMPLEMENT_LAYOUT_CLASS(CTKControlPopup, CTKControlButton)

namespace {

/// Enabled values of a split button: only the command part works, only the
/// drop-down works.
const int kEnabledCommandOnly = 4;
const int kEnabledDropDownOnly = 5;
/// Selection states of a split button: the mouse over either part.
const int kSelectedCommandPart = 4;
const int kSelectedDropDownPart = 5;

}  // namespace

CTKControlPopup::CTKControlPopup()
    : m_bPopup(FALSE), m_pCommandBar(nullptr), m_nPopupBarId(0), m_bControlShadow(TRUE) {
  m_controlType = tkControlPopup;
}

CTKControlPopup::~CTKControlPopup() { SetCommandBar(nullptr); }

CTKControlPopup* AFX_CDECL CTKControlPopup::CreateOfType(int nType) {
  CTKControlPopup* pPopup = new CTKControlPopup;
  pPopup->SetType(nType);
  return pPopup;
}

void CTKControlPopup::SetCommandBar(CTKCommandBar* pBar) {
  if (m_pCommandBar == pBar) return;
  if (m_pCommandBar != nullptr) {
    // Whoever still holds the old bar must not reach this control through it.
    if (CTKPopupBar* pOld = DYNAMIC_DOWNCAST(CTKPopupBar, m_pCommandBar)) {
      if (pOld->GetControlPopup() == this) pOld->SetControlPopup(nullptr);
    }
    m_pCommandBar->InternalRelease();
  }
  m_pCommandBar = pBar;
  if (CTKPopupBar* pPopup = DYNAMIC_DOWNCAST(CTKPopupBar, pBar)) pPopup->SetControlPopup(this);
}

void CTKControlPopup::SetCommandBarMenu(CMenu* pMenu) {
  if (m_pCommandBar == nullptr) SetCommandBar(CTKPopupBar::CreatePopupBar(GetCommandBars()));
  m_pCommandBar->LoadMenu(pMenu, TRUE);
}

void CTKControlPopup::ExpandOpenPopup() {
  if (m_bPopup && m_controlType == tkControlPopup)
    if (CTKPopupBar* pPopup = DYNAMIC_DOWNCAST(CTKPopupBar, m_pCommandBar)) pPopup->ExpandBar();
}

CString CTKControlPopup::GetCaption() const {
  CString strCaption = CTKControl::GetCaption();
  CTKCommandBars* pCommandBars = GetCommandBars();
  if (m_pParent != nullptr && m_pParent->GetType() == tkBarTypeMenuBar &&
      !m_pParent->IsRibbonBar() && pCommandBars != nullptr && pCommandBars->IsMenuUpperCase())
    strCaption.MakeUpper();
  return strCaption;
}

void CTKControlPopup::OnUnderlineActivate() {
  if (m_pCommandBar != nullptr && m_pParent != nullptr)
    m_pParent->SetPopuped(m_nIndex, TRUE);
  else
    OnExecute();
}

BOOL CTKControlPopup::IsSplitCommandPart(CPoint pt) {
  CRect rcCommand = m_rcControl;
  if (CTKPaintManager* pPaintManager = GetPaintManager())
    pPaintManager->GetSplitButtonCommandRect(rcCommand, this);
  return rcCommand.PtInRect(pt);
}

void CTKControlPopup::OnClick(BOOL bKeyboard, CPoint pt) {
  if (!GetEnabled()) return;
  const BOOL bCustomize = IsCustomizeMode();
  if (bCustomize) {
    CTKCommandBars* pCommandBars = GetCommandBars();
    if (m_pParent == nullptr || pCommandBars == nullptr) return;
    pCommandBars->SetDragControl(this);
  }
  if (m_pParent == nullptr) return;
  if (m_bPopup && m_pParent->GetPosition() != tkBarPopup) {
    m_pParent->SetTrackingMode(FALSE);
    return;
  }
  if (!bCustomize && m_controlType == tkControlSplitButtonPopup) {
    const int nEnabled = GetEnabled();
    if (bKeyboard) {
      if (nEnabled != kEnabledDropDownOnly) {
        OnExecute();
        return;
      }
    } else if (IsSplitCommandPart(pt)) {
      if (m_pParent->GetType() == tkBarTypePopup) {
        TKCommandBarsSystem()->KillTimer(m_pParent->GetSafeHwnd(), CTKCommandBar::kTimerHover);
        return;
      }
      if (nEnabled != kEnabledDropDownOnly) TrackExecuteOnPress(m_rcControl);
      return;
    } else if (nEnabled == kEnabledCommandOnly) {
      return;
    }
  }
  if (!bCustomize || m_pCommandBar == nullptr || m_pCommandBar->IsCustomizable()) {
    if (!m_pParent->SetPopuped(m_nIndex, FALSE) && bCustomize) return;
  }
  if (bCustomize) OnCustomizeMouseDown(pt);
}

void CTKControlPopup::OnLButtonUp(CPoint pt) {
  if (m_pCommandBar == nullptr) {
    CTKControlButton::OnLButtonUp(pt);
    return;
  }
  if (m_controlType != tkControlSplitButtonPopup || !GetEnabled() || m_pParent == nullptr ||
      m_pParent->GetType() != tkBarTypePopup)
    return;
  CTKPaintManager* pPaintManager = GetPaintManager();
  const int nDropDown = pPaintManager != nullptr ? pPaintManager->m_nSplitButtonDropDownWidth : 0;
  const int nEnabled = GetEnabled();
  if (pt.x + nDropDown < m_rcControl.right && nEnabled != kEnabledDropDownOnly) OnExecute();
}

void CTKControlPopup::OnMouseMove(CPoint pt) {
  if (m_controlType != tkControlSplitButtonPopup || !GetEnabled() || m_nSelected == 0 ||
      m_pCommandBar == nullptr)
    return;
  const int nState = IsSplitCommandPart(pt) ? kSelectedCommandPart : kSelectedDropDownPart;
  if (nState == m_nSelected) return;
  m_nSelected = nState;
  RedrawParent(FALSE);
}

void CTKControlPopup::OnMouseHover() {
  if (GetEnabled() && m_pCommandBar != nullptr && m_pParent != nullptr &&
      (m_pParent->IsTrackingMode() == 2 || m_pParent->GetPosition() == tkBarPopup)) {
    m_pParent->SetPopuped(m_nIndex, FALSE);
    return;
  }
  CTKControlButton::OnMouseHover();
}

BOOL CTKControlPopup::SetSelected(int nSelected) {
  if (!CTKControlButton::SetSelected(nSelected)) return FALSE;
  if (m_pCommandBar == nullptr || m_pParent == nullptr) return TRUE;
  const BOOL bEnabled = GetEnabled();
  if (nSelected == 1 && bEnabled && m_controlType == tkControlSplitButtonPopup &&
      m_pParent->GetSafeHwnd() != NULL) {
    CPoint pt;
    ::GetCursorPos(&pt);
    m_pParent->ScreenToClient(&pt);
    if (m_rcControl.PtInRect(pt)) OnMouseMove(pt);
  }
  const BOOL bOnPopupBar = m_pParent->GetPosition() == tkBarPopup;
  if (m_controlType == tkControlPopup || m_pParent->GetType() == tkBarTypePopup) {
    if (nSelected != 0 && bEnabled && m_pParent->IsTrackingMode() == 2 && !bOnPopupBar)
      m_pParent->SetPopuped(m_nIndex, FALSE);
    else if (nSelected == 0 && m_bPopup && !bOnPopupBar)
      m_pParent->SetPopuped(-1);
  } else if ((nSelected == 2 || nSelected == 3) && bEnabled && m_pParent->IsTrackingMode() == 2) {
    m_pParent->SetPopuped(m_nIndex, TRUE);
  }
  return TRUE;
}

BOOL CTKControlPopup::OnSetPopup(BOOL bPopup) {
  if (m_pCommandBar == nullptr || m_pParent == nullptr || m_pParent->GetSafeHwnd() == NULL)
    return FALSE;
  if (m_controlType == tkControlSplitButtonPopup) {
    const int nEnabled = GetEnabled();
    if (nEnabled == kEnabledCommandOnly) return FALSE;
  }
  m_bPopup = bPopup;
  if (!bPopup) {
    m_pCommandBar->SetTrackingMode(FALSE, TRUE, FALSE);
    RedrawParent(TRUE);
    return TRUE;
  }
  RedrawParent(FALSE);
  CWnd* pSite = m_pParent->GetOwnerSite();
  if (pSite->GetSafeHwnd() != NULL) pSite->UpdateWindow();
  m_pParent->UpdateWindow();
  if (m_pCommandBar->IsTrackingMode()) return TRUE;
  if (!m_pCommandBar->Popup(this, m_nSelected == 2 || m_nSelected == 3)) {
    m_bPopup = FALSE;
    return FALSE;
  }
  OnPopupOpened();
  return TRUE;
}

BOOL CTKControlPopup::OnLButtonDblClk(CPoint pt) {
  CTKPopupBar* pPopup = DYNAMIC_DOWNCAST(CTKPopupBar, m_pCommandBar);
  if ((m_controlType != tkControlPopup && m_controlType != tkControlButtonPopup) ||
      pPopup == nullptr)
    return CTKControlButton::OnLButtonDblClk(pt);
  if (!m_bPopup && m_pParent != nullptr) OnClick(FALSE, pt);
  if (!m_bPopup) return FALSE;
  const int nDefault = pPopup->GetDefaultItem();
  if (nDefault != -1) {
    pPopup->GetControl(nDefault)->OnExecute();
    return TRUE;
  }
  if (pPopup->IsExpandNeeded() && !pPopup->IsExpanded()) {
    pPopup->ExpandBar();
    return TRUE;
  }
  return FALSE;
}

BOOL CTKControlPopup::Compare(CTKControl* pOther) {
  if (!CTKControlButton::Compare(pOther)) return FALSE;
  CTKControlPopup* pPopup = DYNAMIC_DOWNCAST(CTKControlPopup, pOther);
  if (pPopup == nullptr) return FALSE;
  if (m_pCommandBar != nullptr && pPopup->m_pCommandBar != nullptr)
    return m_pCommandBar->GetControls()->IsEqual(pPopup->m_pCommandBar->GetControls());
  return TRUE;
}

void CTKControlPopup::Copy(CTKControl* pSource, BOOL bRecursive) {
  CTKControlButton::Copy(pSource, bRecursive);
  CTKControlPopup* pPopup = DYNAMIC_DOWNCAST(CTKControlPopup, pSource);
  if (pPopup == nullptr || pPopup == this || pPopup->m_pCommandBar == nullptr) return;
  if (bRecursive) {
    CTKPopupBar* pSourceBar = DYNAMIC_DOWNCAST(CTKPopupBar, pPopup->m_pCommandBar);
    if (pSourceBar != nullptr) {
      SetCommandBar(pSourceBar->Clone());
      return;
    }
    CTKPopupBar* pBar = CTKPopupBar::CreatePopupBar(pPopup->m_pCommandBar->GetCommandBars());
    pBar->SetTitle(pPopup->m_pCommandBar->GetTitle());
    pBar->GetControls()->Copy(pPopup->m_pCommandBar->GetControls(), TRUE);
    SetCommandBar(pBar);
  } else {
    pPopup->m_pCommandBar->InternalAddRef();
    SetCommandBar(pPopup->m_pCommandBar);
  }
}

void CTKControlPopup::AdjustExcludeRect(CRect& rc, BOOL bVertical) {
  if (CTKPaintManager* pPaintManager = GetPaintManager())
    pPaintManager->AdjustExcludeRect(rc, this, bVertical);
}

void CTKControlPopup::OnPopupOpened() {
  if (m_controlType < tkControlPopup || m_controlType > tkControlSplitButtonPopup ||
      m_pParent == nullptr || m_pParent->GetPosition() == tkBarPopup ||
      (m_pParent->GetPosition() == tkBarFloating && m_pParent->GetType() == tkBarTypePopup))
    return;
  CTKPopupBar* pPopup = DYNAMIC_DOWNCAST(CTKPopupBar, m_pCommandBar);
  if (pPopup == nullptr || !m_bControlShadow || m_pParent->GetSafeHwnd() == NULL) return;
  // The shadow frames control and pop-up together.
  if (CTKShadowManager* pShadowManager = pPopup->GetShadowManagerToUse()) {
    CRect rc = m_rcControl;
    m_pParent->ClientToScreen(&rc);
    pShadowManager->SetShadowRect(rc, pPopup);
  }
}
