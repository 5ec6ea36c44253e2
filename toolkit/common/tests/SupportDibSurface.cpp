// Readable DIB surfaces for drawing tests.
#include "SupportDibSurface.h"

#include <algorithm>

CDibSurface::CDibSurface(int width, int height, COLORREF background)
    : m_width(width), m_height(height) {
  BITMAPINFO bmi = {};
  bmi.bmiHeader.biSize = sizeof bmi.bmiHeader;
  bmi.bmiHeader.biWidth = width;
  bmi.bmiHeader.biHeight = -height;
  bmi.bmiHeader.biPlanes = 1;
  bmi.bmiHeader.biBitCount = 32;
  bmi.bmiHeader.biCompression = BI_RGB;
  void* pBits = nullptr;
  m_hBitmap = ::CreateDIBSection(NULL, &bmi, DIB_RGB_COLORS, &pBits, NULL, 0);
  m_pBits = static_cast<const DWORD*>(pBits);
  m_dc.Attach(::CreateCompatibleDC(NULL));
  m_hOldBitmap = ::SelectObject(m_dc.m_hDC, m_hBitmap);
  RECT all = {0, 0, width, height};
  HBRUSH brush = ::CreateSolidBrush(background);
  ::FillRect(m_dc.m_hDC, &all, brush);
  ::DeleteObject(brush);
}

CDibSurface::~CDibSurface() {
  ::SelectObject(m_dc.m_hDC, m_hOldBitmap);
  m_dc.DeleteDC();
  ::DeleteObject(m_hBitmap);
}

COLORREF CDibSurface::GetPixel(int x, int y) const {
  if (x < 0 || y < 0 || x >= m_width || y >= m_height) return CLR_INVALID;
  ::GdiFlush();
  DWORD bgr = m_pBits[y * m_width + x];
  return RGB((bgr >> 16) & 0xFF, (bgr >> 8) & 0xFF, bgr & 0xFF);
}

int CDibSurface::CountPixels(const RECT& rect, COLORREF color) const {
  int count = 0;
  for (int y = std::max(0L, rect.top); y < std::min<LONG>(m_height, rect.bottom); ++y) {
    for (int x = std::max(0L, rect.left); x < std::min<LONG>(m_width, rect.right); ++x)
      count += GetPixel(x, y) == color;
  }
  return count;
}

int CDibSurface::CountPixels(COLORREF color) const {
  RECT all = {0, 0, m_width, m_height};
  return CountPixels(all, color);
}
