// CTKMarkupDeviceContext: the pictures of image elements on GDI.
#include "markup/TKMarkupDeviceContext.h"

#include "markup/TKMarkupDeviceDependentImage.h"

CTKMarkupDeviceDependentImage* CTKMarkupDeviceContext::CreateDeviceDependentImage(
    ITKMarkupDeviceDependentImageSite* pSite) {
  return new CTKMarkupGdiImage(pSite);
}

void CTKMarkupDeviceContext::DrawImage(CTKMarkupDeviceDependentImage* pImage, const RECT& rc) {
  if (pImage != nullptr && pImage->GetIcon() != nullptr) DrawIconImage(pImage->GetIcon(), rc);
}
