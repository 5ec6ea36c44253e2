// CTKPopupBar: measuring and re-laying the pop-up, intelligent menus and the
// opening animation.
#include "commandbars/TKPopupBar.h"

#include "commandbars/TKCommandBars.h"
#include "commandbars/TKCommandBarsOptions.h"
#include "commandbars/TKCommandBarsSystem.h"
#include "commandbars/TKControl.h"
#include "commandbars/TKControls.h"
#include "commandbars/TKMouseManager.h"
#include "commandbars/TKShadowManager.h"
#include "common/TKDCHelpers.h"
#include "common/TKMenuSoundPlayer.h"

namespace {

/// The paint manager draws a pop-up's expand row as this kind of its own controls.
const int kPopupExpandRowKind = 1;
/// Skipped by keyboard navigation, passed by the command-state update, fixed
/// in customisation.
const DWORD kExpandButtonFlags = 0x5A;
/// A pop-up laid out as a tool bar: across, committed, as a pop-up.
const DWORD kToolBarLayout = 0x142;

}  // namespace

// The expand button ---------------------------------------------------------------------------

CTKPopupBar::CControlExpandButton::CControlExpandButton() {
  m_controlType = tkControlButton;
  m_dwFlags = kExpandButtonFlags;
}

void CTKPopupBar::CControlExpandButton::OnExecute() {
  if (CTKPopupBar* pPopup = DYNAMIC_DOWNCAST(CTKPopupBar, m_pParent)) pPopup->ExpandBar();
}

CSize CTKPopupBar::CControlExpandButton::GetSize(CDC* pDC) {
  CTKPaintManager* pPaintManager = GetPaintManager();
  if (pPaintManager == nullptr) return CSize(0, 0);
  return pPaintManager->DrawSpecialControl(pDC, kPopupExpandRowKind, this, m_pParent, FALSE,
                                           nullptr);
}

void CTKPopupBar::CControlExpandButton::Draw(CDC* pDC) {
  if (CTKPaintManager* pPaintManager = GetPaintManager())
    pPaintManager->DrawSpecialControl(pDC, kPopupExpandRowKind, this, m_pParent, TRUE, nullptr);
}

// Layout -------------------------------------------------------------------------------------

CRect CTKPopupBar::GetBorders() {
  if (m_barType == tkBarTypeNormal) return m_rcBorders;
  return CTKCommandBar::GetBorders();
}

CSize CTKPopupBar::CalcDynamicLayout(int nLength, DWORD dwMode) {
  m_bInLayout = TRUE;
  CWindowDC dc(GetSafeHwnd() != NULL ? this : nullptr);
  CTKPaintManager* pPaintManager = GetPaintManager();
  CFont* pOldFont = pPaintManager != nullptr
                        ? dc.SelectObject(pPaintManager->GetCommandBarFont(this))
                        : nullptr;
  CRect rcBorders = GetBorders();
  CSize sz;
  if (m_barType == tkBarTypeNormal) {
    DWORD dwLayout = dwMode | kToolBarLayout;
    sz = m_pControls->CalcBarLayout(&dc, nLength > 0 ? nLength : 32767, dwLayout, rcBorders, 0);
  } else {
    int nGripper = 0;
    if (m_bTearOffPopup && pPaintManager != nullptr) {
      nGripper = pPaintManager->DrawTearOffGripper(&dc, CRect(0, 0, 0, 0), FALSE, FALSE).cy;
      rcBorders.top += nGripper;
    }
    if (nLength == 0) UpdateExpandingState();
    CTKControl* pExpand = m_pControls->FindControlById(kIdExpandButton);
    int nExpandHeight = 0;
    if (m_bNeedsExpand) {
      if (pExpand == nullptr)
        pExpand = m_pControls->Add(new CControlExpandButton, kIdExpandButton, "", -1, TRUE);
      nExpandHeight = pExpand->GetSize(&dc).cy;
      rcBorders.bottom += nExpandHeight;
    }
    const int nResizeBand = UpdateResizeMode();
    rcBorders.bottom += nResizeBand;
    if (pExpand != nullptr) pExpand->SetHideFlags(pExpand->GetHideFlags() | TKHIDE_GENERIC);
    // Without a length, one column however tall: the placement decides
    // between scrolling and more columns.
    const int nMaxHeight = nLength > 0 ? nLength : INT_MAX / 2;
    sz = m_pControls->CalcWorkAreaLayout(&dc, nMaxHeight, 0, rcBorders);
    if (m_bNeedsExpand && pExpand != nullptr) {
      pExpand->SetHideFlags(pExpand->GetHideFlags() & ~TKHIDE_GENERIC);
      const int nTop = sz.cy - rcBorders.bottom;
      pExpand->SetRect(CRect(rcBorders.left, nTop, sz.cx - rcBorders.right, nTop + nExpandHeight));
    }
    // The band lies under the expand button, at the bottom of the pop-up.
    m_rcResizeGripper.SetRectEmpty();
    if (nResizeBand > 0) {
      const int nTop = sz.cy - rcBorders.bottom + nExpandHeight;
      m_rcResizeGripper = CRect(rcBorders.left, nTop, sz.cx - rcBorders.right, nTop + nResizeBand);
    }
    m_rcTearOffGripper.SetRectEmpty();
    if (m_bTearOffPopup)
      m_rcTearOffGripper = CRect(rcBorders.left, rcBorders.top - nGripper, sz.cx - rcBorders.right,
                                 rcBorders.top);
  }
  if (pOldFont != nullptr) dc.SelectObject(pOldFont);
  m_bInLayout = FALSE;
  return sz;
}

void CTKPopupBar::OnRecalcLayout() {
  if (m_bInLayout || GetSafeHwnd() == NULL || !m_nTracking) return;
  UpdatePopupFlags();
  CRect rc = CalcPopupPosition(m_ptPopup, CalcDynamicLayout(0, 0));
  CRect rcOld;
  GetWindowRect(&rcOld);
  if (rc == rcOld && !m_bExpanding) {
    Redraw();
    return;
  }
  if (CTKShadowManager* pShadowManager = GetShadowManagerToUse())
    pShadowManager->RemoveShadow(this);
  const int nType = m_bExpanding ? GetAnimationType() : 5;
  if (nType >= 2 && nType <= 4)
    AnimateExpanding(rcOld, rc);
  else
    MoveTo(rc);
  UpdateShadows();
  if (CTKControlPopup* pPopup = DYNAMIC_DOWNCAST(CTKControlPopup, m_pControlPopup))
    pPopup->OnPopupOpened();
  Redraw();
  m_bExpanding = FALSE;
}

void CTKPopupBar::MoveTo(const CRect& rc) {
  SetWindowPos(nullptr, rc.left, rc.top, rc.Width(), rc.Height(),
               SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW | SWP_NOOWNERZORDER);
  if (CTKPaintManager* pPaintManager = GetPaintManager()) pPaintManager->SetCommandBarRegion(this);
}

void CTKPopupBar::AnimateExpanding(const CRect& rcOld, const CRect& rcNew) {
  CTKPaintManager* pPaintManager = GetPaintManager();
  if (pPaintManager == nullptr) {
    MoveTo(rcNew);
    return;
  }
  // What lies under the grown pop-up is where the animation starts from.
  HDC hScreenDC = ::GetDC(NULL);
  CDC screenCopy;
  screenCopy.CreateCompatibleDC(CDC::FromHandle(hScreenDC));
  CBitmap bitmap;
  bitmap.CreateCompatibleBitmap(CDC::FromHandle(hScreenDC), rcNew.Width(), rcNew.Height());
  CBitmap* pOldBitmap = screenCopy.SelectObject(&bitmap);
  screenCopy.BitBlt(0, 0, rcNew.Width(), rcNew.Height(), CDC::FromHandle(hScreenDC), rcNew.left,
                    rcNew.top, SRCCOPY);
  ::ReleaseDC(NULL, hScreenDC);

  ShowWindow(SW_HIDE);
  CWnd* pSite = GetSite();
  if (pSite->GetSafeHwnd() != NULL) pSite->UpdateWindow();
  MoveTo(rcNew);
  CWindowDC dc(this);
  dc.BitBlt(0, 0, rcNew.Width(), rcNew.Height(), &screenCopy, 0, 0, SRCCOPY);
  screenCopy.SelectObject(pOldBitmap);
  CRect rcClient;
  GetClientRect(&rcClient);
  CTKBufferDC bufferDC(dc.GetSafeHdc(), rcClient);
  DrawCommandBar(&bufferDC, rcClient);
  pPaintManager->AnimateExpandingPopup(this, &dc, &bufferDC, rcNew.bottom > rcOld.bottom);
  TKMenuSoundPlayer()->PlayMenuSound(TK_MENUSOUND_POPUP);
}

// Intelligent menus -----------------------------------------------------------------------------

void CTKPopupBar::UpdateExpandingState() {
  m_bNeedsExpand = FALSE;
  CTKCommandBars* pCommandBars = GetCommandBars();
  if (pCommandBars == nullptr || pCommandBars->GetCommandBarsOptions()->bAlwaysShowFullMenus) {
    for (int i = 0; i < GetControlCount(); ++i) GetControl(i)->SetHiddenUntilExpand(FALSE);
    m_bExpanded = TRUE;
    return;
  }
  BOOL bOtherVisible = FALSE;
  for (int i = 0; i < GetControlCount(); ++i) {
    CTKControl* pControl = GetControl(i);
    if (pControl->GetID() == kIdExpandButton) continue;
    const BOOL bVisible = pControl->IsVisible(TKHIDE_UNNEEDED | TKHIDE_EXPAND);
    const BOOL bUnused = pControl->GetID() != 0 && pCommandBars->IsControlHidden(pControl->GetID());
    pControl->SetHiddenUntilExpand(bVisible && bUnused);
    if (bVisible && !bUnused) bOtherVisible = TRUE;
  }
  // A menu of nothing but unused commands shows them all.
  for (int i = 0; i < GetControlCount(); ++i) {
    CTKControl* pControl = GetControl(i);
    DWORD dwHide = pControl->GetHideFlags() & ~TKHIDE_EXPAND;
    if (pControl->IsHiddenUntilExpand() && !m_bExpanded && bOtherVisible) {
      dwHide |= TKHIDE_EXPAND;
      m_bNeedsExpand = TRUE;
    }
    pControl->SetHideFlags(dwHide);
  }
}

void CTKPopupBar::ExpandBar() {
  if (m_bExpanded || !m_bNeedsExpand) return;
  m_bExpanding = TRUE;
  m_bExpanded = TRUE;
  SetPopuped(-1);
  SetSelected(-1);
  OnRecalcLayout();
  CTKMouseManager* pMouseManager = CTKMouseManager::GetThreadManager();
  pMouseManager->SetMenusExpanded(TRUE);
  pMouseManager->SetSwallowButtonUp(TRUE);
}

int CTKPopupBar::GetDefaultItem(BOOL bByIndex) const {
  for (int i = 0; i < GetControlCount(); ++i) {
    CTKControl* pControl = GetControl(i);
    if (pControl->IsVisible() && pControl->IsDefaultItem())
      return bByIndex ? i : pControl->GetID();
  }
  return -1;
}

// Showing ------------------------------------------------------------------------------------------

int CTKPopupBar::GetAnimationType() const {
  CTKCommandBars* pCommandBars = GetCommandBars();
  if (pCommandBars == nullptr ||
      (GetSafeHwnd() != NULL && ::GetWindow(GetSafeHwnd(), GW_CHILD) != NULL))
    return 5;
  const int nType = pCommandBars->GetCommandBarsOptions()->animationType;
  if (nType == 1) {
    static const int kRandomTypes[] = {4, 3, 2};
    return kRandomTypes[static_cast<unsigned>(TKCommandBarsSystem()->Rand()) % 3];
  }
  if (nType > 1) return nType;
  BOOL bAnimation = FALSE;
  BOOL bFade = FALSE;
  TKCommandBarsSystem()->GetMenuAnimation(&bAnimation, &bFade);
  if (!bAnimation) return 5;
  return bFade ? 4 : 3;
}

void CTKPopupBar::ShowAnimated() {
  CTKPaintManager* pPaintManager = GetPaintManager();
  if (pPaintManager == nullptr) return;
  CTKCommandBar* pParent = GetParentCommandBar();
  // Only the first pop-up of a chain animates; a sub-menu opens at once.
  const BOOL bAllowed = (pParent == nullptr || !pParent->IsPopupBar()) && !IsCustomizeMode() &&
                        ::GetWindow(m_hWnd, GW_CHILD) == NULL;
  const int nType = bAllowed ? GetAnimationType() : 5;
  if (nType < 2 || nType > 4) {
    pPaintManager->SetCommandBarRegion(this);
    return;
  }
  if (m_pControlPopup != nullptr) m_pControlPopup->RedrawParent(FALSE);
  if (pParent != nullptr && pParent->GetSafeHwnd() != NULL) pParent->UpdateWindow();
  CWnd* pSite = GetSite();
  if (pSite->GetSafeHwnd() != NULL) pSite->UpdateWindow();

  CClientDC dc(this);
  CRect rcClient;
  GetClientRect(&rcClient);
  CTKBufferDC bufferDC(dc.GetSafeHdc(), rcClient);
  DrawCommandBar(&bufferDC, rcClient);
  // The screen under the window is where the animation starts from.
  const DWORD dwLayout = ::GetLayout(dc.GetSafeHdc());
  ::SetLayout(dc.GetSafeHdc(), 0);
  CRect rcWindow;
  GetWindowRect(&rcWindow);
  HDC hScreenDC = ::GetDC(NULL);
  ::BitBlt(dc.GetSafeHdc(), 0, 0, rcClient.Width(), rcClient.Height(), hScreenDC, rcWindow.left,
           rcWindow.top, SRCCOPY);
  ::ReleaseDC(NULL, hScreenDC);
  ::SetLayout(dc.GetSafeHdc(), dwLayout);
  pPaintManager->SetCommandBarRegion(this);
  pPaintManager->AnimatePopupBar(&dc, &bufferDC, rcClient, nType);
}
