// The image-based looks: Office 2007 property-page tabs and Access document
// tabs, drawn for a top strip and turned for the other positions.
#include <vector>

#include "common/TKResourceImage.h"
#include "common/TKResourceImages.h"
#include "common/TKScopedHandle.h"
#include "tabs/TKTabManager.h"
#include "tabs/TKTabManagerItem.h"
#include "tabs/TKTabPaintManager.h"
#include "tabs/TKTabPaintManagerColorSet.h"
#include "TKTabThemePropertyPage.h"

namespace {

const COLORREF kMagenta = 0xFF00FF;

/// Pixel (x, y) of the tab as it stands at `nPosition` taken from pixel
/// (u, v) of the top-strip image of width `nTopWidth` and height `nTopHeight`.
void TopPixelOf(int nPosition, int x, int y, int nWidth, int nHeight, int& u, int& v) {
  switch (nPosition) {
    case tkTabPositionLeft: u = y; v = x; break;                     // transposed
    case tkTabPositionBottom: u = x; v = nHeight - 1 - y; break;     // rows mirrored
    case tkTabPositionRight: u = y; v = nWidth - 1 - x; break;       // quarter turn clockwise
    default: u = x; v = y; break;
  }
}

}  // namespace

CAppearanceSetPropertyPage2007::CAppearanceSetPropertyPage2007() {
  m_rcHeaderMargin.SetRect(4, 1, 0, 0);
}

CRect CAppearanceSetPropertyPage2007::FillTabControl(CTKTabManager* pStrip, CDC* pDC,
                                                     CRect rcControl) {
  CTKTabPaintManagerColorSet* pColors = GetColorSet();
  const CRect rcHeader = GetHeaderRect(rcControl, pStrip);
  pDC->FillSolidRect(rcHeader, pColors->m_clrHeaderFace.m_clrLight);
  const CRect rcClient = GetClientRect(rcControl, pStrip);
  if (m_pPaintManager->m_nClientFrame == 0) {
    CTKResourceImage* pImage = TKResourceImages()->LoadImage("TABCONTROLPAGE");
    if (pImage == NULL) pImage = TKResourceImages()->LoadImage("RIBBONGROUPS");
    if (pImage != NULL)
      pImage->DrawImage(pDC, rcClient, pImage->GetSourceRect(0, 1), CRect(8, 8, 8, 8));
  } else if (m_pPaintManager->m_nClientFrame == 1) {
    DrawRectSide(pDC, rcClient, pStrip->GetPosition(), pColors->m_clrClassicShadow,
                 pColors->m_clrClassicShadow);
  }
  return rcHeader;
}

void CAppearanceSetPropertyPage2007::DrawItemBackground(CDC* pDC, CTKTabManagerItem* pItem,
                                                        CRect rc) {
  CTKResourceImage* pImage = TKResourceImages()->LoadImage("RIBBONTAB");
  if (pImage == NULL) {
    GetColorSet()->FillItem(pDC, rc, pItem);
    return;
  }
  const BOOL bSelected = pItem->IsSelected();
  const int nState = bSelected && pItem->GetManager()->IsFocusVisible() ? 5
                     : bSelected && pItem->IsHighlighted()               ? 4
                     : bSelected                                         ? 3
                     : pItem->IsPressed()                                ? 2
                     : pItem->IsHighlighted()                            ? 1
                                                                         : 0;
  pImage->DrawImageTransparent(pDC, rc, pImage->GetSourceRect(nState, 6), CRect(5, 5, 5, 5),
                               kMagenta);
}

void CAppearanceSetPropertyPage2007::DrawRotatedItem(CDC* pDC, CRect rc, CTKTabManagerItem* pItem,
                                                     BOOL bCopyBackground) {
  const int nPosition = pItem->GetManager()->GetPosition();
  const BOOL bTransposed = nPosition == tkTabPositionLeft || nPosition == tkTabPositionRight;
  const int w = rc.Width(), h = rc.Height();
  const int aw = bTransposed ? h : w, ah = bTransposed ? w : h;
  if (w <= 0 || h <= 0) return;

  HDC hDC = pDC->GetSafeHdc();
  BITMAPINFO bmi = {};
  bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  bmi.bmiHeader.biPlanes = 1;
  bmi.bmiHeader.biBitCount = 32;
  bmi.bmiHeader.biCompression = BI_RGB;
  void* pA = NULL;
  void* pB = NULL;
  bmi.bmiHeader.biWidth = aw;
  bmi.bmiHeader.biHeight = -ah;
  CTKScopedBitmap bitmapA(::CreateDIBSection(hDC, &bmi, DIB_RGB_COLORS, &pA, NULL, 0));
  bmi.bmiHeader.biWidth = w;
  bmi.bmiHeader.biHeight = -h;
  CTKScopedBitmap bitmapB(::CreateDIBSection(hDC, &bmi, DIB_RGB_COLORS, &pB, NULL, 0));
  CTKScopedCreatedDC dcA(::CreateCompatibleDC(hDC));
  CTKScopedCreatedDC dcB(::CreateCompatibleDC(hDC));
  if (!bitmapA || !bitmapB || !dcA || !dcB) return;
  CTKSelectGuard selectA(dcA.Get(), bitmapA.Get());
  CTKSelectGuard selectB(dcB.Get(), bitmapB.Get());
  DWORD* a = static_cast<DWORD*>(pA);
  DWORD* b = static_cast<DWORD*>(pB);

  if (bCopyBackground) {
    ::BitBlt(dcB.Get(), 0, 0, w, h, hDC, rc.left, rc.top, SRCCOPY);
    ::GdiFlush();
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) {
        int u, v;
        TopPixelOf(nPosition, x, y, w, h, u, v);
        a[v * aw + u] = b[y * w + x];
      }
  } else {
    CDC::FromHandle(dcA.Get())->FillSolidRect(0, 0, aw, ah, GetColorSet()->m_clrHeaderFace.m_clrLight);
  }
  DrawItemBackground(CDC::FromHandle(dcA.Get()), pItem, CRect(0, 0, aw, ah));
  ::GdiFlush();
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      int u, v;
      TopPixelOf(nPosition, x, y, w, h, u, v);
      b[y * w + x] = a[v * aw + u];
    }
  ::BitBlt(hDC, rc.left, rc.top, w, h, dcB.Get(), 0, 0, SRCCOPY);
}

void CAppearanceSetPropertyPage2007::DrawItem(CDC* pDC, CTKTabManagerItem* pItem) {
  if (pItem->IsSelected() || pItem->IsHighlighted()) {
    if (pItem->GetManager()->GetPosition() == tkTabPositionTop)
      DrawItemBackground(pDC, pItem, pItem->GetRect());
    else
      DrawRotatedItem(pDC, pItem->GetRect(), pItem, FALSE);
  }
  m_pPaintManager->DrawItemText(pDC, pItem, pItem->GetRect(), TRUE);
}

void CAppearanceSetPropertyPageAccess2007::RefreshMetrics() {
  CAppearanceSetPropertyPage2007::RefreshMetrics();
  if (m_nRowHeight < 24) m_nRowHeight = 24;
}

CRect CAppearanceSetPropertyPageAccess2007::GetHeaderMargin() const {
  CRect rc = m_rcHeaderMargin;
  rc.right += GetRowHeight(NULL) / 2;
  return rc;
}

CRect CAppearanceSetPropertyPageAccess2007::GetItemDrawRect(const CTKTabManagerItem* pItem) const {
  CRect rc = pItem->GetRect();
  const int nHalf = GetRowHeight(NULL) / 2;
  if (pItem->GetManager()->IsHorizontal())
    rc.right += nHalf;
  else
    rc.bottom += nHalf;
  return rc;
}

CRect CAppearanceSetPropertyPageAccess2007::FillTabControl(CTKTabManager* pStrip, CDC* pDC,
                                                           CRect rcControl) {
  CTKTabPaintManagerColorSet* pColors = GetColorSet();
  const CRect rcHeader = GetHeaderRect(rcControl, pStrip);
  pDC->FillSolidRect(rcHeader, pColors->m_clrHeaderFace.m_clrLight);
  FrameClient(pStrip, pDC, GetClientRect(rcControl, pStrip), pColors->m_clrFrameBorder);
  return rcHeader;
}

void CAppearanceSetPropertyPageAccess2007::DrawItemBackground(CDC* pDC, CTKTabManagerItem* pItem,
                                                              CRect rc) {
  CTKResourceImage* pImage = TKResourceImages()->LoadImage("ACCESSTAB");
  if (pImage == NULL) {
    CRect rcFill = rc;
    rcFill.right -= 10;
    GetColorSet()->FillItem(pDC, rcFill, pItem);
    return;
  }
  const BOOL bSelected = pItem->IsSelected();
  const BOOL bHot = pItem->IsHighlighted();
  const int nState = bSelected ? (bHot ? 3 : 2) : (bHot ? 1 : 0);
  pImage->DrawImageTransparent(pDC, rc, pImage->GetSourceRect(nState, 4), CRect(5, 10, 22, 10),
                               kMagenta);
}

void CAppearanceSetPropertyPageAccess2007::DrawItem(CDC* pDC, CTKTabManagerItem* pItem) {
  if (!TKResourceImages()->IsLoaded()) return;
  const BOOL bHorizontal = pItem->GetManager()->IsHorizontal();
  CRect rc = pItem->GetRect();
  const int nOverlap = GetRowHeight(NULL) / 2 - 1;
  if (bHorizontal)
    rc.right += nOverlap;
  else
    rc.bottom += nOverlap;
  if (pItem->GetManager()->GetPosition() == tkTabPositionTop)
    DrawItemBackground(pDC, pItem, rc);
  else
    DrawRotatedItem(pDC, rc, pItem, TRUE);
  m_pPaintManager->DrawItemText(pDC, pItem, pItem->GetRect(), TRUE);
}
