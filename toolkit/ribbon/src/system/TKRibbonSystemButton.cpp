// The system button, its pop-up with the row of buttons in its bottom
// border, and the sub-page pop-ups that open beside its command column.
#include <algorithm>

#include "commandbars/TKCommandBars.h"
#include "commandbars/TKControls.h"
#include "common/TKDpiHelper.h"
#include "ribbon/TKRibbonBar.h"
#include "ribbon/TKRibbonPaintManager.h"
#include "ribbon/TKRibbonSystemPopup.h"

IMPLEMENT_DYNCREATE(CTKRibbonSystemPopupBarPage, CTKPopupBar)

namespace {
CTKRibbonPaintManager* RibbonLookOf(const CTKControl* pControl) {
  CTKCommandBar* pBar = pControl->GetParent();
  return pBar != nullptr ? pBar->GetRibbonPaintManager() : nullptr;
}
}  // namespace

// CTKRibbonControlSystemButton ------------------------------------------------------------

CTKRibbonControlSystemButton::CTKRibbonControlSystemButton() : m_bCloseOnDblClick(TRUE) {
  m_dwFlags = 0x18;
}

CTKRibbonBar* CTKRibbonControlSystemButton::GetRibbonBar() const {
  CTKCommandBar* pBar = GetParent();
  return pBar != nullptr && pBar->IsRibbonBar() ? static_cast<CTKRibbonBar*>(pBar) : nullptr;
}

CString CTKRibbonControlSystemButton::GetCaption() const {
  CString strCaption = CTKControlPopup::GetCaption();
  CTKCommandBar* pBar = GetParent();
  CTKCommandBars* pCommandBars = pBar != nullptr ? pBar->GetCommandBars() : nullptr;
  if (pCommandBars != nullptr && pCommandBars->IsMenuUpperCase()) strCaption.MakeUpper();
  return strCaption;
}

CSize CTKRibbonControlSystemButton::GetSize(CDC* pDC) {
  CSize sz = CTKControlPopup::GetSize(pDC);
  if (IsSystemButtonFileStyle()) {
    sz.cx = std::max<int>(sz.cx, TKDpiHelper()->ScaleX(56));
    sz.cy = std::max<int>(sz.cy, TKDpiHelper()->ScaleY(23));
  }
  return sz;
}

void CTKRibbonControlSystemButton::Draw(CDC* pDC) {
  if (CTKRibbonPaintManager* pLook = RibbonLookOf(this)) pLook->DrawSystemButton(pDC, this, GetRect());
}

BOOL CTKRibbonControlSystemButton::OnLButtonDblClk(CPoint) {
  CTKCommandBar* pBar = GetParent();
  if (CTKCommandBars* pCommandBars = pBar != nullptr ? pBar->GetCommandBars() : nullptr)
    pCommandBars->CloseAllPopups();
  CWnd* pSite = pBar != nullptr ? pBar->GetSite() : nullptr;
  if (!IsSystemButtonFileStyle() && m_bCloseOnDblClick && pSite != nullptr &&
      (pSite->GetStyle() & WS_CHILD) == 0) {
    pSite->SendMessage(WM_SYSCOMMAND, 0xF063, 0);
    return TRUE;
  }
  OnExecute();
  return TRUE;
}

void CTKRibbonControlSystemButton::AdjustExcludeRect(CRect& rc, BOOL bVertical) {
  CTKRibbonBar* pRibbonBar = GetRibbonBar();
  if (!IsSystemButtonFileStyle() && pRibbonBar != nullptr && pRibbonBar->IsCaptionVisible() &&
      pRibbonBar->IsTabsVisible() && DYNAMIC_DOWNCAST(CTKRibbonSystemPopupBar, GetCommandBar())) {
    rc.bottom -= TKDpiHelper()->ScaleY(18);
    return;
  }
  CTKControlPopup::AdjustExcludeRect(rc, bVertical);
}

// CTKRibbonSystemPopupBar -------------------------------------------------------------------

BEGIN_MESSAGE_MAP(CTKRibbonSystemPopupBar, CTKPopupBar)
  ON_MESSAGE(WM_NCHITTEST, OnNcHitTestSystem)
END_MESSAGE_MAP()

CTKRibbonSystemPopupBar::CTKRibbonSystemPopupBar() {
  CTKDpiHelper* pDpi = TKDpiHelper();
  m_rcBorders.SetRect(pDpi->ScaleX(6), pDpi->ScaleY(18), pDpi->ScaleX(6), pDpi->ScaleY(29));
  SetShowGripper(FALSE);
}

CSize CTKRibbonSystemPopupBar::CalcDynamicLayout(int nLength, DWORD dwMode) {
  std::vector<CTKControl*> buttons;
  for (int i = 0; i < m_pControls->GetCount(); ++i) {
    CTKControl* pControl = m_pControls->GetAt(i);
    if (!pControl->IsKindOf(RUNTIME_CLASS(CTKRibbonControlSystemPopupBarButton))) continue;
    pControl->SetHideFlags(pControl->GetHideFlags() | TKHIDE_POSITION);
    buttons.push_back(pControl);
  }
  const CSize sz = CTKPopupBar::CalcDynamicLayout(nLength, dwMode);
  if (buttons.empty()) return sz;
  CClientDC dc(GetSafeHwnd() != NULL ? this : nullptr);
  CTKPaintManager* pPaintManager = GetPaintManager();
  CFont* pOldFont =
      pPaintManager != nullptr ? dc.SelectObject(pPaintManager->GetCommandBarFont(this)) : nullptr;
  ArrangeBottomButtons(&dc, sz, buttons);
  if (pOldFont != nullptr) dc.SelectObject(pOldFont);
  return sz;
}

void CTKRibbonSystemPopupBar::ArrangeBottomButtons(CDC* pDC, CSize sz,
                                                   const std::vector<CTKControl*>& buttons) {
  CTKDpiHelper* pDpi = TKDpiHelper();
  int x = sz.cx - m_rcBorders.right + pDpi->ScaleX(1);
  for (auto it = buttons.rbegin(); it != buttons.rend(); ++it) {
    CTKControl* pButton = *it;
    pButton->SetHideFlags(pButton->GetHideFlags() & ~TKHIDE_POSITION);
    const int w = pButton->GetSize(pDC).cx;
    pButton->SetRect(CRect(x - w, sz.cy - m_rcBorders.bottom + pDpi->ScaleY(4), x,
                           sz.cy - pDpi->ScaleY(3)));
    x -= w + pDpi->ScaleX(6);
  }
}

void CTKRibbonSystemPopupBar::FillCommandBarEntry(CDC* pDC) {
  CTKRibbonPaintManager* pLook = GetRibbonPaintManager();
  if (pLook != nullptr)
    pLook->FillSystemPopupBar(pDC, this);
  else
    CTKPopupBar::FillCommandBarEntry(pDC);
}

LRESULT CTKRibbonSystemPopupBar::OnNcHitTestSystem(WPARAM, LPARAM lParam) {
  // The system button shows through the pop-up's top band: it keeps the mouse.
  CTKRibbonControlSystemButton* pButton =
      DYNAMIC_DOWNCAST(CTKRibbonControlSystemButton, GetControlPopup());
  CTKCommandBar* pOwner = pButton != nullptr ? pButton->GetParent() : nullptr;
  if (pOwner != nullptr && pOwner->GetSafeHwnd() != NULL) {
    CRect rc = pButton->GetRect();
    pOwner->ClientToScreen(&rc);
    if (rc.PtInRect(CPoint(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)))))
      return HTTRANSPARENT;
  }
  return Default();
}

// CTKRibbonSystemPopupBarPage ----------------------------------------------------------------

CTKRibbonSystemPopupBar* CTKRibbonSystemPopupBarPage::GetSystemPopup() const {
  CTKControl* pOpener = GetControlPopup();
  return pOpener != nullptr ? DYNAMIC_DOWNCAST(CTKRibbonSystemPopupBar, pOpener->GetParent())
                            : nullptr;
}

CSize CTKRibbonSystemPopupBarPage::CalcDynamicLayout(int nLength, DWORD dwMode) {
  CSize sz = CTKPopupBar::CalcDynamicLayout(nLength, dwMode);
  CTKRibbonSystemPopupBar* pSystem = GetSystemPopup();
  if (pSystem == nullptr || pSystem->GetSafeHwnd() == NULL) return sz;
  CRect rcClient;
  pSystem->GetClientRect(&rcClient);
  const CRect rcBorders = pSystem->GetBorders();
  const int cyMin =
      rcClient.Height() - rcBorders.top - rcBorders.bottom - TKDpiHelper()->ScaleY(2);
  sz.cy = std::max<int>(sz.cy, cyMin);
  m_nMinHeight = sz.cy;
  return sz;
}

void CTKRibbonSystemPopupBarPage::AdjustExcludeRect(CRect& rc, BOOL bVertical) {
  CTKRibbonSystemPopupBar* pSystem = GetSystemPopup();
  if (pSystem == nullptr) {
    CTKPopupBar::AdjustExcludeRect(rc, bVertical);
    return;
  }
  // Level with the top of the command column's content.
  CRect rcSystem(0, 0, 0, 0);
  if (pSystem->GetSafeHwnd() != NULL) pSystem->GetWindowRect(&rcSystem);
  rc.top = rcSystem.top + pSystem->GetBorders().top + TKDpiHelper()->ScaleY(1);
  rc.right += TKDpiHelper()->ScaleX(1);
}
