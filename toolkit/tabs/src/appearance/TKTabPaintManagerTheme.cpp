// The root appearance: header band, page area, row height and the plain
// drawing order that the paint manager runs.
#include "tabs/TKTabPaintManagerTheme.h"

#include <algorithm>
#include <vector>

#include "TKTabSavedClip.h"
#include "common/TKDCHelpers.h"
#include "common/TKDpiHelper.h"
#include "common/TKScopedHandle.h"
#include "tabs/TKTabManager.h"
#include "tabs/TKTabManagerItem.h"
#include "tabs/TKTabPaintManager.h"
#include "tabs/TKTabPaintManagerColorSet.h"

CTKTabPaintManagerTheme::CTKTabPaintManagerTheme() : m_rcHeaderMargin(0, 0, 0, 0) {}

CTKTabPaintManagerColorSet* CTKTabPaintManagerTheme::GetColorSet() const {
  return m_pPaintManager->GetColorSet();
}

int CTKTabPaintManagerTheme::GetStripPosition(const CTKTabManager* pStrip) const {
  return pStrip != NULL ? pStrip->GetPosition() : m_pPaintManager->GetPosition();
}

void CTKTabPaintManagerTheme::RefreshMetrics() {
  CTKScopedWindowDC screen(NULL);
  CDC* pDC = CDC::FromHandle(screen.Get());
  CTKFontDC font(pDC, m_pPaintManager->GetFont(FALSE));
  const int nHeight = pDC->GetTextExtent(CString(" ")).cy;
  m_nRowHeight = nHeight >= 15 ? nHeight + 3 : 18;
}

int CTKTabPaintManagerTheme::GetRowHeight(const CTKTabManager* pStrip) const {
  const CRect& rcButton = m_pPaintManager->m_rcButtonMargin;
  const int nBase = rcButton.top + rcButton.bottom;
  int nHeight = nBase + m_nRowHeight;
  if (pStrip != NULL) {
    CSize szMin(0, 0);
    pStrip->GetItemMetrics(NULL, &szMin, NULL);
    nHeight = std::max(nHeight, static_cast<int>(szMin.cy));
  }
  if (m_pPaintManager->m_bShowIcons) {
    CSize szIcon = m_pPaintManager->m_szIcon;
    if (pStrip != NULL) const_cast<CTKTabManager*>(pStrip)->DrawIcon(NULL, CPoint(), NULL, FALSE, szIcon);
    nHeight = std::max(nHeight, static_cast<int>(std::max(szIcon.cx, szIcon.cy)) + nBase + 4);
  }
  return nHeight;
}

int CTKTabPaintManagerTheme::GetHeaderHeight(const CTKTabManager* pStrip) const {
  if (!m_pPaintManager->m_bShowTabs) return 0;
  const int nRows = std::max(1, pStrip->GetRowTable().GetRowCount());
  int nContent = nRows * GetRowHeight(pStrip) + (nRows - 1) * m_nItemSpacing;
  if (m_pPaintManager->GetLayout() == tkTabLayoutRotated) {
    for (int i = 0; i < pStrip->GetItemCount(); ++i)
      nContent = std::max(nContent, pStrip->GetItem(i)->GetLength());
  }
  const CRect rcMargin = GetHeaderMargin();
  return rcMargin.top + rcMargin.bottom + nContent;
}

CRect CTKTabPaintManagerTheme::GetHeaderRect(CRect rc, const CTKTabManager* pStrip) const {
  const int nHeight = GetHeaderHeight(pStrip);
  switch (GetStripPosition(pStrip)) {
    case tkTabPositionLeft: rc.right = rc.left + nHeight; break;
    case tkTabPositionBottom: rc.top = rc.bottom - nHeight; break;
    case tkTabPositionRight: rc.left = rc.right - nHeight; break;
    default: rc.bottom = rc.top + nHeight; break;
  }
  return rc;
}

CRect CTKTabPaintManagerTheme::GetHeaderClipBox(CDC* pDC, const CTKTabManager* pStrip) const {
  CRect rcClip;
  pDC->GetClipBox(rcClip);
  CRect rc;
  rc.IntersectRect(rcClip, pStrip->GetHeaderRect());
  return rc;
}

CRect CTKTabPaintManagerTheme::GetClientRect(CRect rc, const CTKTabManager* pStrip) const {
  if (!m_pPaintManager->m_bShowTabs) return rc;
  const CRect rcHeader = GetHeaderRect(rc, pStrip);
  switch (GetStripPosition(pStrip)) {
    case tkTabPositionLeft: rc.left = rcHeader.right - 1; break;
    case tkTabPositionBottom: rc.bottom = rcHeader.top + 1; break;
    case tkTabPositionRight: rc.right = rcHeader.left + 1; break;
    default: rc.top = rcHeader.bottom - 1; break;
  }
  return rc;
}

void CTKTabPaintManagerTheme::FrameClient(CTKTabManager* pStrip, CDC* pDC, CRect rcClient,
                                          COLORREF clrFrame) {
  const int nFrame = m_pPaintManager->m_nClientFrame;
  if (nFrame != 0 && nFrame != 1) return;
  GetColorSet()->FillClient(pDC, rcClient, pStrip);
  if (nFrame == 0)
    DrawFrame3d(pDC, rcClient, clrFrame, clrFrame);
  else
    DrawRectSide(pDC, rcClient, pStrip->GetPosition(), clrFrame, clrFrame);
}

CRect CTKTabPaintManagerTheme::WidenByHalfHeight(const CTKTabManagerItem* pItem) {
  CRect rc = pItem->GetRect();
  if (pItem->GetManager()->IsHorizontal())
    rc.InflateRect(rc.Height() / 2, 0);
  else
    rc.InflateRect(0, rc.Width() / 2);
  return rc;
}

CRect CTKTabPaintManagerTheme::GetClientMargin(const CTKTabManager*) const {
  return m_pPaintManager->m_rcClientMargin;
}

int CTKTabPaintManagerTheme::GetItemLength(CDC* pDC, CTKTabManagerItem* pItem) {
  return m_pPaintManager->DrawItemText(pDC, pItem, CRect(), FALSE);
}

CRect CTKTabPaintManagerTheme::GetItemDrawRect(const CTKTabManagerItem* pItem) const {
  CRect rc = pItem->GetRect();
  rc.InflateRect(2, 2);
  return rc;
}

void CTKTabPaintManagerTheme::DrawTabControl(CTKTabManager* pStrip, CDC* pDC, CRect rcControl) {
  m_pPaintManager->PaintStripBody(pStrip, pDC, rcControl);
}

CRect CTKTabPaintManagerTheme::FillTabControl(CTKTabManager*, CDC*, CRect) { return CRect(); }

void CTKTabPaintManagerTheme::RepositionTabControl(CTKTabManager* pStrip, CDC* pDC, CRect rc) {
  m_pPaintManager->LayoutItems(pStrip, pDC, rc);
}

void CTKTabPaintManagerTheme::AdjustClientRect(const CTKTabManager* pStrip, CRect& rc) const {
  const int nPosition = GetStripPosition(pStrip);
  const CRect& m = m_pPaintManager->m_rcControlMargin;
  DeflateRectByPosition(rc, m.left, m.top, m.right, m.bottom, nPosition);
  rc = GetClientRect(rc, pStrip);
  const CRect c = GetClientMargin(pStrip);
  DeflateRectByPosition(rc, c.left, c.top, c.right, c.bottom, nPosition);
  if (m_pPaintManager->m_nClientFrame == 0)
    DeflateRectByPosition(rc, 2, 2, 2, 2, nPosition);
  else if (m_pPaintManager->m_nClientFrame == 1)
    DeflateRectByPosition(rc, 0, 2, 0, 0, nPosition);
}

void CTKTabPaintManagerTheme::DrawItem(CDC*, CTKTabManagerItem*) {}

int CTKTabPaintManagerTheme::DrawWorkspacePart(CDC* pDC, CRect& rc, int nPart) {
  CTKTabPaintManagerColorSet* pColors = GetColorSet();
  CTKDpiHelper* pDpi = TKDpiHelper();
  if (!m_pPaintManager->m_bControlFrame) {
    if (nPart == 1) {
      rc.InflateRect(pDpi->ScaleX(2), pDpi->ScaleY(2));
      return pDpi->ScaleY(2);
    }
    if (nPart == 2 || nPart == 3) pDC->FillSolidRect(rc, pColors->m_clrHeaderFace.m_clrLight);
    return 0;
  }
  switch (nPart) {
    case 0: {
      CRect rcInner = rc;
      rcInner.left += 1;
      DrawFrame3d(pDC, rcInner, GetSysColor(COLOR_BTNFACE), GetSysColor(COLOR_BTNFACE));
      DrawFrame3d(pDC, rc, pColors->m_clrFrameBorder, pColors->m_clrFrameBorder);
      return 0;
    }
    case 1:
      rc.top -= pDpi->ScaleY(1);
      return pDpi->ScaleY(1);
    case 2:
      pDC->FillSolidRect(rc, pColors->m_clrControlFace);
      pDC->FillSolidRect(rc.right - pDpi->ScaleX(1), rc.top, pDpi->ScaleX(1), rc.Height(),
                         pColors->m_clrFrameBorder);
      return 0;
    case 3:
      pDC->FillSolidRect(rc, pColors->m_clrControlFace);
      pDC->FillSolidRect(rc.left, rc.bottom - pDpi->ScaleY(1), rc.Width(), pDpi->ScaleY(1),
                         pColors->m_clrFrameBorder);
      return 0;
    default:
      return 0;
  }
}

void CTKTabPaintManagerTheme::DrawText(CDC* pDC, CTKTabManagerItem*, const CString& strText,
                                       LPRECT lpRect, UINT nFormat) {
  pDC->DrawText(strText, strText.GetLength(), lpRect, nFormat);
}

COLORREF CTKTabPaintManagerTheme::FillItemPolygon(CDC* pDC, CTKTabManagerItem* pItem,
                                                  const POINT* pPoints, int nCount, int,
                                                  BOOL bAbsolute) {
  std::vector<POINT> points(pPoints, pPoints + nCount);
  if (!bAbsolute) {
    for (int i = 1; i < nCount; ++i) {
      points[i].x += points[i - 1].x;
      points[i].y += points[i - 1].y;
    }
  }
  HDC hDC = pDC->GetSafeHdc();
  CTKTabSavedClip clip(hDC);
  std::vector<POINT> device(points);
  if (nCount > 0) ::LPtoDP(hDC, device.data(), nCount);
  CTKScopedRgn rgn(nCount > 0 ? ::CreatePolygonRgn(device.data(), nCount, ALTERNATE) : NULL);
  CRect rcBox;
  if (rgn) {
    ::GetRgnBox(rgn.Get(), rcBox);
    ::ExtSelectClipRgn(hDC, rgn.Get(), RGN_AND);
  }
  // The box in logical coordinates: its size is the same in both.
  CRect rcLogical = rcBox;
  ::DPtoLP(hDC, reinterpret_cast<POINT*>(&rcLogical), 2);
  rcLogical.NormalizeRect();
  COLORREF clr = CLR_NONE;
  if (!rcLogical.IsRectEmpty()) {
    CTKScopedCreatedDC memDC(::CreateCompatibleDC(hDC));
    CTKScopedBitmap bitmap(::CreateCompatibleBitmap(hDC, rcLogical.Width(), rcLogical.Height()));
    if (memDC && bitmap) {
      CTKSelectGuard select(memDC.Get(), bitmap.Get());
      clr = GetColorSet()->FillItem(CDC::FromHandle(memDC.Get()),
                                    CRect(0, 0, rcLogical.Width(), rcLogical.Height()), pItem);
      ::BitBlt(hDC, rcLogical.left, rcLogical.top, rcLogical.Width(), rcLogical.Height(),
               memDC.Get(), 0, 0, SRCCOPY);
    }
  } else {
    CTKScopedCreatedDC memDC(::CreateCompatibleDC(hDC));
    clr = GetColorSet()->FillItem(CDC::FromHandle(memDC.Get()), CRect(), pItem);
  }
  clip.Restore();
  return clr;
}
