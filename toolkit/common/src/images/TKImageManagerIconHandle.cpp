// CTKImageManagerIconHandle: holding, copying and drawing one image.
#include "common/TKImageManagerIconHandle.h"

#include "common/TKBitmapFunctions.h"
#include "common/TKImageManager.h"
#include "common/TKImageManagerResource.h"

CTKImageManagerIconHandle::CTKImageManagerIconHandle() { Init(); }

CTKImageManagerIconHandle::~CTKImageManagerIconHandle() { Clear(); }

void CTKImageManagerIconHandle::Init() {
  m_hIcon = NULL;
  m_hBitmap = NULL;
  m_pBits = NULL;
  m_bOwns = FALSE;
  m_pImageManager = NULL;
  m_pSlot = NULL;
  m_cx = m_cy = 0;
  m_bShareable = TRUE;
}

void CTKImageManagerIconHandle::Clear() {
  if (m_bOwns) {
    if (m_hIcon != NULL) ::DestroyIcon(m_hIcon);
    if (m_hBitmap != NULL) ::DeleteObject(m_hBitmap);
    if (m_pSlot != NULL) m_pSlot->pResource->FreeSlot(m_pSlot);
  }
  m_hIcon = NULL;
  m_hBitmap = NULL;
  m_pBits = NULL;
  m_pSlot = NULL;
  m_bOwns = FALSE;
}

BOOL CTKImageManagerIconHandle::IsEmpty() const {
  return (m_hIcon == NULL && m_hBitmap == NULL && m_pSlot == NULL) || (m_cx == 0 && m_cy == 0);
}

BOOL CTKImageManagerIconHandle::IsAlpha() const {
  return m_hBitmap != NULL || (m_pSlot != NULL && m_pSlot->bAlpha);
}

HBITMAP CTKImageManagerIconHandle::GetBitmap() const {
  if (m_hBitmap != NULL) return m_hBitmap;
  return m_pSlot != NULL ? m_pSlot->pResource->GetColorBitmap() : NULL;
}

CSize CTKImageManagerIconHandle::QueryExtent() const {
  if (m_pSlot != NULL) return m_pSlot->pResource->GetExtent();
  if (m_hIcon != NULL) return GetIconSize(m_hIcon);
  BITMAP bitmap;
  if (m_hBitmap != NULL && ::GetObject(m_hBitmap, sizeof bitmap, &bitmap))
    return CSize(bitmap.bmWidth, bitmap.bmHeight);
  return CSize(0, 0);
}

void CTKImageManagerIconHandle::TakeIcon(HICON hIcon, BOOL bOwns) {
  m_hIcon = hIcon;
  m_bOwns = bOwns;
  CSize size = QueryExtent();
  m_cx = size.cx;
  m_cy = size.cy;
}

void CTKImageManagerIconHandle::TakeBitmap(HBITMAP hBitmap, BOOL bOwns) {
  m_hBitmap = hBitmap;
  m_bOwns = bOwns;
  CSize size = QueryExtent();
  m_cx = size.cx;
  m_cy = size.cy;
}

void CTKImageManagerIconHandle::SetIcon(HICON hIcon, BOOL bShareable, BOOL bCallerKeepsOwnership) {
  Init();
  m_bShareable = bShareable;
  TakeIcon(hIcon, !bCallerKeepsOwnership);
}

void CTKImageManagerIconHandle::SetBitmap(HBITMAP hBitmap, BOOL bCallerKeepsOwnership) {
  Init();
  TakeBitmap(hBitmap, !bCallerKeepsOwnership);
}

void CTKImageManagerIconHandle::ReplaceIcon(HICON hIcon, BOOL bCallerKeepsOwnership) {
  Clear();
  TakeIcon(hIcon, !bCallerKeepsOwnership);
}

void CTKImageManagerIconHandle::ReplaceBitmap(HBITMAP hBitmap, BOOL bCallerKeepsOwnership) {
  Clear();
  TakeBitmap(hBitmap, !bCallerKeepsOwnership);
}

void CTKImageManagerIconHandle::SetPremultipliedBitmap(HBITMAP hBitmap, LPBYTE pBits) {
  Clear();
  TakeBitmap(hBitmap, TRUE);
  m_pBits = pBits;
}

void CTKImageManagerIconHandle::CopyFrom(const CTKImageManagerIconHandle& source) {
  Clear();
  if (&source == this) return;
  if (source.IsEmpty()) return;
  const CSize size = source.GetExtent();
  if (m_pImageManager != NULL && m_pImageManager->m_bUseResources && source.m_bShareable) {
    // The atlas needs the image itself: a slot is first copied out of its atlas.
    CTKImageManagerIconHandle materialised;
    CTKImageManagerIconHandle& image =
        source.m_pSlot != NULL ? materialised : const_cast<CTKImageManagerIconHandle&>(source);
    if (source.m_pSlot != NULL) {
      source.m_pSlot->pResource->CopyToHandle(materialised, source.m_pSlot);
      materialised.m_cx = size.cx;
      materialised.m_cy = size.cy;
    }
    m_pSlot = m_pImageManager->GetImageResource(size.cx, size.cy)->AddImage(image);
  }
  if (m_pSlot == NULL) {
    if (source.m_hIcon != NULL) {
      m_hIcon = ::CopyIcon(source.m_hIcon);
    } else if (source.m_hBitmap != NULL) {
      m_hBitmap = CopyAlphaBitmap(source.m_hBitmap, source.m_pBits != NULL ? &m_pBits : NULL);
    } else if (source.m_pSlot != NULL) {
      source.m_pSlot->pResource->CopyToHandle(*this, source.m_pSlot);
    }
  }
  m_bShareable = source.m_bShareable;
  m_bOwns = TRUE;
  m_cx = size.cx;
  m_cy = size.cy;
}

LPBYTE CTKImageManagerIconHandle::GetPremultipliedBits() {
  if (m_pBits != NULL) return m_pBits;
  if (m_hBitmap == NULL) return NULL;
  LPBYTE pBits = NULL;
  HBITMAP hCopy = PremultiplyBitmap32(m_hBitmap, NULL, &pBits);
  if (hCopy == NULL) return NULL;
  if (m_bOwns) ::DeleteObject(m_hBitmap);
  m_hBitmap = hCopy;
  m_bOwns = TRUE;
  m_pBits = pBits;
  return pBits;
}

void CTKImageManagerIconHandle::Draw(CDC* pDC, int x, int y, int cx, int cy, BOOL bDrawWithAlpha) {
  if (pDC == NULL || IsEmpty()) return;
  if (m_pSlot != NULL) {
    m_pSlot->pResource->DrawSlot(pDC, m_pSlot, x, y, cx, cy, bDrawWithAlpha);
  } else if (m_hIcon != NULL) {
    CTKImageManager* pManager = m_pImageManager != NULL ? m_pImageManager : TKImageManager();
    if (pManager->IsMirrorDraw(pDC)) {
      x += cx;
      cx = -cx;
    }
    if (bDrawWithAlpha)
      DrawIconWithAlpha(pDC, x, y, cx, cy, m_hIcon);
    else
      ::DrawIconEx(pDC->m_hDC, x, y, m_hIcon, cx, cy, 0, NULL, DI_NORMAL);
  } else if (GetPremultipliedBits() != NULL) {
    int nSourceTop = 0, nSourceHeight = m_cy, nHeight = cy;
    // Rows above the DC's top edge are cut off rather than drawn off-screen.
    if (y < 0 && cy == m_cy) {
      nHeight = y + cy;
      if (nHeight <= 0) return;
      nSourceTop = -y;
      nSourceHeight = nHeight;
      y = 0;
    }
    AlphaBlendBitmap(pDC, m_hBitmap, x, y, cx, nHeight, 0, nSourceTop, m_cx, nSourceHeight);
  }
}
