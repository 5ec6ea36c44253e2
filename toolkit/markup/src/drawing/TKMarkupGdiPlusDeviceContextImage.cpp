// CTKMarkupGdiPlusDeviceContext: the pictures of image elements on GDI+.
#include "TKMarkupGdiPlusDeviceContext.h"
#include "TKMarkupGdiPlusImage.h"

CTKMarkupDeviceDependentImage* CTKMarkupGdiPlusDeviceContext::CreateDeviceDependentImage(
    ITKMarkupDeviceDependentImageSite* pSite) {
  return new CTKMarkupGdiPlusImage(pSite, m_pApi);
}

// A picture made by the other back end (its element measured on another DC)
// still draws when it is an icon.
void CTKMarkupGdiPlusDeviceContext::DrawImage(CTKMarkupDeviceDependentImage* pImage,
                                              const RECT& rc) {
  if (pImage == nullptr) return;
  CTKMarkupGdiPlusImage* pGdiPlusImage = dynamic_cast<CTKMarkupGdiPlusImage*>(pImage);
  if (pGdiPlusImage != nullptr && pGdiPlusImage->GetImage() != nullptr) {
    m_pApi->GdipDrawImageRect(
        m_pGraphics, pGdiPlusImage->GetImage(), static_cast<Gdiplus::REAL>(rc.left),
        static_cast<Gdiplus::REAL>(rc.top), static_cast<Gdiplus::REAL>(rc.right - rc.left),
        static_cast<Gdiplus::REAL>(rc.bottom - rc.top));
  } else if (pImage->GetIcon() != nullptr) {
    DrawIconImage(pImage->GetIcon(), rc);
  }
}
