#include "testsupport/DibSurface.h"

CDibSurface::CDibSurface(int width, int height, COLORREF background)
    : m_width(width > 0 ? width : 1), m_height(height > 0 ? height : 1) {
  BITMAPINFO bmi = {};
  bmi.bmiHeader.biSize = sizeof(bmi.bmiHeader);
  bmi.bmiHeader.biWidth = m_width;
  bmi.bmiHeader.biHeight = -m_height;  // top-down: row 0 first
  bmi.bmiHeader.biPlanes = 1;
  bmi.bmiHeader.biBitCount = 32;
  bmi.bmiHeader.biCompression = BI_RGB;
  void* pBits = nullptr;
  m_bitmap.Attach(::CreateDIBSection(NULL, &bmi, DIB_RGB_COLORS, &pBits, NULL, 0));
  m_pBits = static_cast<const DWORD*>(pBits);
  m_dc.CreateCompatibleDC(NULL);
  m_pOldBitmap = m_dc.SelectObject(&m_bitmap);
  Fill(background);
}

CDibSurface::~CDibSurface() {
  if (m_pOldBitmap != nullptr) m_dc.SelectObject(m_pOldBitmap);
}

COLORREF CDibSurface::GetPixel(int x, int y) const {
  if (m_pBits == nullptr || x < 0 || y < 0 || x >= m_width || y >= m_height) return CLR_INVALID;
  ::GdiFlush();
  return PixelAt(x, y);
}

COLORREF CDibSurface::PixelAt(int x, int y) const {
  // The section stores blue in the low byte; a COLORREF keeps red there.
  DWORD bgr = m_pBits[static_cast<size_t>(y) * m_width + x];
  return RGB((bgr >> 16) & 0xFF, (bgr >> 8) & 0xFF, bgr & 0xFF);
}

int CDibSurface::CountPixels(COLORREF color) const {
  return CountPixels(RECT{0, 0, m_width, m_height}, color);
}

int CDibSurface::CountPixels(const RECT& rect, COLORREF color) const {
  if (m_pBits == nullptr) return 0;
  ::GdiFlush();
  int count = 0;
  for (int y = rect.top < 0 ? 0 : rect.top; y < rect.bottom && y < m_height; ++y)
    for (int x = rect.left < 0 ? 0 : rect.left; x < rect.right && x < m_width; ++x)
      count += PixelAt(x, y) == color;
  return count;
}

void CDibSurface::Fill(COLORREF color) { m_dc.FillSolidRect(0, 0, m_width, m_height, color); }
