// CTKResourceImage: the nine-part draw and its transparent variants.
#include <string.h>

#include "common/TKDrawHelpers.h"
#include "common/TKBitmapFunctions.h"
#include "common/TKDCHelpers.h"
#include "common/TKImageManager.h"
#include "common/TKResourceImage.h"
#include "common/TKResourceImages.h"
#include "common/TKScopedHandle.h"

namespace {

/// Holds the owner's images lock for one draw.
class CImagesLock {
 public:
  explicit CImagesLock(CRITICAL_SECTION* pLock) : m_pLock(pLock) { ::EnterCriticalSection(pLock); }
  ~CImagesLock() { ::LeaveCriticalSection(m_pLock); }

 private:
  CRITICAL_SECTION* m_pLock;
};

}  // namespace

void CTKResourceImage::ScaleMargins(int nDest, int nSrc, LONG& nFirst, LONG& nSecond,
                                    BOOL bVertical) {
  int nSum = (int)(nFirst + nSecond);
  if (nSum == 0 || (nDest > nSum && nSrc != nSum)) return;
  if (bVertical) {
    LONG nSecondIn = nSecond;
    nFirst = MulDiv(nDest, (int)nFirst, nSum);
    nSecond = nDest - nFirst;
    // The bottom edge keeps the parity of its source margin.
    if (nSecond > 0 && (nSecond % 2) != (nSecondIn % 2)) ++nSecond;
  } else {
    nFirst = nDest * nFirst / nSum;
    nSecond = nDest - nFirst;
  }
}

void CTKResourceImage::DrawImage(CDC* pDC, const CRect& rcDest, const CRect& rcSrcIn,
                                 const CRect& rcSizingMargins) {
  CRect rcMargins = rcSizingMargins;
  if (m_pBits == NULL || m_pOwner == NULL || rcSrcIn.Height() < rcMargins.top + rcMargins.bottom)
    return;
  CImagesLock lock(m_pOwner->GetImagesLock());
  CRect rcSrc = rcSrcIn;
  // A band outside the image would read past its pixels.
  if (rcSrc.top < 0) rcSrc.top = 0;
  if (rcSrc.bottom > m_nHeight) rcSrc.bottom = m_nHeight;
  if (rcDest.Width() == rcSrc.Width()) rcMargins.left = rcMargins.right = 0;
  if (rcDest.Height() == rcSrc.Height()) rcMargins.top = rcMargins.bottom = 0;
  pDC->SetStretchBltMode(HALFTONE);
  if (rcDest.left >= rcDest.right || rcDest.top >= rcDest.bottom || rcSrc.IsRectEmpty()) return;

  BOOL bRtl = IsDCRightToLeft(pDC);
  if (m_bAlpha && m_bMirrorImage && bRtl != m_bMirrored) MirrorBits();

  BYTE* pDrawBits = NULL;
  CSize szDraw;
  HBITMAP hDraw = m_pOwner->GetDrawBitmap(m_nWidth, m_nHeight, &pDrawBits, &szDraw);
  CTKBitmapDC* pDrawDC = m_pOwner->GetDrawDC();
  if (hDraw == NULL || pDrawBits == NULL || pDrawDC == NULL || pDrawDC->m_hDC == NULL) return;

  // Both are bottom-up: row r from the top lives (height - 1 - r) rows in.
  ::GdiFlush();
  for (int r = 0; r < rcSrc.Height(); ++r) {
    const BYTE* pFrom = m_pBits + (size_t)(m_nHeight - 1 - (rcSrc.top + r)) * m_nWidth * 4;
    BYTE* pTo = pDrawBits + (size_t)(szDraw.cy - 1 - r) * szDraw.cx * 4;
    memcpy(pTo, pFrom, (size_t)m_nWidth * 4);
  }
  rcSrc.OffsetRect(0, -rcSrc.top);
  pDrawDC->SelectBitmap(hDraw);

  CRect rcDM = rcMargins;
  ScaleMargins(rcDest.Height(), rcSrc.Height(), rcDM.top, rcDM.bottom, TRUE);
  ScaleMargins(rcDest.Width(), rcSrc.Width(), rcDM.left, rcDM.right, FALSE);

  if (rcMargins.left == 0 && rcMargins.top == 0 && rcMargins.right == 0 && rcMargins.bottom == 0) {
    DrawPart(pDC, rcDest, pDrawDC, rcSrc);
  } else {
    const CRect& D = rcDest;
    const CRect& S = rcSrc;
    const CRect& M = rcMargins;
    // Columns of the destination: left to right, exchanged for an alpha image
    // in a right-to-left DC so that its mirrored pixels land the right way.
    int dx[3][2] = {{D.left, D.left + rcDM.left},
                    {D.left + rcDM.left, D.right - rcDM.right},
                    {D.right - rcDM.right, D.right}};
    if (bRtl && m_bAlpha) {
      dx[0][0] = D.right - rcDM.left;
      dx[0][1] = D.right;
      dx[1][0] = D.left + rcDM.right;
      dx[1][1] = D.right - rcDM.left;
      dx[2][0] = D.left;
      dx[2][1] = D.left + rcDM.right;
    }
    const int sx[3][2] = {{S.left, S.left + M.left},
                          {S.left + M.left, S.right - M.right},
                          {S.right - M.right, S.right}};
    const int dy[3][2] = {{D.top, D.top + rcDM.top},
                          {D.top + rcDM.top, D.bottom - rcDM.bottom},
                          {D.bottom - rcDM.bottom, D.bottom}};
    const int sy[3][2] = {{S.top, S.top + M.top},
                          {S.top + M.top, S.bottom - M.bottom},
                          {S.bottom - M.bottom, S.bottom}};
    for (int row = 0; row < 3; ++row) {
      for (int col = 0; col < 3; ++col) {
        DrawPart(pDC, CRect(dx[col][0], dy[row][0], dx[col][1], dy[row][1]), pDrawDC,
                 CRect(sx[col][0], sy[row][0], sx[col][1], sy[row][1]));
      }
    }
  }
  pDrawDC->ReleaseBitmap();
}

void CTKResourceImage::StretchImage(CDC* pDC, const CRect& rcDest, const CRect& rcSrc) {
  DrawImage(pDC, rcDest, rcSrc, CRect(0, 0, 0, 0));
}

void CTKResourceImage::DrawImageTransparent(CDC* pDC, const CRect& rcDest, const CRect& rcSrc,
                                            const CRect& rcSizingMargins, COLORREF clrTransparent) {
  if (m_pBits == NULL || rcSrc.Height() < rcSizingMargins.top + rcSizingMargins.bottom) return;
  if (clrTransparent == (COLORREF)-1 || m_bAlpha) {
    DrawImage(pDC, rcDest, rcSrc, rcSizingMargins);
    return;
  }
  CRect rcLocal(0, 0, rcDest.Width(), rcDest.Height());
  if (rcLocal.IsRectEmpty()) return;
  CTKScopedBitmap bitmap(::CreateCompatibleBitmap(pDC->m_hDC, rcLocal.Width(), rcLocal.Height()));
  if (!bitmap) return;
  CTKCompatibleDC dcMem(pDC, bitmap.Get());
  dcMem.FillSolidRect(rcLocal, clrTransparent);
  DrawImage(&dcMem, rcLocal, rcSrc, rcSizingMargins);
  CTKImageManager::TransparentBlt(pDC->m_hDC, rcDest, dcMem.m_hDC, rcLocal, clrTransparent);
}

void CTKResourceImage::DrawImageTransparentEx(CDC* pDC, const CRect& rcDest, const CRect& rcSrc,
                                              const CRect& rcSizingMargins, COLORREF clrTransparent,
                                              DWORD dwFlags) {
  if (m_pBits == NULL || rcSrc.Height() < rcSizingMargins.top + rcSizingMargins.bottom) return;
  if ((dwFlags & 1) == 0) {
    DrawImageTransparent(pDC, rcDest, rcSrc, rcSizingMargins, clrTransparent);
    return;
  }
  if (m_bAlpha) {
    DrawImage(pDC, rcDest, rcSrc, rcSizingMargins);
    return;
  }
  CRect rcLocal(0, 0, rcDest.Width(), rcDest.Height());
  if (rcLocal.IsRectEmpty()) return;
  BYTE* pBits = NULL;
  CTKScopedBitmap dib(Create32BitDIBSection(pDC->m_hDC, rcLocal.Width(), rcLocal.Height(), &pBits));
  if (!dib) return;
  {
    CTKCompatibleDC dcMem(pDC, dib.Get());
    if (clrTransparent != (COLORREF)-1) dcMem.FillSolidRect(rcLocal, clrTransparent);
    DrawImage(&dcMem, rcLocal, rcSrc, rcSizingMargins);
    ::GdiFlush();
    BYTE* p = pBits;
    for (int i = 0; i < rcLocal.Width() * rcLocal.Height(); ++i, p += 4) {
      BOOL bKey = clrTransparent != (COLORREF)-1 && p[0] == GetBValue(clrTransparent) &&
                  p[1] == GetGValue(clrTransparent) && p[2] == GetRValue(clrTransparent);
      if (bKey) {
        p[0] = p[1] = p[2] = p[3] = 0;
      } else {
        p[3] = 255;
      }
    }
    CTKImageManager::AlphaBlend(pDC->m_hDC, rcDest, dcMem.m_hDC, rcLocal);
  }
}

BOOL CTKResourceImage::DrawPart(CDC* pDC, const CRect& rcDest, CDC* pSrcDC, const CRect& rcSrc) {
  if (rcDest.Width() <= 0 || rcDest.Height() <= 0 || rcSrc.Width() <= 0 || rcSrc.Height() <= 0)
    return TRUE;
  if (m_bAlpha) return CTKImageManager::AlphaBlend(pDC->m_hDC, rcDest, pSrcDC->m_hDC, rcSrc);
  if (rcDest.Size() == rcSrc.Size())
    return pDC->BitBlt(rcDest.left, rcDest.top, rcDest.Width(), rcDest.Height(), pSrcDC, rcSrc.left,
                       rcSrc.top, SRCCOPY);
  return pDC->StretchBlt(rcDest.left, rcDest.top, rcDest.Width(), rcDest.Height(), pSrcDC,
                         rcSrc.left, rcSrc.top, rcSrc.Width(), rcSrc.Height(), SRCCOPY);
}
