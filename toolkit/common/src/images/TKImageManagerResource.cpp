// The image atlas: slots allocated, reused and released, and images copied in
// and out of them.
#include "common/TKImageManagerResource.h"

#include <string.h>

#include "common/TKBitmapFunctions.h"
#include "common/TKImageManager.h"
#include "common/TKImageManagerIconHandle.h"
#include "common/TKRWCriticalSection.h"

#include "common/TKOSVersionHelper.h"

CTKImageManagerResource::CTKImageManagerResource(CTKImageManager* pImageManager, int cx, int cy)
    : m_hbmColor(NULL),
      m_hbmMask(NULL),
      m_pBits(NULL),
      m_pImageManager(pImageManager),
      m_cx(cx),
      m_cy(cy),
      m_nUsedWidth(0) {
  HDC hScreen = ::GetDC(NULL);
  m_dc.Attach(::CreateCompatibleDC(hScreen));
  ::ReleaseDC(NULL, hScreen);
  ::InitializeCriticalSection(&m_cs);
}

CTKImageManagerResource::~CTKImageManagerResource() {
  Reset();
  ::DeleteCriticalSection(&m_cs);
}

void CTKImageManagerResource::Reset() {
  CTKLockGuard lock(m_cs);
  for (INT_PTR i = 0; i < m_arrUsed.GetSize(); ++i) delete m_arrUsed[i];
  for (INT_PTR i = 0; i < m_arrFree.GetSize(); ++i) delete m_arrFree[i];
  m_arrUsed.RemoveAll();
  m_arrFree.RemoveAll();
  if (m_hbmColor != NULL) ::DeleteObject(m_hbmColor);
  if (m_hbmMask != NULL) ::DeleteObject(m_hbmMask);
  m_hbmColor = m_hbmMask = NULL;
  m_pBits = NULL;
  m_nUsedWidth = 0;
}

TK_IMAGERESOURCE_INFO* CTKImageManagerResource::NewSlot(int nLeft) {
  TK_IMAGERESOURCE_INFO* pSlot = new TK_IMAGERESOURCE_INFO;
  pSlot->bAlpha = FALSE;
  ::SetRect(&pSlot->rc, nLeft, 0, nLeft + m_cx, m_cy);
  pSlot->pResource = this;
  m_arrUsed.Add(pSlot);
  return pSlot;
}

BOOL CTKImageManagerResource::Resize(int cxNew) {
  LPBYTE pBits = NULL;
  HBITMAP hbmColor = Create32BitDIBSection(NULL, cxNew, m_cy, &pBits);
  HBITMAP hbmMask = ::CreateBitmap(cxNew, m_cy, 1, 1, NULL);
  if (hbmColor == NULL || pBits == NULL || hbmMask == NULL) {
    if (hbmColor != NULL) ::DeleteObject(hbmColor);
    if (hbmMask != NULL) ::DeleteObject(hbmMask);
    return FALSE;
  }
  memset(pBits, 0, (size_t)cxNew * m_cy * 4);
  if (m_hbmColor != NULL) {
    ::GdiFlush();
    for (int row = 0; row < m_cy; ++row)
      memcpy(pBits + (size_t)row * cxNew * 4, m_pBits + (size_t)row * m_nUsedWidth * 4,
             (size_t)m_nUsedWidth * 4);
    HDC hTarget = ::CreateCompatibleDC(m_dc.m_hDC);
    HGDIOBJ hOldTarget = ::SelectObject(hTarget, hbmMask);
    m_dc.SelectBitmap(m_hbmMask);
    ::BitBlt(hTarget, 0, 0, m_nUsedWidth, m_cy, m_dc.m_hDC, 0, 0, SRCCOPY);
    m_dc.ReleaseBitmap();
    ::SelectObject(hTarget, hOldTarget);
    ::DeleteDC(hTarget);
    ::DeleteObject(m_hbmColor);
    ::DeleteObject(m_hbmMask);
  }
  m_hbmColor = hbmColor;
  m_hbmMask = hbmMask;
  m_pBits = pBits;
  return TRUE;
}

TK_IMAGERESOURCE_INFO* CTKImageManagerResource::AllocSlot() {
  if (m_arrFree.GetSize() > 0) {
    // The most recently freed slot first.
    TK_IMAGERESOURCE_INFO* pSlot = m_arrFree[m_arrFree.GetUpperBound()];
    m_arrFree.RemoveAt(m_arrFree.GetUpperBound());
    pSlot->bAlpha = FALSE;
    m_arrUsed.Add(pSlot);
    return pSlot;
  }
  const int nLeft = m_nUsedWidth;
  if (!Resize(m_nUsedWidth + m_cx)) return NULL;
  m_nUsedWidth += m_cx;
  return NewSlot(nLeft);
}

void CTKImageManagerResource::CopyRowsIntoSlot(const BYTE* pBits, TK_IMAGERESOURCE_INFO* pSlot) {
  ::GdiFlush();
  for (int row = 0; row < m_cy; ++row)
    memcpy(m_pBits + ((size_t)row * m_nUsedWidth + pSlot->rc.left) * 4,
           pBits + (size_t)row * m_cx * 4, (size_t)m_cx * 4);
}

void CTKImageManagerResource::CopyRowsFromSlot(const TK_IMAGERESOURCE_INFO* pSlot,
                                               BYTE* pBits) const {
  ::GdiFlush();
  for (int row = 0; row < m_cy; ++row)
    memcpy(pBits + (size_t)row * m_cx * 4,
           m_pBits + ((size_t)row * m_nUsedWidth + pSlot->rc.left) * 4, (size_t)m_cx * 4);
}

BOOL CTKImageManagerResource::CopyIconIntoSlot(HICON hIcon, TK_IMAGERESOURCE_INFO* pSlot) {
  if (TKOSVersionHelper()->GetComCtlVersion() >= 0x60000) {
    ICONINFO info;
    if (::GetIconInfo(hIcon, &info)) {
      BOOL bAlpha = -1;
      LPBYTE pBits = NULL;
      HBITMAP hCopy =
          info.hbmColor != NULL ? PremultiplyBitmap32(info.hbmColor, &bAlpha, &pBits) : NULL;
      BITMAP bitmap = {};
      if (hCopy != NULL) ::GetObject(hCopy, sizeof bitmap, &bitmap);
      const BOOL bUsable = bAlpha == TRUE && bitmap.bmWidth == m_cx && bitmap.bmHeight == m_cy;
      if (bUsable) {
        CopyRowsIntoSlot(pBits, pSlot);
        pSlot->bAlpha = TRUE;
      }
      if (hCopy != NULL) ::DeleteObject(hCopy);
      if (info.hbmColor != NULL) ::DeleteObject(info.hbmColor);
      if (info.hbmMask != NULL) ::DeleteObject(info.hbmMask);
      if (bUsable) return TRUE;
    }
  }
  const RECT& rc = pSlot->rc;
  m_dc.SelectBitmap(m_hbmColor);
  ::PatBlt(m_dc.m_hDC, rc.left, 0, m_cx, m_cy, BLACKNESS);
  ::DrawIconEx(m_dc.m_hDC, rc.left, 0, hIcon, m_cx, m_cy, 0, NULL, DI_NORMAL);
  m_dc.SelectBitmap(m_hbmMask);
  ::PatBlt(m_dc.m_hDC, rc.left, 0, m_cx, m_cy, BLACKNESS);
  ::DrawIconEx(m_dc.m_hDC, rc.left, 0, hIcon, m_cx, m_cy, 0, NULL, DI_MASK);
  m_dc.ReleaseBitmap();
  return TRUE;
}

TK_IMAGERESOURCE_INFO* CTKImageManagerResource::AddImage(CTKImageManagerIconHandle& image) {
  if (image.IsEmpty() || image.GetExtent() != CSize(m_cx, m_cy)) return NULL;
  if (image.GetIcon() == NULL && image.GetBitmap() == NULL) return NULL;
  if (image.GetSlot() != NULL && image.GetIcon() == NULL) return NULL;
  CTKLockGuard lock(m_cs);
  TK_IMAGERESOURCE_INFO* pSlot = AllocSlot();
  if (pSlot == NULL) return NULL;
  if (image.GetIcon() != NULL) {
    CopyIconIntoSlot(image.GetIcon(), pSlot);
    return pSlot;
  }
  BITMAP bitmap = {};
  LPBYTE pBits = image.GetPremultipliedBits();
  if (pBits == NULL || !::GetObject(image.GetBitmap(), sizeof bitmap, &bitmap) ||
      bitmap.bmWidth != m_cx || bitmap.bmHeight != m_cy) {
    FreeSlot(pSlot);  // nobody else could ever hand it back
    return NULL;
  }
  CopyRowsIntoSlot(pBits, pSlot);
  pSlot->bAlpha = TRUE;
  return pSlot;
}

void CTKImageManagerResource::FreeSlot(TK_IMAGERESOURCE_INFO* pSlot) {
  CTKLockGuard lock(m_cs);
  for (INT_PTR i = 0; i < m_arrUsed.GetSize(); ++i) {
    if (m_arrUsed[i] != pSlot) continue;
    m_arrUsed.RemoveAt(i);
    m_arrFree.Add(pSlot);
    if (m_arrFree.GetSize() * m_cx == m_nUsedWidth) Reset();
    return;
  }
}

void CTKImageManagerResource::CopyToHandle(CTKImageManagerIconHandle& image,
                                           const TK_IMAGERESOURCE_INFO* pSlot) {
  CTKLockGuard lock(m_cs);
  image.Clear();
  if (pSlot == NULL || m_hbmColor == NULL) return;
  LPBYTE pBits = NULL;
  HBITMAP hDib = Create32BitDIBSection(NULL, m_cx, m_cy, &pBits);
  if (hDib == NULL || pBits == NULL) {
    if (hDib != NULL) ::DeleteObject(hDib);
    return;
  }
  CopyRowsFromSlot(pSlot, pBits);
  if (pSlot->bAlpha) {
    image.SetPremultipliedBitmap(hDib, pBits);
    return;
  }
  HBITMAP hMask = ::CreateBitmap(m_cx, m_cy, 1, 1, NULL);
  HDC hTarget = ::CreateCompatibleDC(m_dc.m_hDC);
  HGDIOBJ hOldTarget = ::SelectObject(hTarget, hMask);
  m_dc.SelectBitmap(m_hbmMask);
  ::BitBlt(hTarget, 0, 0, m_cx, m_cy, m_dc.m_hDC, pSlot->rc.left, 0, SRCCOPY);
  m_dc.ReleaseBitmap();
  ::SelectObject(hTarget, hOldTarget);
  ::DeleteDC(hTarget);
  ICONINFO info = {TRUE, 0, 0, hMask, hDib};
  HICON hIcon = ::CreateIconIndirect(&info);
  ::DeleteObject(hMask);
  ::DeleteObject(hDib);
  if (hIcon != NULL) image.ReplaceIcon(hIcon);
}
