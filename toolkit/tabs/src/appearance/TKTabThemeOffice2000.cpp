// Classic raised 3D tabs on a 3D-framed page.
#include "TKTabShapeFrame.h"
#include "tabs/TKTabManager.h"
#include "tabs/TKTabManagerItem.h"
#include "tabs/TKTabPaintManager.h"
#include "tabs/TKTabPaintManagerColorSet.h"
#include "TKTabThemePropertyPage.h"

CTKTabThemeOffice2000::CTKTabThemeOffice2000() { m_rcHeaderMargin.SetRect(2, 3, 6, 0); }

CRect CTKTabThemeOffice2000::GetClientMargin(const CTKTabManager* pStrip) const {
  CRect rc = m_pPaintManager->m_rcClientMargin;
  if (GetColorSet()->IsAppThemed() && m_pPaintManager->m_nClientFrame == 0) {
    rc.right += 2;
    const int nPosition = GetStripPosition(pStrip);
    if (nPosition == tkTabPositionTop || nPosition == tkTabPositionLeft) rc.bottom += 2;
  }
  return rc;
}

CRect CTKTabThemeOffice2000::GetHeaderClipBox(CDC* pDC, const CTKTabManager* pStrip) const {
  CRect rcHeader = pStrip->GetHeaderRect();
  const int nPosition = pStrip->GetPosition();
  if (nPosition == tkTabPositionBottom) rcHeader.top -= 1;
  if (nPosition == tkTabPositionRight) rcHeader.left -= 1;
  CRect rcClip;
  pDC->GetClipBox(rcClip);
  CRect rc;
  rc.IntersectRect(rcClip, rcHeader);
  return rc;
}

CRect CTKTabThemeOffice2000::FillTabControl(CTKTabManager* pStrip, CDC* pDC, CRect rcControl) {
  CTKTabPaintManagerColorSet* pColors = GetColorSet();
  const int nPosition = pStrip->GetPosition();
  CRect rcHeader = GetHeaderRect(rcControl, pStrip);
  InflateRectByPosition(rcHeader, 0, 0, 0, 1, nPosition);
  pColors->FillHeader(pDC, rcHeader, pStrip);
  const CRect rc = GetClientRect(rcControl, pStrip);
  const COLORREF clrHighlight = pColors->m_clrClassicHighlight;
  const COLORREF clrDark = pColors->m_clrClassicDarkShadow;
  const COLORREF clrShadow = pColors->m_clrClassicShadow;
  if (m_pPaintManager->m_nClientFrame == 0) {
    pColors->FillClient(pDC, rc, pStrip);
    if (clrHighlight != CLR_NONE && clrDark != CLR_NONE) pDC->Draw3dRect(rc, clrHighlight, clrDark);
    FillHorizontalLine(pDC, rc.left + 1, rc.bottom - 2, rc.Width() - 2, clrShadow);
    FillVerticalLine(pDC, rc.right - 2, rc.top + 1, rc.Height() - 2, clrShadow);
  } else if (m_pPaintManager->m_nClientFrame == 1) {
    switch (nPosition) {
      case tkTabPositionTop: FillHorizontalLine(pDC, rc.left, rc.top, rc.Width(), clrHighlight); break;
      case tkTabPositionLeft: FillVerticalLine(pDC, rc.left, rc.top, rc.Height(), clrHighlight); break;
      case tkTabPositionBottom:
        FillHorizontalLine(pDC, rc.left, rc.bottom - 1, rc.Width(), clrDark);
        FillHorizontalLine(pDC, rc.left, rc.bottom - 2, rc.Width(), clrShadow);
        break;
      case tkTabPositionRight:
        FillVerticalLine(pDC, rc.right - 1, rc.top, rc.Height(), clrDark);
        FillVerticalLine(pDC, rc.right - 2, rc.top, rc.Height(), clrShadow);
        break;
      default:
        break;
    }
  }
  return rcHeader;
}

void CTKTabThemeOffice2000::DrawClassicTab(CDC* pDC, CTKTabManagerItem* pItem) {
  const int nPosition = pItem->GetManager()->GetPosition();
  CRect rcItem = pItem->GetRect();
  if (pItem->IsSelected()) InflateRectByPosition(rcItem, 2, 2, 2, 0, nPosition);
  const CTKTabShapeFrame frame(rcItem, nPosition);
  const CRect rc = frame.GetTopRect();
  const int L = rc.left, T = rc.top, R = rc.right, B = rc.bottom;
  CTKTabPaintManagerColorSet* pColors = GetColorSet();
  const COLORREF clrFill =
      pColors->FillItem(pDC, frame.MapRect(CRect(L + 1, T + 1, R - 1, B - 1)), pItem);
  const COLORREF clrHighlight = pColors->m_clrClassicHighlight;
  frame.Column(pDC, L, T + 2, B - 1, clrHighlight);
  frame.Pixel(pDC, L + 1, T + 1, clrHighlight);
  frame.Row(pDC, L + 2, R - 3, T, clrHighlight);
  const COLORREF clrDark = pColors->m_clrClassicDarkShadow;
  frame.Pixel(pDC, R - 2, T + 1, clrDark);
  frame.Column(pDC, R - 1, T + 2, B - 2, clrDark);
  frame.Column(pDC, R - 2, T + 2, B - 2, pColors->m_clrClassicShadow);
  if (pItem->IsSelected() && pItem->GetRow() == 0) frame.Row(pDC, L + 1, R - 3, B - 1, clrFill);
  m_pPaintManager->DrawItemText(pDC, pItem, rcItem, TRUE);
}

void CTKTabThemeOffice2000::DrawItem(CDC* pDC, CTKTabManagerItem* pItem) {
  DrawClassicTab(pDC, pItem);
}

void CAppearanceSetPropertyPageSelected::DrawItem(CDC* pDC, CTKTabManagerItem* pItem) {
  if (pItem->IsSelected() || pItem->IsHighlighted())
    DrawClassicTab(pDC, pItem);
  else
    m_pPaintManager->DrawItemText(pDC, pItem, pItem->GetRect(), TRUE);
}
