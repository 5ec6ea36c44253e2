// A drawing surface whose pixels a test can read: a memory DC with a 32-bit
// top-down DIB section selected into it.
#pragma once

#include <afxwin.h>

/// Draw through GetDC() (or its HDC), then read pixels back as COLORREF
/// values, the way ::GetPixel gives them. Used on one thread.
class CDibSurface {
 public:
  /// A width x height surface filled with `background`.
  CDibSurface(int width, int height, COLORREF background = RGB(255, 255, 255));
  /// Puts the DC's first bitmap back, then frees the DC and the section.
  ~CDibSurface();

  int GetWidth() const { return m_width; }
  int GetHeight() const { return m_height; }
  /// The memory DC; owned by the surface. What a test selects into it, it
  /// selects out again before the surface goes.
  CDC* GetDC() { return &m_dc; }
  HDC GetSafeHdc() const { return m_dc.GetSafeHdc(); }
  /// The DIB section selected into the DC.
  CBitmap* GetBitmap() { return &m_bitmap; }

  /// The pixel at (x, y) (pending drawing is flushed first); CLR_INVALID
  /// outside the surface.
  COLORREF GetPixel(int x, int y) const;
  /// The number of pixels of `color` on the whole surface, or inside `rect`
  /// (clipped to the surface).
  int CountPixels(COLORREF color) const;
  int CountPixels(const RECT& rect, COLORREF color) const;
  /// Paints the whole surface in `color`.
  void Fill(COLORREF color);

 private:
  COLORREF PixelAt(int x, int y) const;  // inside the surface, not flushed
  CDibSurface(const CDibSurface&) = delete;
  CDibSurface& operator=(const CDibSurface&) = delete;

  int m_width;
  int m_height;
  CDC m_dc;
  CBitmap m_bitmap;
  CBitmap* m_pOldBitmap = nullptr;
  const DWORD* m_pBits = nullptr;
};
