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
    : m_pBits(NULL), m_pImageManager(pImageManager), m_cx(cx), m_cy(cy), m_nUsedWidth(0) {
  CTKScopedWindowDC screen(NULL);
  m_dc.Attach(::CreateCompatibleDC(screen.Get()));
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
  m_color.Reset();
  m_mask.Reset();
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
  // Without its memory DC the atlas can neither fill nor draw a slot.
  if (m_dc.m_hDC == NULL) return FALSE;
  LPBYTE pBits = NULL;
  CTKScopedBitmap color(Create32BitDIBSection(NULL, cxNew, m_cy, &pBits));
  CTKScopedBitmap mask(::CreateBitmap(cxNew, m_cy, 1, 1, NULL));
  if (!color || pBits == NULL || !mask) return FALSE;
  memset(pBits, 0, (size_t)cxNew * m_cy * 4);
  if (m_color) {
    CTKScopedCreatedDC target(::CreateCompatibleDC(m_dc.m_hDC));
    if (!target) return FALSE;
    ::GdiFlush();
    for (int row = 0; row < m_cy; ++row)
      memcpy(pBits + (size_t)row * cxNew * 4, m_pBits + (size_t)row * m_nUsedWidth * 4,
             (size_t)m_nUsedWidth * 4);
    CTKSelectGuard selectMask(target.Get(), mask.Get());
    m_dc.SelectBitmap(m_mask.Get());
    ::BitBlt(target.Get(), 0, 0, m_nUsedWidth, m_cy, m_dc.m_hDC, 0, 0, SRCCOPY);
    m_dc.ReleaseBitmap();
  }
  m_color = std::move(color);
  m_mask = std::move(mask);
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
    CTKScopedIconInfo info(hIcon);
    if (info) {
      BOOL bAlpha = -1;
      LPBYTE pBits = NULL;
      CTKScopedBitmap copy(
          info.GetColor() != NULL ? PremultiplyBitmap32(info.GetColor(), &bAlpha, &pBits) : NULL);
      BITMAP bitmap = {};
      if (copy) ::GetObject(copy.Get(), sizeof bitmap, &bitmap);
      if (bAlpha == TRUE && bitmap.bmWidth == m_cx && bitmap.bmHeight == m_cy) {
        CopyRowsIntoSlot(pBits, pSlot);
        pSlot->bAlpha = TRUE;
        return TRUE;
      }
    }
  }
  const RECT& rc = pSlot->rc;
  m_dc.SelectBitmap(m_color.Get());
  ::PatBlt(m_dc.m_hDC, rc.left, 0, m_cx, m_cy, BLACKNESS);
  ::DrawIconEx(m_dc.m_hDC, rc.left, 0, hIcon, m_cx, m_cy, 0, NULL, DI_NORMAL);
  m_dc.SelectBitmap(m_mask.Get());
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
  if (pSlot == NULL || !m_color) return;
  LPBYTE pBits = NULL;
  CTKScopedBitmap dib(Create32BitDIBSection(NULL, m_cx, m_cy, &pBits));
  if (!dib || pBits == NULL) return;
  CopyRowsFromSlot(pSlot, pBits);
  if (pSlot->bAlpha) {
    image.SetPremultipliedBitmap(dib.Detach(), pBits);
    return;
  }
  CTKScopedBitmap mask(::CreateBitmap(m_cx, m_cy, 1, 1, NULL));
  CTKScopedCreatedDC target(::CreateCompatibleDC(m_dc.m_hDC));
  if (!mask || !target) return;
  {
    CTKSelectGuard selectMask(target.Get(), mask.Get());
    m_dc.SelectBitmap(m_mask.Get());
    ::BitBlt(target.Get(), 0, 0, m_cx, m_cy, m_dc.m_hDC, pSlot->rc.left, 0, SRCCOPY);
    m_dc.ReleaseBitmap();
  }
  ICONINFO info = {TRUE, 0, 0, mask.Get(), dib.Get()};
  HICON hIcon = ::CreateIconIndirect(&info);
  if (hIcon != NULL) image.ReplaceIcon(hIcon);
}
