// CTKPaintManagerBase: pop-ups that unfold, slide or fade in, and pop-ups
// that grow their newly shown rows. Runs on the UI thread and pauses through
// the command bars' system between steps.
#include "commandbars/TKCommandBarsSystem.h"
#include "commandbars/TKControl.h"
#include "commandbars/TKControls.h"
#include "commandbars/TKPopupBar.h"
#include "common/TKBitmapFunctions.h"
#include "common/TKScopedHandle.h"
#include "themes/TKPaintManagerBase.h"

namespace {

enum AnimationKind { kUnfold = 2, kSlide = 3, kFade = 4 };

// One 32-bit image of the fade and its pixels.
struct FadeImage {
  CTKScopedBitmap bitmap;
  LPBYTE pBits = nullptr;
  BOOL Create(HDC hDC, int nWidth, int nHeight) {
    bitmap.Reset(Create32BitDIBSection(hDC, nWidth, nHeight, &pBits));
    return bitmap.Get() != NULL && pBits != nullptr;
  }
};

// Copies `nRows` rows of the source, starting at `ySource`, to `yDest`,
// stretched to `nScaled` rows.
void CopyRows(CDC* pDC, CDC* pSource, int nWidth, int yDest, int nScaled, int ySource,
              int nRows) {
  if (nScaled <= 0 || nRows <= 0) return;
  pDC->StretchBlt(0, yDest, nWidth, nScaled, pSource, 0, ySource, nWidth, nRows, SRCCOPY);
}

}  // namespace

void AFX_CDECL CTKPaintManagerBase::BlendPixelRows(LPBYTE pTarget, const BYTE* pOld, int nWidth,
                                                   int nHeight, const BYTE* pNew, int nAlpha) {
  const size_t nPixels = static_cast<size_t>(nWidth) * static_cast<size_t>(nHeight);
  for (size_t i = 0; i < nPixels; ++i) {
    for (int c = 0; c < 3; ++c) {
      const size_t n = i * 4 + c;
      pTarget[n] = static_cast<BYTE>((pNew[n] * nAlpha + pOld[n] * (255 - nAlpha)) >> 8);
    }
  }
}

void CTKPaintManagerBase::AnimatePopupBar(CDC* pDestDC, CDC* pAnimationDC, CRect rc,
                                          int nAnimationType) {
  const int nSteps = m_nAnimationSteps;
  const int nWidth = rc.Width();
  const int nHeight = rc.Height();
  CTKCommandBarsSystem* pSystem = TKCommandBarsSystem();
  if (nAnimationType == kUnfold || nAnimationType == kSlide) {
    if (nSteps <= 0) return;
    for (int k = 1; k <= nSteps; ++k) {
      const int cy = k * nHeight / nSteps;
      if (nAnimationType == kUnfold) {
        const int cx = k * nWidth / nSteps;
        pDestDC->BitBlt(0, 0, cx, cy, pAnimationDC, rc.right - cx, rc.bottom - cy, SRCCOPY);
      } else {
        pDestDC->BitBlt(0, 0, nWidth, cy, pAnimationDC, rc.left, rc.bottom - cy, SRCCOPY);
      }
      pSystem->Sleep(static_cast<DWORD>(m_nAnimationTime / nSteps));
    }
    return;
  }
  if (nAnimationType != kFade || nSteps <= 1 || nWidth <= 0 || nHeight <= 0) return;

  FadeImage imageNew, imageOld, imageTarget;
  CDC dcMem;
  if (!dcMem.CreateCompatibleDC(pDestDC) || !imageNew.Create(pDestDC->GetSafeHdc(), nWidth, nHeight) ||
      !imageOld.Create(pDestDC->GetSafeHdc(), nWidth, nHeight) ||
      !imageTarget.Create(pDestDC->GetSafeHdc(), nWidth, nHeight))
    return;
  {
    CTKSelectGuard select(dcMem.GetSafeHdc(), imageNew.bitmap.Get());
    dcMem.BitBlt(0, 0, nWidth, nHeight, pAnimationDC, rc.left, rc.top, SRCCOPY);
  }
  {
    CTKSelectGuard select(dcMem.GetSafeHdc(), imageOld.bitmap.Get());
    dcMem.BitBlt(0, 0, nWidth, nHeight, pDestDC, rc.left, rc.top, SRCCOPY);
  }
  // The last frame, at full opacity, is the pop-up's own painting.
  const DWORD dwStepTime = static_cast<DWORD>(m_nAnimationTime / nSteps);
  CTKSelectGuard select(dcMem.GetSafeHdc(), imageTarget.bitmap.Get());
  for (int k = 1; k < nSteps; ++k) {
    const DWORD dwStart = pSystem->GetTickCount();
    ::GdiFlush();
    BlendPixelRows(imageTarget.pBits, imageOld.pBits, nWidth, nHeight, imageNew.pBits,
                   255 * k / nSteps);
    pDestDC->BitBlt(rc.left, rc.top, nWidth, nHeight, &dcMem, 0, 0, SRCCOPY);
    const DWORD dwElapsed = pSystem->GetTickCount() - dwStart;
    if (dwElapsed < dwStepTime) pSystem->Sleep(dwStepTime - dwElapsed);
  }
}

int CTKPaintManagerBase::AnimateExpandingPopup(CTKPopupBar* pPopup, CDC* pDC, CDC* pBufferDC,
                                               BOOL bDownward) {
  const int nSteps = m_nAnimationSteps;
  if (nSteps <= 0) return 0;
  CRect rcClient;
  pPopup->GetClientRect(&rcClient);
  const int nWidth = rcClient.Width();
  const int nHeight = rcClient.Height();

  // The runs of rows between the changes of the shown-by-expanding flag, in
  // the order they are placed: top down, or bottom up.
  struct Run {
    int nFrom;
    int nTo;
    BOOL bNew;
  };
  std::vector<Run> runs;
  CTKControls* pControls = pPopup->GetControls();
  const int nCount = pControls != nullptr ? pControls->GetCount() : 0;
  int nBoundary = bDownward ? 0 : nHeight;
  BOOL bFirst = TRUE;
  BOOL bRunNew = FALSE;
  for (int i = 0; i < nCount; ++i) {
    CTKControl* pControl = pControls->GetAt(bDownward ? i : nCount - 1 - i);
    if (!pControl->IsVisible()) continue;
    const BOOL bNew = pControl->IsHiddenUntilExpand();
    if (bFirst) {
      bRunNew = bNew;
      bFirst = FALSE;
      continue;
    }
    if (bNew == bRunNew) continue;
    const int y = bDownward ? pControl->GetRect().top : pControl->GetRect().bottom;
    runs.push_back(bDownward ? Run{nBoundary, y, bRunNew} : Run{y, nBoundary, bRunNew});
    nBoundary = y;
    bRunNew = bNew;
  }
  runs.push_back(bDownward ? Run{nBoundary, nHeight, bRunNew} : Run{0, nBoundary, bRunNew});

  for (int k = 1; k <= nSteps; ++k) {
    const double dFactor = static_cast<double>(k) / nSteps;
    int yDest = bDownward ? 0 : nHeight;
    for (const Run& run : runs) {
      const int nRows = run.nTo - run.nFrom;
      const int nScaled = run.bNew ? static_cast<int>(nRows * dFactor) : nRows;
      if (!bDownward) yDest -= nScaled;
      CopyRows(pDC, pBufferDC, nWidth, yDest, nScaled, run.nFrom, nRows);
      if (bDownward) yDest += nScaled;
    }
    TKCommandBarsSystem()->Sleep(static_cast<DWORD>(m_nAnimationTime / nSteps));
  }
  return nSteps;
}
