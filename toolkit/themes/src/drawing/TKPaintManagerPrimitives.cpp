// CTKPaintManagerBase: the small drawing operations every theme builds on.
#include <math.h>

#include "common/TKBitmapFunctions.h"
#include "common/TKDrawHelpers.h"
#include "common/TKScopedHandle.h"
#include "themes/TKPaintManagerBase.h"

namespace {

const COLORREF kNone = static_cast<COLORREF>(-1);

void FrameOnePixel(CDC* pDC, const CRect& rc, COLORREF clr) { pDC->Draw3dRect(rc, clr, clr); }

// Runs `fn` on the opaque 32-bit pixels of a DIB as large as `rc`, selected
// into a memory DC compatible with `pDC`; nothing when the DIB cannot be made.
template <class Fn>
void WithOpaqueDib(CDC* pDC, const CRect& rc, Fn fn) {
  if (rc.IsRectEmpty()) return;
  LPBYTE pBits = nullptr;
  CTKScopedBitmap bitmap(Create32BitDIBSection(pDC->GetSafeHdc(), rc.Width(), -rc.Height(), &pBits));
  if (!bitmap.IsValid() || pBits == nullptr) return;
  CTKScopedCreatedDC memDC(::CreateCompatibleDC(pDC->GetSafeHdc()));
  if (!memDC.IsValid()) return;
  CTKSelectGuard select(memDC.Get(), bitmap.Get());
  fn(memDC.Get(), reinterpret_cast<DWORD*>(pBits), rc.Width() * rc.Height());
  ::BitBlt(pDC->GetSafeHdc(), rc.left, rc.top, rc.Width(), rc.Height(), memDC.Get(), 0, 0,
           SRCCOPY);
}

}  // namespace

void CTKPaintManagerBase::FillRectWithBorder(CDC* pDC, CRect rc, COLORREF clrBorder,
                                             COLORREF clrFill) {
  if (clrFill != kNone && clrBorder != kNone && clrBorder != clrFill) {
    CTKDrawHelpers::FillRectWithBorder(pDC, rc, clrBorder, clrFill);
    return;
  }
  if (clrFill != kNone) pDC->FillSolidRect(rc, clrFill);
  if (clrBorder != kNone && clrBorder != clrFill) FrameOnePixel(pDC, rc, clrBorder);
}

void CTKPaintManagerBase::FillRectIndexed(CDC* pDC, CRect rc, int nBorderIndex, int nFillIndex) {
  FillRectWithBorder(pDC, rc, nBorderIndex == -1 ? kNone : GetIndexedColor(nBorderIndex),
                     nFillIndex == -1 ? kNone : GetIndexedColor(nFillIndex));
}

void CTKPaintManagerBase::Draw3dRectIndexed(CDC* pDC, CRect rc, int nTopLeftIndex,
                                            int nBottomRightIndex) {
  pDC->Draw3dRect(rc, GetIndexedColor(nTopLeftIndex), GetIndexedColor(nBottomRightIndex));
}

void CTKPaintManagerBase::DrawFrames(CDC* pDC, CRect rc, int nCount, COLORREF clrOuter,
                                     COLORREF clrInner) {
  if (clrInner != kNone) {
    CRect rcFrame(rc);
    for (int i = 0; i < nCount; ++i, rcFrame.DeflateRect(1, 1)) FrameOnePixel(pDC, rcFrame, clrInner);
  }
  if (clrOuter != kNone && clrOuter != clrInner) FrameOnePixel(pDC, rc, clrOuter);
}

void CTKPaintManagerBase::DrawHorizontalLine(CDC* pDC, int x0, int y, int x1, COLORREF clr) {
  pDC->FillSolidRect(x0, y, x1 - x0, 1, clr);
}

void CTKPaintManagerBase::DrawVerticalLine(CDC* pDC, int x, int y0, int y1, COLORREF clr) {
  pDC->FillSolidRect(x, y0, 1, y1 - y0, clr);
}

void CTKPaintManagerBase::DrawLine(CDC* pDC, int x0, int y0, int x1, int y1, COLORREF clr) {
  if (x0 == x1)
    DrawVerticalLine(pDC, x0, y0, y1, clr);
  else if (y0 == y1)
    DrawHorizontalLine(pDC, x0, y0, x1, clr);
  else
    ::DrawLine(pDC, x0, y0, x1, y1, clr);
}

void CTKPaintManagerBase::DrawLineIndexed(CDC* pDC, int x0, int y0, int x1, int y1, int nIndex) {
  DrawLine(pDC, x0, y0, x1, y1, GetIndexedColor(nIndex));
}

void CTKPaintManagerBase::MoveToLineTo(CDC* pDC, int x0, int y0, int x1, int y1) {
  pDC->MoveTo(x0, y0);
  pDC->LineTo(x1, y1);
}

void CTKPaintManagerBase::DrawTriangle(CDC* pDC, CTKControl*, CPoint pt0, CPoint pt1, CPoint pt2,
                                       COLORREF clr) {
  DrawFilledTriangle(pDC, pt0, pt1, pt2, clr, clr);
}

void CTKPaintManagerBase::GradientFillClippedRect(CDC* pDC, CRect rc, COLORREF clrFrom,
                                                  COLORREF clrTo, BOOL bHorz, LPCRECT lpClip) {
  TKDrawHelpers()->GradientFillClipped(pDC, rc, clrFrom, clrTo, bHorz, lpClip);
}

void CTKPaintManagerBase::BlendPixelColor(CDC* pDC, int x, int y, COLORREF clrA, COLORREF clrB,
                                          double dAlpha) {
  COLORREF clrBase = clrB;
  if (dAlpha < 0)
    dAlpha = -dAlpha;
  else
    clrBase = pDC->GetPixel(x, y);
  auto channel = [dAlpha](int a, int base) { return static_cast<int>(a + dAlpha * (base - a)); };
  pDC->SetPixel(x, y,
                RGB(channel(GetRValue(clrA), GetRValue(clrBase)),
                    channel(GetGValue(clrA), GetGValue(clrBase)),
                    channel(GetBValue(clrA), GetBValue(clrBase))));
}

void CTKPaintManagerBase::FillCircleAntialiased(CDC* pDC, int nLeft, int nTop, int nRight,
                                                int nBottom, COLORREF clrRing, COLORREF clrFill) {
  const int nWidth = nRight - nLeft;
  if (nWidth != nBottom - nTop) return;
  const double cx = (nLeft + nRight - 1) * 0.5;
  const double cy = (nTop + nBottom - 1) * 0.5;
  const double r = (nWidth - 1) * 0.5 - 0.25;
  for (int y = nTop; y < nBottom; ++y) {
    for (int x = nLeft; x < nRight; ++x) {
      const double d = sqrt((x - cx) * (x - cx) + (y - cy) * (y - cy));
      if (d < r - 1)
        pDC->SetPixel(x, y, clrFill);
      else if (d <= r + 1)
        BlendPixelColor(pDC, x, y, clrRing, clrFill, d - r);
    }
  }
}

void CTKPaintManagerBase::FillSolidRectOpaque(CDC* pDC, CRect rc, COLORREF clr) {
  const DWORD dwPixel =
      0xFF000000u | (GetRValue(clr) << 16) | (GetGValue(clr) << 8) | GetBValue(clr);
  WithOpaqueDib(pDC, rc, [dwPixel](HDC, DWORD* pPixels, int nCount) {
    for (int i = 0; i < nCount; ++i) pPixels[i] = dwPixel;
  });
}

void CTKPaintManagerBase::MakeRectOpaque(CDC* pDC, CRect rc) {
  WithOpaqueDib(pDC, rc, [pDC, &rc](HDC hMemDC, DWORD* pPixels, int nCount) {
    ::BitBlt(hMemDC, 0, 0, rc.Width(), rc.Height(), pDC->GetSafeHdc(), rc.left, rc.top, SRCCOPY);
    ::GdiFlush();
    for (int i = 0; i < nCount; ++i) pPixels[i] |= 0xFF000000u;
  });
}
