// CTKRibbonThemeResource: the tabs of the strip, the bands behind contextual
// tab sets and their headers in the caption.
#include <algorithm>

#include "commandbars/TKCommandBarsFrameHook.h"
#include "common/TKDpiHelper.h"
#include "common/TKResourceImage.h"
#include "ribbon/TKRibbonBar.h"
#include "ribbon/TKRibbonTab.h"
#include "ribbon/TKRibbonTabTheme.h"
#include "ribbon/TKRibbonThemeResource.h"
#include "tabs/TKTabPaintManager.h"
#include "tabs/TKTabPaintManagerColorSet.h"

namespace {

/// The slice of a normal tab of "RIBBONTAB" (6 slices), -1 for none.
int NormalTabSlice(const TK_RIBBON_TAB_STATE& state, BOOL bPressed) {
  if (state.bSelected) return state.bFocused ? 5 : state.bHot ? 4 : 3;
  if (bPressed) return 2;
  return state.bHot ? 1 : -1;
}

}  // namespace

void CTKRibbonThemeResource::DrawRibbonTab(CDC* pDC, CTKTabManagerItem* pItem) {
  if (!IsLoaded()) return;
  CRect rc = pItem->GetRect();
  rc.top -= 1;
  rc.right -= 1;
  rc.bottom -= 1;
  const TK_RIBBON_TAB_STATE state = CTKRibbonTabColorSet::GetTabState(pItem);
  CTKRibbonTab* pTab = dynamic_cast<CTKRibbonTab*>(pItem);
  const int nColor = pTab != nullptr ? pTab->GetContextColor() : 0;
  const CRect rcMargins(5, 5, 5, 5);

  if (state.bSelected || state.bHot) {
    CTKResourceImage* pContext = LoadContextImage(nColor, "");
    CTKResourceImage* pTabImage = LoadImage("RIBBONTAB");
    if (pContext != nullptr && pContext->GetHeight() < 70) {
      const int nSlice = state.bSelected ? (state.bFocused ? 2 : 1) : 0;
      DrawSlice(pDC, pContext, rc, nSlice, 3, rcMargins);
    } else if (pContext != nullptr) {
      if (!state.bSelected)
        DrawSlice(pDC, pContext, rc, 1, 5, rcMargins);
      else if (state.bFocused || state.bHot)
        DrawSliceTransparent(pDC, pTabImage, rc, 5, 6, rcMargins);
      else
        DrawSlice(pDC, pContext, rc, 3, 5, rcMargins);
    } else if (GetContextColorName(nColor) == nullptr) {
      const int nSlice = NormalTabSlice(state, pItem->IsPressed());
      if (nSlice >= 0) DrawSliceTransparent(pDC, pTabImage, rc, nSlice, 6, rcMargins);
    }
  }

  // Separators stand between tabs whatever their state.
  CTKDpiHelper* pDpi = TKDpiHelper();
  const int cyLine = rc.Height() - pDpi->ScaleY(1);
  if (pItem->GetLength() < pItem->GetMeasuredLength()) {
    if (CTKResourceImage* pSeparator = LoadImage("RIBBONTABSEPARATOR")) {
      const int cx = pDpi->ScaleX(pSeparator->GetWidth());
      DrawSliceTransparent(pDC, pSeparator, CRect(rc.right - cx, rc.top, rc.right, rc.top + cyLine),
                           0, 1, CRect(0, 0, 0, 0));
    }
  }
  CTKRibbonTabContextHeader* pHeader = pTab != nullptr ? pTab->GetContextHeader() : nullptr;
  CTKResourceImage* pSetSeparator = pHeader != nullptr ? LoadImage("CONTEXTTABSEPARATOR") : nullptr;
  if (pSetSeparator != nullptr) {
    const int cx = pDpi->ScaleX(1);
    if (pHeader->m_pFirstTab == pTab)
      DrawSlice(pDC, pSetSeparator, CRect(rc.left, rc.top, rc.left + cx, rc.top + cyLine), 0, 1,
                CRect(0, 0, 0, 0));
    if (pHeader->m_pLastTab == pTab)
      DrawSlice(pDC, pSetSeparator, CRect(rc.right - cx, rc.top, rc.right, rc.top + cyLine), 0, 1,
                CRect(0, 0, 0, 0));
  }
}

void CTKRibbonThemeResource::FillContextTabBackground(CDC* pDC, CTKRibbonBar* pRibbonBar, CRect rc) {
  CTKRibbonTabContextHeaders* pHeaders =
      pRibbonBar != nullptr ? pRibbonBar->GetContextHeaders() : nullptr;
  if (pHeaders == nullptr || !IsLoaded()) return;
  for (int i = 0; i < pHeaders->GetCount(); ++i) {
    CTKRibbonTabContextHeader* pHeader = pHeaders->GetAt(i);
    if (pHeader->m_pFirstTab == nullptr || pHeader->m_pLastTab == nullptr) continue;
    CTKResourceImage* pImage = LoadContextImage(pHeader->m_nColor, "BACKGROUND");
    if (pImage == nullptr) continue;
    const CRect rcBand(pHeader->m_pFirstTab->GetRect().left, rc.top,
                       pHeader->m_pLastTab->GetRect().right, pHeader->m_pLastTab->GetRect().bottom);
    DrawSlice(pDC, pImage, rcBand, 0, 1, CRect(2, 2, 2, 2));
  }
}

void CTKRibbonThemeResource::DrawContextHeaders(CDC* pDC, CTKRibbonBar* pRibbonBar,
                                                CTKRibbonTabContextHeaders* pHeaders) {
  if (pHeaders == nullptr || !IsLoaded()) return;
  CFont* pOldFont = pDC->SelectObject(m_pTabPaintManager->GetFont(FALSE));
  pDC->SetTextColor(m_pTabPaintManager->GetColorSet()->m_clrText);
  pDC->SetBkMode(TRANSPARENT);
  CTKDpiHelper* pDpi = TKDpiHelper();
  CTKCommandBarsFrameHook* pHook = pRibbonBar != nullptr ? pRibbonBar->GetFrameHook() : nullptr;
  const int nTopBorder = pHook != nullptr ? pHook->CalcFrameBorder().top : 0;
  const BOOL bDwm = pRibbonBar != nullptr && pRibbonBar->IsDwmFrameEnabled();
  for (int i = 0; i < pHeaders->GetCount(); ++i) {
    CTKRibbonTabContextHeader* pHeader = pHeaders->GetAt(i);
    CTKResourceImage* pImage = LoadContextImage(pHeader->m_nColor, "HEADER");
    if (pImage == nullptr) break;
    CRect rc = pHeader->m_rcHeader;
    DrawSlice(pDC, pImage, rc, 0, 1, CRect(2, 4, 2, 2));
    rc.top += nTopBorder - pDpi->ScaleY(2);
    if (bDwm) {
      const int cxMax = rc.Width() - pDpi->ScaleX(10);
      const int cx = std::min<int>(pDC->GetTextExtent(pHeader->m_strCaption).cx, cxMax);
      const CRect rcText(rc.CenterPoint().x - cx / 2, rc.top, rc.CenterPoint().x - cx / 2 + cx,
                         rc.bottom);
      DrawCaptionText(pDC, rcText, pHeader->m_strCaption, pRibbonBar->GetSite(), TRUE);
    } else {
      pDC->DrawText(pHeader->m_strCaption, rc,
                    DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
    }
  }
  pDC->SelectObject(pOldFont);
}
