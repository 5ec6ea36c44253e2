// CGalleryCanvas: the sheet and its PNG file.
#include "GalleryCanvas.h"

#include "common/TKBitmapFunctions.h"
#include "common/TKPngWriter.h"

CGalleryCanvas::CGalleryCanvas(int nWidth, int nHeight, COLORREF clrBack)
    : m_nWidth(nWidth), m_nHeight(nHeight), m_pBits(NULL) {
  m_dc.Attach(::CreateCompatibleDC(NULL));
  m_hBitmap = Create32BitDIBSection(m_dc.m_hDC, nWidth, -nHeight, &m_pBits);
  m_hOldBitmap = ::SelectObject(m_dc.m_hDC, m_hBitmap);
  m_hOldFont = ::SelectObject(m_dc.m_hDC, ::GetStockObject(DEFAULT_GUI_FONT));
  m_dc.FillSolidRect(0, 0, nWidth, nHeight, clrBack);
  m_dc.SetBkMode(TRANSPARENT);
}

CGalleryCanvas::~CGalleryCanvas() {
  ::SelectObject(m_dc.m_hDC, m_hOldFont);
  ::SelectObject(m_dc.m_hDC, m_hOldBitmap);
  ::DeleteDC(m_dc.Detach());
  ::DeleteObject(m_hBitmap);
}

void CGalleryCanvas::Label(int x, int y, const std::string& text, COLORREF clr) {
  m_dc.SetTextColor(clr);
  m_dc.TextOut(x, y, text.c_str(), (int)text.size());
}

bool CGalleryCanvas::Save(const std::string& path) {
  ::GdiFlush();
  if (m_pBits == NULL) return false;
  // GDI leaves alpha 0 where it drew; the sheet is opaque.
  for (int i = 0; i < m_nWidth * m_nHeight; ++i) m_pBits[i * 4 + 3] = 255;
  return WritePngFile(path.c_str(), m_pBits, m_nWidth, m_nHeight, m_nWidth * 4, FALSE) != FALSE;
}
