// A white sheet to draw a gallery page on, saved as a PNG file.
#pragma once

#include <afxwin.h>

#include <string>

/// A 32-bit memory DC of a fixed size with a caption font selected.
class CGalleryCanvas {
 public:
  CGalleryCanvas(int nWidth, int nHeight, COLORREF clrBack = RGB(255, 255, 255));
  ~CGalleryCanvas();

  CDC* GetDC() { return &m_dc; }
  int GetWidth() const { return m_nWidth; }
  int GetHeight() const { return m_nHeight; }
  /// A label in the gallery's small text, left-aligned at x, y.
  void Label(int x, int y, const std::string& text, COLORREF clr = RGB(60, 60, 60));
  bool Save(const std::string& path);

 private:
  CGalleryCanvas(const CGalleryCanvas&) = delete;
  CGalleryCanvas& operator=(const CGalleryCanvas&) = delete;

  int m_nWidth;
  int m_nHeight;
  CDC m_dc;
  HBITMAP m_hBitmap;
  HGDIOBJ m_hOldBitmap;
  HGDIOBJ m_hOldFont;
  BYTE* m_pBits;
};
