// CTKImageManagerIcon: the images of one command at one width, chosen by state
// and drawn.
#include "common/TKImageManagerIcon.h"

#include "common/TKBitmapFunctions.h"
#include "common/TKDCHelpers.h"
#include "common/TKImageManager.h"

CTKImageManagerIcon::CTKImageManagerIcon(UINT nID, int nWidth, int nHeight,
                                         CTKImageManagerIconSet* pIconSet)
    : m_bDrawWithAlpha(FALSE),
      m_nID(nID),
      m_nWidth(nWidth),
      m_nHeight(nHeight),
      m_pIconSet(pIconSet),
      m_pImageList(NULL) {
  InitImages(pIconSet != NULL ? pIconSet->GetImageManager() : NULL);
}

CTKImageManagerIcon::CTKImageManagerIcon(UINT nID, int nWidth, int nHeight,
                                         CTKImageManagerImageList* pImageList)
    : m_bDrawWithAlpha(FALSE),
      m_nID(nID),
      m_nWidth(nWidth),
      m_nHeight(nHeight),
      m_pIconSet(NULL),
      m_pImageList(pImageList) {
  InitImages(NULL);
}

CTKImageManagerIcon::~CTKImageManagerIcon() { ClearImages(TRUE); }

void CTKImageManagerIcon::InitImages(CTKImageManager* pImageManager) {
  CTKImageManagerIconHandle* images[] = {&m_imageNormal,   &m_imageFaded,       &m_imageShadow,
                                         &m_imageHot,      &m_imageChecked,     &m_imagePressed,
                                         &m_imageDisabled, &m_imageDisabledAuto};
  for (CTKImageManagerIconHandle* pImage : images) pImage->SetImageManager(pImageManager);
}

void CTKImageManagerIcon::ClearImages(BOOL bIncludeNormal) {
  if (bIncludeNormal) m_imageNormal.Clear();
  m_imageHot.Clear();
  m_imageChecked.Clear();
  m_imagePressed.Clear();
  m_imageDisabled.Clear();
  ClearGeneratedImages();
}

void CTKImageManagerIcon::ClearGeneratedImages() {
  m_imageFaded.Clear();
  m_imageShadow.Clear();
  m_imageDisabledAuto.Clear();
}

BOOL CTKImageManagerIcon::SetNormalImage(const CTKImageManagerIconHandle& image) {
  ClearImages(TRUE);
  m_imageNormal.CopyFrom(image);
  const CSize size = m_imageNormal.GetExtent();
  m_nWidth = size.cx;
  m_nHeight = size.cy;
  if (m_pIconSet != NULL) m_pIconSet->RefreshIcons();
  return TRUE;
}

void CTKImageManagerIcon::SetHotImage(const CTKImageManagerIconHandle& image) {
  ClearGeneratedImages();
  m_imageHot.CopyFrom(image);
}

void CTKImageManagerIcon::SetCheckedImage(const CTKImageManagerIconHandle& image) {
  ClearGeneratedImages();
  m_imageChecked.CopyFrom(image);
}

void CTKImageManagerIcon::SetPressedImage(const CTKImageManagerIconHandle& image) {
  ClearGeneratedImages();
  m_imagePressed.CopyFrom(image);
}

void CTKImageManagerIcon::SetDisabledImage(const CTKImageManagerIconHandle& image) {
  ClearGeneratedImages();
  m_imageDisabled.CopyFrom(image);
}

CTKImageManagerIconHandle& CTKImageManagerIcon::GetHotImage() {
  return m_imageHot.IsEmpty() ? m_imageNormal : m_imageHot;
}

CTKImageManagerIconHandle& CTKImageManagerIcon::GetCheckedImage() {
  return m_imageChecked.IsEmpty() ? GetHotImage() : m_imageChecked;
}

CTKImageManagerIconHandle& CTKImageManagerIcon::GetPressedImage() {
  return m_imagePressed.IsEmpty() ? GetHotImage() : m_imagePressed;
}

CTKImageManagerIconHandle& CTKImageManagerIcon::GetFadedImage() {
  if (m_imageFaded.IsEmpty()) CreateFadedImage();
  return m_imageFaded.IsEmpty() ? m_imageNormal : m_imageFaded;
}

CTKImageManagerIconHandle& CTKImageManagerIcon::GetShadowImage() {
  if (m_imageShadow.IsEmpty()) CreateShadowImage();
  return m_imageShadow;
}

CTKImageManagerIconHandle& CTKImageManagerIcon::GetDisabledImage(BOOL bCreate) {
  if (!m_imageDisabled.IsEmpty()) return m_imageDisabled;
  if (m_imageDisabledAuto.IsEmpty() && bCreate) CreateDisabledImage();
  return m_imageDisabledAuto;
}

CTKImageManagerIconHandle& CTKImageManagerIcon::GetImageForState(int nState) {
  switch (nState) {
    case TK_IMAGESTATE_DISABLED:
      return GetDisabledImage(TRUE);
    case TK_IMAGESTATE_HOT:
      return GetHotImage();
    case TK_IMAGESTATE_CHECKED:
      return GetCheckedImage();
    case TK_IMAGESTATE_PRESSED:
      return GetPressedImage();
    default:
      return m_imageNormal;
  }
}

BOOL CTKImageManagerIcon::HasDisabledImage() const {
  return !m_imageDisabled.IsEmpty() || !m_imageDisabledAuto.IsEmpty();
}

void CTKImageManagerIcon::Draw(CDC* pDC, CPoint pt, CTKImageManagerIconHandle& image, int cx,
                               int cy, COLORREF clrBack, COLORREF clrFore, UINT nStyle) {
  if (cx == 0) cx = m_nWidth;
  if (cy == 0) cy = m_nWidth != 0 ? cx * m_nHeight / m_nWidth : 0;
  if (m_pImageList != NULL) {
    m_pImageList->DrawIcon(pDC, m_nID, pt, CSize(cx, cy), clrBack, clrFore, nStyle);
    return;
  }
  image.Draw(pDC, pt.x, pt.y, cx, cy, m_bDrawWithAlpha);
}

void CTKImageManagerIcon::DrawAtSize(CDC* pDC, CPoint pt, CSize sz) {
  Draw(pDC, pt, m_imageNormal, sz.cx, sz.cy, CLR_NONE, CLR_NONE, 0);
}

void CTKImageManagerIcon::DrawAtPoint(CDC* pDC, CPoint pt) {
  Draw(pDC, pt, m_imageNormal, m_nWidth, m_nHeight, CLR_NONE, CLR_NONE, 0);
}

void CTKImageManagerIcon::DrawMonochrome(CDC* pDC, CPoint pt, CTKImageManagerIconHandle& image,
                                         int cx, int cy, COLORREF clr) {
  if (pDC == NULL || image.IsAlpha()) return;
  if (cx == 0) cx = m_nWidth;
  if (cy == 0) cy = m_nWidth != 0 ? cx * m_nHeight / m_nWidth : 0;
  if (cx <= 0 || cy <= 0) return;
  CBitmap bitmap;
  if (!bitmap.CreateCompatibleBitmap(pDC, cx, cy)) return;
  {
    CTKCompatibleDC dcMemory(pDC, &bitmap);
    if (dcMemory.m_hDC == NULL) return;
    dcMemory.FillSolidRect(0, 0, cx, cy, RGB(255, 255, 255));
    Draw(&dcMemory, CPoint(0, 0), image, cx, cy);
  }
  CBrush brush(clr);
  pDC->DrawState(pt, CSize(cx, cy), &bitmap, DST_BITMAP | DSS_MONO, &brush);
}
