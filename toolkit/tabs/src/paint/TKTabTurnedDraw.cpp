// Top-strip pictures turned to the other positions pixel by pixel.
#include "TKTabTurnedDraw.h"

#include "common/TKScopedHandle.h"
#include "tabs/TKTabManager.h"

namespace {

/// Pixel (x, y) of the tab as it stands at `nPosition` taken from pixel
/// (u, v) of the top-strip image of width `nTopWidth` and height `nTopHeight`.
void TopPixelOf(int nPosition, int x, int y, int nWidth, int nHeight, int& u, int& v) {
  switch (nPosition) {
    case tkTabPositionLeft: u = y; v = x; break;                     // transposed
    case tkTabPositionBottom: u = x; v = nHeight - 1 - y; break;     // rows mirrored
    case tkTabPositionRight: u = y; v = nWidth - 1 - x; break;       // quarter turn clockwise
    default: u = x; v = y; break;
  }
}

}  // namespace

BOOL TKTabDrawTurned(CDC* pDC, CRect rc, int nPosition, BOOL bCopyBackground, COLORREF clrFill,
                     const std::function<void(CDC* pTopDC, CRect rcTop)>& drawTop) {
  const BOOL bTransposed = nPosition == tkTabPositionLeft || nPosition == tkTabPositionRight;
  const int w = rc.Width(), h = rc.Height();
  const int aw = bTransposed ? h : w, ah = bTransposed ? w : h;
  if (w <= 0 || h <= 0) return FALSE;

  HDC hDC = pDC->GetSafeHdc();
  BITMAPINFO bmi = {};
  bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  bmi.bmiHeader.biPlanes = 1;
  bmi.bmiHeader.biBitCount = 32;
  bmi.bmiHeader.biCompression = BI_RGB;
  void* pA = NULL;
  void* pB = NULL;
  bmi.bmiHeader.biWidth = aw;
  bmi.bmiHeader.biHeight = -ah;
  CTKScopedBitmap bitmapA(::CreateDIBSection(hDC, &bmi, DIB_RGB_COLORS, &pA, NULL, 0));
  bmi.bmiHeader.biWidth = w;
  bmi.bmiHeader.biHeight = -h;
  CTKScopedBitmap bitmapB(::CreateDIBSection(hDC, &bmi, DIB_RGB_COLORS, &pB, NULL, 0));
  CTKScopedCreatedDC dcA(::CreateCompatibleDC(hDC));
  CTKScopedCreatedDC dcB(::CreateCompatibleDC(hDC));
  if (!bitmapA || !bitmapB || !dcA || !dcB) return FALSE;
  CTKSelectGuard selectA(dcA.Get(), bitmapA.Get());
  CTKSelectGuard selectB(dcB.Get(), bitmapB.Get());
  DWORD* a = static_cast<DWORD*>(pA);
  DWORD* b = static_cast<DWORD*>(pB);

  if (bCopyBackground) {
    ::BitBlt(dcB.Get(), 0, 0, w, h, hDC, rc.left, rc.top, SRCCOPY);
    ::GdiFlush();
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) {
        int u, v;
        TopPixelOf(nPosition, x, y, w, h, u, v);
        a[v * aw + u] = b[y * w + x];
      }
  } else {
    CDC::FromHandle(dcA.Get())->FillSolidRect(0, 0, aw, ah, clrFill);
  }
  drawTop(CDC::FromHandle(dcA.Get()), CRect(0, 0, aw, ah));
  ::GdiFlush();
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      int u, v;
      TopPixelOf(nPosition, x, y, w, h, u, v);
      b[y * w + x] = a[v * aw + u];
    }
  ::BitBlt(hDC, rc.left, rc.top, w, h, dcB.Get(), 0, 0, SRCCOPY);
  return TRUE;
}
