// A drawing surface whose pixels a test can read: a memory DC with a 32-bit
// top-down DIB section selected into it. (Local until the shared test support
// is available here.)
#pragma once

#include <afxwin.h>

class CDibSurface {
 public:
  /// A width x height surface filled with `background`.
  CDibSurface(int width, int height, COLORREF background = RGB(255, 255, 255));
  ~CDibSurface();
  CDibSurface(const CDibSurface&) = delete;
  CDibSurface& operator=(const CDibSurface&) = delete;

  CDC* GetDC() { return &m_dc; }
  HDC GetSafeHdc() const { return m_dc.GetSafeHdc(); }
  /// The pixel at (x, y); CLR_INVALID outside the surface.
  COLORREF GetPixel(int x, int y) const;
  /// The number of pixels of `color` inside `rect` (clipped to the surface).
  int CountPixels(const RECT& rect, COLORREF color) const;
  int CountPixels(COLORREF color) const;

 private:
  int m_width;
  int m_height;
  CDC m_dc;
  HBITMAP m_hBitmap = NULL;
  HGDIOBJ m_hOldBitmap = NULL;
  const DWORD* m_pBits = nullptr;
};
