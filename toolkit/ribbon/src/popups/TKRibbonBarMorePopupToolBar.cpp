// CTKRibbonBarMorePopupToolBar: the quick-access commands that did not fit.
#include "ribbon/TKRibbonBarMorePopupToolBar.h"

#include <algorithm>

#include "commandbars/TKControls.h"
#include "common/TKDCHelpers.h"
#include "common/TKDpiHelper.h"
#include "ribbon/TKRibbonBar.h"
#include "ribbon/TKRibbonPaintManager.h"

IMPLEMENT_DYNCREATE(CTKRibbonBarMorePopupToolBar, CTKPopupToolBar)

CTKRibbonBarMorePopupToolBar::CTKRibbonBarMorePopupToolBar(CTKRibbonBar* pRibbonBar)
    : m_pRibbonBar(pRibbonBar), m_nWrapWidth(0) {
  const int cx = TKDpiHelper()->ScaleX(3);
  const int cy = TKDpiHelper()->ScaleY(3);
  m_rcBorders = CRect(cx, cy, cx, cy);
}

CSize CTKRibbonBarMorePopupToolBar::GetIconSize() const {
  return m_pRibbonBar != nullptr ? m_pRibbonBar->GetIconSize() : CTKPopupToolBar::GetIconSize();
}

CSize CTKRibbonBarMorePopupToolBar::GetButtonSize() const {
  return m_pRibbonBar != nullptr ? m_pRibbonBar->GetButtonSize() : CTKPopupToolBar::GetButtonSize();
}

CSize CTKRibbonBarMorePopupToolBar::CalcDynamicLayout(int nLength, DWORD dwMode) {
  if (m_nWrapWidth <= 0 || GetSafeHwnd() == NULL)
    return CTKPopupToolBar::CalcDynamicLayout(nLength, dwMode);
  CClientDC dc(this);
  CTKFontDC font(&dc, GetPaintManager()->GetCommandBarFont(this));
  const CRect rcBorders = GetBorders();
  int x = 0, y = 0, nRowHeight = 0, nWidest = 0;
  for (int i = 0; i < GetControlCount(); ++i) {
    CTKControl* pControl = GetControl(i);
    if (!pControl->IsVisible()) continue;
    const CSize sz = pControl->GetSize(&dc);
    const BOOL bWrap = x > 0 && x + sz.cx > m_nWrapWidth;
    if (bWrap) {
      y += nRowHeight;
      x = 0;
      nRowHeight = 0;
    }
    pControl->SetWrap(bWrap);
    pControl->SetRect(CRect(CPoint(rcBorders.left + x, rcBorders.top + y), sz));
    x += sz.cx;
    nRowHeight = std::max<int>(nRowHeight, sz.cy);
    nWidest = std::max(nWidest, x);
  }
  return CSize(nWidest + rcBorders.left + rcBorders.right,
               y + nRowHeight + rcBorders.top + rcBorders.bottom);
}

void CTKRibbonBarMorePopupToolBar::FillCommandBarEntry(CDC* pDC) {
  CTKRibbonPaintManager* pPaintManager = GetRibbonPaintManager();
  if (pPaintManager != nullptr)
    pPaintManager->FillPopupBarFrame(pDC, this);
  else
    CTKPopupToolBar::FillCommandBarEntry(pDC);
}
