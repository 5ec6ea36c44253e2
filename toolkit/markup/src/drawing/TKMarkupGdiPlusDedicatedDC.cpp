// CTKMarkupGdiPlusDeviceContext::DedicatedDC: an HDC backed by an off-screen
// bitmap, put onto the graphics when committed.
#include "TKMarkupGdiPlusDeviceContext.h"

using namespace Gdiplus;

// GDI cannot draw through the graphics' world transform; drawn at the
// bitmap's own origin and composited by GDI+, the part lands where the
// transform puts the rectangle.
CTKMarkupGdiPlusDeviceContext::DedicatedDC::DedicatedDC(CTKMarkupGdiPlusDeviceContext* pOwner,
                                                        const RECT& rc)
    : CTKMarkupDedicatedDC(pOwner, rc),
      m_pGdiPlusOwner(pOwner),
      m_pBitmap(nullptr),
      m_pBitmapGraphics(nullptr),
      m_hBitmapDC(nullptr) {
  m_ptOffset = POINT{-rc.left, -rc.top};
  CTKMarkupGdiPlusApi* pApi = pOwner->m_pApi;
  const int nWidth = rc.right - rc.left, nHeight = rc.bottom - rc.top;
  if (nWidth <= 0 || nHeight <= 0) return;
  if (pApi->GdipCreateBitmapFromScan0(nWidth, nHeight, 0, PixelFormat32bppPARGB, nullptr,
                                      &m_pBitmap) != Ok)
    return;
  if (pApi->GdipGetImageGraphicsContext(m_pBitmap, &m_pBitmapGraphics) != Ok) return;
  if (pApi->GdipGetDC(m_pBitmapGraphics, &m_hBitmapDC) != Ok) m_hBitmapDC = nullptr;
}

CTKMarkupGdiPlusDeviceContext::DedicatedDC::~DedicatedDC() {
  CTKMarkupGdiPlusApi* pApi = m_pGdiPlusOwner->m_pApi;
  if (m_hBitmapDC != nullptr) pApi->GdipReleaseDC(m_pBitmapGraphics, m_hBitmapDC);
  if (m_pBitmapGraphics != nullptr) pApi->GdipDeleteGraphics(m_pBitmapGraphics);
  if (m_pBitmap != nullptr) pApi->GdipDisposeImage(m_pBitmap);
}

HDC CTKMarkupGdiPlusDeviceContext::DedicatedDC::GetDC() { return m_hBitmapDC; }

void CTKMarkupGdiPlusDeviceContext::DedicatedDC::Commit() {
  if (m_hBitmapDC == nullptr) return;
  CTKMarkupGdiPlusApi* pApi = m_pGdiPlusOwner->m_pApi;
  pApi->GdipReleaseDC(m_pBitmapGraphics, m_hBitmapDC);
  m_hBitmapDC = nullptr;
  pApi->GdipDrawImageRect(m_pGdiPlusOwner->m_pGraphics, m_pBitmap, static_cast<REAL>(m_rc.left),
                          static_cast<REAL>(m_rc.top), static_cast<REAL>(m_rc.right - m_rc.left),
                          static_cast<REAL>(m_rc.bottom - m_rc.top));
}

CTKMarkupDedicatedDC* CTKMarkupGdiPlusDeviceContext::CreateDedicatedDC(const RECT& rc) {
  return new DedicatedDC(this, rc);
}
