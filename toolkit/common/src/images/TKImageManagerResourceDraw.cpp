// Drawing atlas slots: alpha slots by alpha blending, icon slots by their mask
// and colours, or through an alpha blend made of the two.
#include "common/TKImageManagerResource.h"

#include "common/TKBitmapFunctions.h"
#include "common/TKImageManager.h"
#include "common/TKRWCriticalSection.h"

void CTKImageManagerResource::DrawSlot(CDC* pDC, const TK_IMAGERESOURCE_INFO* pSlot, int x, int y,
                                       int cx, int cy, BOOL bDrawWithAlpha) {
  if (pDC == NULL || pSlot == NULL) return;
  CTKLockGuard lock(m_cs);
  if (!m_color) return;
  const CRect rcSlot(pSlot->rc);
  if (pSlot->bAlpha) {
    m_dc.SelectBitmap(m_color.Get());
    CTKImageManager::AlphaBlend(pDC->m_hDC, CRect(x, y, x + cx, y + cy), m_dc.m_hDC, rcSlot);
    m_dc.ReleaseBitmap();
    return;
  }
  const int nOldMode = ::SetStretchBltMode(pDC->m_hDC, HALFTONE);
  if (bDrawWithAlpha) {
    DrawSlotWithAlpha(pDC, pSlot, x, y, cx, cy);
  } else {
    if (m_pImageManager != NULL && m_pImageManager->IsMirrorDraw(pDC)) {
      x += cx;
      cx = -cx;
    }
    m_dc.SelectBitmap(m_mask.Get());
    ::SetTextColor(m_dc.m_hDC, RGB(0, 0, 0));
    ::SetBkColor(m_dc.m_hDC, RGB(255, 255, 255));
    const COLORREF clrOldText = ::SetTextColor(pDC->m_hDC, RGB(0, 0, 0));
    const COLORREF clrOldBack = ::SetBkColor(pDC->m_hDC, RGB(255, 255, 255));
    ::StretchBlt(pDC->m_hDC, x, y, cx, cy, m_dc.m_hDC, rcSlot.left, 0, m_cx, m_cy, SRCAND);
    m_dc.SelectBitmap(m_color.Get());
    ::StretchBlt(pDC->m_hDC, x, y, cx, cy, m_dc.m_hDC, rcSlot.left, 0, m_cx, m_cy, SRCINVERT);
    ::SetTextColor(pDC->m_hDC, clrOldText);
    ::SetBkColor(pDC->m_hDC, clrOldBack);
    m_dc.ReleaseBitmap();
  }
  ::SetStretchBltMode(pDC->m_hDC, nOldMode);
}

void CTKImageManagerResource::DrawSlotWithAlpha(CDC* pDC, const TK_IMAGERESOURCE_INFO* pSlot, int x,
                                                int y, int cx, int cy) {
  if (pDC == NULL || pSlot == NULL || cx <= 0 || cy <= 0) return;
  CTKLockGuard lock(m_cs);
  if (!m_color) return;
  LPBYTE pMaskBits = NULL, pColorBits = NULL;
  CTKScopedBitmap maskDib(Create32BitDIBSection(pDC->m_hDC, cx, cy, &pMaskBits));
  CTKScopedBitmap colorDib(Create32BitDIBSection(pDC->m_hDC, cx, cy, &pColorBits));
  CTKScopedCreatedDC work(::CreateCompatibleDC(pDC->m_hDC));
  if (!maskDib || !colorDib || !work) return;
  HDC hWork = work.Get();
  // The mask, stretched to the destination size: black (0) where the icon is opaque.
  CTKSelectGuard selectWork(hWork, maskDib.Get());
  ::SetBkColor(hWork, RGB(255, 255, 255));
  ::SetTextColor(hWork, RGB(0, 0, 0));
  ::SetStretchBltMode(hWork, HALFTONE);
  m_dc.SelectBitmap(m_mask.Get());
  ::StretchBlt(hWork, 0, 0, cx, cy, m_dc.m_hDC, pSlot->rc.left, 0, m_cx, m_cy, SRCCOPY);
  ::SelectObject(hWork, colorDib.Get());
  m_dc.SelectBitmap(m_color.Get());
  ::StretchBlt(hWork, 0, 0, cx, cy, m_dc.m_hDC, pSlot->rc.left, 0, m_cx, m_cy, SRCCOPY);
  m_dc.ReleaseBitmap();
  ::GdiFlush();
  // Opaque pixels get their colour at full alpha, the rest become clear.
  DWORD* pMask = reinterpret_cast<DWORD*>(pMaskBits);
  DWORD* pColor = reinterpret_cast<DWORD*>(pColorBits);
  for (int i = 0; i < cx * cy; ++i)
    pColor[i] = (pMask[i] & 0x00FFFFFF) == 0 ? (pColor[i] | 0xFF000000) : 0;
  CTKImageManager::AlphaBlend(pDC->m_hDC, CRect(x, y, x + cx, y + cy), hWork, CRect(0, 0, cx, cy));
}
