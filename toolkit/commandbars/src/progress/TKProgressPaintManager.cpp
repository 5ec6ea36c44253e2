// CTKProgressPaintManager: the base look of progress bars.
#include "commandbars/TKPaintManager.h"
#include "commandbars/TKProgressBase.h"
#include "common/TKDpiHelper.h"

CTKProgressPaintManager::CTKProgressPaintManager(CTKPaintManager* pOwner)
    : m_pPaintManager(pOwner), m_cyProgress(TKDpiHelper()->ScaleY(16)) {}

int CTKProgressPaintManager::CalcFilledWidth(CTKProgressBase* pProgress, int nWidth) {
  int nMin = 0, nMax = 0;
  pProgress->GetRange(nMin, nMax);
  if (nMax <= nMin || nWidth <= 0) return 0;
  int nPos = pProgress->GetPos();
  if (nPos < nMin) nPos = nMin;
  if (nPos > nMax) nPos = nMax;
  // MulDiv's rounding, in 64 bits: the span of far-apart bounds does not fit an int.
  const LONGLONG nSpan = static_cast<LONGLONG>(nMax) - nMin;
  const LONGLONG nDone = static_cast<LONGLONG>(nPos) - nMin;
  return static_cast<int>((nWidth * nDone + nSpan / 2) / nSpan);
}

void CTKProgressPaintManager::DrawFlatProgress(CDC* pDC, CTKProgressBase* pProgress, CSize szInset,
                                               int nMinInner, COLORREF clrBack, COLORREF clrFrame,
                                               COLORREF clrBar) {
  const CRect rc = pProgress->GetProgressRect();
  CRect rcInner(rc);
  rcInner.DeflateRect(szInset);
  const int nFilled = CalcFilledWidth(pProgress, rcInner.Width());
  pDC->FillSolidRect(rc, clrBack);
  pDC->Draw3dRect(rc, clrFrame, clrFrame);
  if (rcInner.Width() >= nMinInner && nFilled > 0)
    pDC->FillSolidRect(rcInner.left, rcInner.top, nFilled, rcInner.Height(), clrBar);
}

void CTKProgressPaintManager::DrawProgress(CDC* pDC, CTKProgressBase* pProgress) {
  CTKDpiHelper* pDpi = TKDpiHelper();
  DrawFlatProgress(pDC, pProgress, CSize(pDpi->ScaleX(2), pDpi->ScaleY(2)), pDpi->ScaleX(2),
                   m_pPaintManager->GetIndexedColor(COLOR_BTNFACE),
                   m_pPaintManager->GetIndexedColor(COLOR_BTNSHADOW),
                   m_pPaintManager->GetIndexedColor(COLOR_HIGHLIGHT));
}
