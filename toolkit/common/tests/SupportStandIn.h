// Temporary: the readable drawing surface of the shared test support, until
// that library is in the tree (same interface, so only the include changes).
#pragma once

#include <afxwin.h>

class CDibSurface {
 public:
  CDibSurface(int width, int height, COLORREF background = RGB(255, 255, 255))
      : m_width(width), m_height(height) {
    BITMAPINFO bmi = {};
    bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bmi.bmiHeader.biWidth = width;
    bmi.bmiHeader.biHeight = -height;
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    void* pBits = nullptr;
    m_hBitmap = ::CreateDIBSection(NULL, &bmi, DIB_RGB_COLORS, &pBits, NULL, 0);
    m_pBits = static_cast<const DWORD*>(pBits);
    m_dc.Attach(::CreateCompatibleDC(NULL));
    m_hOld = ::SelectObject(m_dc.m_hDC, m_hBitmap);
    Fill(background);
  }
  ~CDibSurface() {
    ::SelectObject(m_dc.m_hDC, m_hOld);
    ::DeleteDC(m_dc.Detach());
    ::DeleteObject(m_hBitmap);
  }
  int GetWidth() const { return m_width; }
  int GetHeight() const { return m_height; }
  CDC* GetDC() { return &m_dc; }
  HDC GetSafeHdc() const { return m_dc.m_hDC; }
  COLORREF GetPixel(int x, int y) const {
    ::GdiFlush();
    if (x < 0 || y < 0 || x >= m_width || y >= m_height) return CLR_INVALID;
    DWORD p = m_pBits[y * m_width + x];
    return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
  }
  int CountPixels(const RECT& rect, COLORREF color) const {
    int n = 0;
    for (int y = rect.top; y < rect.bottom; ++y)
      for (int x = rect.left; x < rect.right; ++x)
        if (GetPixel(x, y) == color) ++n;
    return n;
  }
  int CountPixels(COLORREF color) const {
    return CountPixels(CRect(0, 0, m_width, m_height), color);
  }
  void Fill(COLORREF color) {
    CRect rc(0, 0, m_width, m_height);
    m_dc.FillSolidRect(&rc, color);
  }

 private:
  int m_width;
  int m_height;
  CDC m_dc;
  HBITMAP m_hBitmap = NULL;
  HGDIOBJ m_hOld = NULL;
  const DWORD* m_pBits = nullptr;
};
