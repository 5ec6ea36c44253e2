// CTKPopupBar: a pop-up taller than the work area scrolls with a button at
// either end that scrolls while the mouse rests on it.
#include "commandbars/TKPopupBar.h"

#include "commandbars/TKCommandBarsSystem.h"
#include "commandbars/TKControl.h"
#include "commandbars/TKControls.h"
#include "common/TKColorManager.h"
#include "common/TKDpiHelper.h"
#include "common/TKGlyphFont.h"

#include <algorithm>

namespace {

const int kBottom = 0;
const int kTop = 1;
/// The glyph-font pictures of the scroll buttons and their colour index.
const TCHAR kGlyphScrollDown = 51;
const TCHAR kGlyphScrollUp = 50;
const int kScrollGlyphColor = 17;

/// Moves a control's rectangle to start at nTop, `nHeight` high.
void PlaceAt(CTKControl* pControl, int nTop, int nHeight) {
  CRect rc = pControl->GetRect();
  pControl->SetRect(CRect(rc.left, nTop, rc.right, nTop + nHeight));
  pControl->SetHideFlags(pControl->GetHideFlags() & ~TKHIDE_UNNEEDED);
}

void HideScrolledOut(CTKControl* pControl) {
  pControl->SetHideFlags(pControl->GetHideFlags() | TKHIDE_UNNEEDED);
}

}  // namespace

void CTKPopupBar::AdjustScrolling(LPSIZE lpSize, BOOL bDown, BOOL bRedraw) {
  CSize sz;
  if (lpSize != NULL) {
    sz = *lpSize;
  } else {
    CRect rcClient;
    GetClientRect(&rcClient);
    sz = rcClient.Size();
  }
  m_scroll[kBottom].rc.SetRectEmpty();
  m_scroll[kTop].rc.SetRectEmpty();
  CWindowDC dc(GetSafeHwnd() != NULL ? this : nullptr);
  CTKPaintManager* pPaintManager = GetPaintManager();
  const int nSeparator =
      pPaintManager != nullptr ? pPaintManager->DrawCommandBarSeparator(&dc, this, nullptr, FALSE).cy
                               : 0;
  CRect rcBorders = GetBorders();
  rcBorders.bottom += m_rcResizeGripper.Height();
  if (m_bNeedsExpand) {
    if (CTKControl* pExpand = m_pControls->FindControlById(kIdExpandButton)) {
      const int nHeight = pExpand->GetSize(&dc).cy;
      rcBorders.bottom += nHeight;
      const CRect rc = pExpand->GetRect();
      pExpand->SetRect(CRect(rc.left, sz.cy - rcBorders.bottom, rc.right,
                             sz.cy - rcBorders.bottom + nHeight));
    }
  }
  const int nButton = TKDpiHelper()->ScaleY(16);
  const CRect rcInside(rcBorders.left, rcBorders.top, sz.cx - rcBorders.right,
                       sz.cy - rcBorders.bottom);
  const int nCount = GetControlCount();
  auto isScrollable = [this](int i) {
    CTKControl* pControl = GetControl(i);
    return pControl->GetID() != kIdExpandButton && pControl->IsVisible(TKHIDE_UNNEEDED);
  };

  if (bDown) {
    // The last control comes in whole, not behind a button of its own.
    if (m_nLastVisible >= nCount - 1) m_nLastVisible = nCount;
    int nBottom = rcInside.bottom;
    if (m_nLastVisible != nCount) {
      m_scroll[kBottom].rc = CRect(rcInside.left, nBottom - nButton, rcInside.right, nBottom);
      nBottom -= nButton;
    }
    int nFirst = m_nLastVisible;
    for (int i = m_nLastVisible - 1; i >= 0; --i) {
      if (!isScrollable(i)) continue;
      CTKControl* pControl = GetControl(i);
      const int nHeight = pControl->GetRect().Height();
      if (nBottom - nHeight < nButton) break;
      PlaceAt(pControl, nBottom - nHeight, nHeight);
      nBottom -= nHeight + (pControl->GetBeginGroup() ? nSeparator : 0);
      nFirst = i;
    }
    m_nFirstVisible = nFirst;
    if (m_nFirstVisible != 0)
      m_scroll[kTop].rc = CRect(rcInside.left, rcInside.top, rcInside.right, rcInside.top + nButton);
  } else {
    // A single control above is shown rather than a button in its place.
    if (m_nFirstVisible == 1) m_nFirstVisible = 0;
    int nTop = rcInside.top;
    if (m_nFirstVisible != 0) {
      m_scroll[kTop].rc = CRect(rcInside.left, nTop, rcInside.right, nTop + nButton);
      nTop += nButton;
    }
    const int nLimit = rcInside.bottom - nButton;
    BOOL bFirst = TRUE;
    int i = m_nFirstVisible;
    for (; i < nCount; ++i) {
      if (!isScrollable(i)) continue;
      CTKControl* pControl = GetControl(i);
      if (pControl->GetBeginGroup() && !bFirst) nTop += nSeparator;
      const int nHeight = pControl->GetRect().Height();
      if (!bFirst && nTop + nHeight > nLimit) break;
      PlaceAt(pControl, nTop, bFirst ? std::min(nHeight, static_cast<int>(rcInside.bottom) - nTop)
                                     : nHeight);
      nTop += nHeight;
      bFirst = FALSE;
    }
    m_nLastVisible = i;
    if (m_nLastVisible != nCount)
      m_scroll[kBottom].rc =
          CRect(rcInside.left, rcInside.bottom - nButton, rcInside.right, rcInside.bottom);
  }
  for (int i = 0; i < nCount; ++i) {
    if ((i < m_nFirstVisible || i >= m_nLastVisible) && isScrollable(i))
      HideScrolledOut(GetControl(i));
  }
  if (bRedraw) Redraw();
}

BOOL CTKPopupBar::TrackScrollButton(int nButton, CPoint pt) {
  SCROLLBUTTON& button = m_scroll[nButton];
  if (!button.rc.PtInRect(pt)) {
    if (button.bRunning) TKCommandBarsSystem()->KillTimer(m_hWnd, button.nTimerId);
    button.bRunning = FALSE;
    return FALSE;
  }
  if (!button.bRunning) {
    TKCommandBarsSystem()->SetTimer(m_hWnd, button.nTimerId, kScrollElapse);
    button.bRunning = TRUE;
  }
  SetPopuped(-1);
  return TRUE;
}

void CTKPopupBar::StopScrollTimers() {
  for (SCROLLBUTTON& button : m_scroll) {
    if (button.bRunning && m_hWnd != NULL) TKCommandBarsSystem()->KillTimer(m_hWnd, button.nTimerId);
    button.bRunning = FALSE;
  }
}

void CTKPopupBar::OnScrollTimer(UINT_PTR nIDEvent) {
  const BOOL bDown = nIDEvent == kTimerScrollDown;
  SCROLLBUTTON& button = m_scroll[bDown ? kBottom : kTop];
  if (bDown)
    ++m_nLastVisible;
  else
    --m_nFirstVisible;
  AdjustScrolling(NULL, bDown, TRUE);
  if ((bDown && m_nLastVisible >= GetControlCount()) || (!bDown && m_nFirstVisible <= 0)) {
    TKCommandBarsSystem()->KillTimer(m_hWnd, button.nTimerId);
    button.bRunning = FALSE;
  }
}

void CTKPopupBar::DrawCommandBar(CDC* pDC, CRect rcClipBox) {
  CTKCommandBar::DrawCommandBar(pDC, rcClipBox);
  CTKPaintManager* pPaintManager = GetPaintManager();
  if (m_bTearOffPopup && pPaintManager != nullptr && !m_rcTearOffGripper.IsRectEmpty())
    pPaintManager->DrawTearOffGripper(pDC, m_rcTearOffGripper, m_bTearOffSelected, TRUE);
  if (pPaintManager != nullptr && !m_rcResizeGripper.IsRectEmpty())
    pPaintManager->DrawPopupResizeGripper(pDC, m_rcResizeGripper, m_nResizeMode);
  if (!m_bScrolling) return;
  const COLORREF clrGlyph = TKColorManager()->GetColor(kScrollGlyphColor);
  const int nDeflate = TKDpiHelper()->ScaleX(2);
  for (int i = 0; i < 2; ++i) {
    if (m_scroll[i].rc.IsRectEmpty()) continue;
    CRect rc = m_scroll[i].rc;
    rc.DeflateRect(nDeflate, nDeflate);
    TKGlyphFont()->DrawGlyph(pDC, i == kBottom ? kGlyphScrollDown : kGlyphScrollUp, rc, clrGlyph);
  }
}
