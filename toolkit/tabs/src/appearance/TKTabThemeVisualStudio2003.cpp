// Flat tabs separated by thin lines; the selected tab is raised in a 3D
// outline that opens onto the page.
#include "TKTabThemePlain.h"
#include "tabs/TKTabManager.h"
#include "tabs/TKTabManagerItem.h"
#include "tabs/TKTabPaintManager.h"
#include "tabs/TKTabPaintManagerColorSet.h"

CTKTabThemeVisualStudio2003::CTKTabThemeVisualStudio2003() {
  m_rcHeaderMargin.SetRect(4, 2, 4, 0);
  m_nItemSpacing = -2;
}

CRect CTKTabThemeVisualStudio2003::FillTabControl(CTKTabManager* pStrip, CDC* pDC,
                                                  CRect rcControl) {
  CTKTabPaintManagerColorSet* pColors = GetColorSet();
  const CRect rcHeader = GetHeaderRect(rcControl, pStrip);
  pColors->FillHeader(pDC, rcHeader, pStrip);
  const CRect rcClient = GetClientRect(rcControl, pStrip);
  const COLORREF clrLight = pColors->m_clrFrameHighlight;
  const COLORREF clrDark = pColors->m_clrTextSelected;
  if (m_pPaintManager->m_nClientFrame == 0) {
    pColors->FillClient(pDC, rcClient, pStrip);
    DrawFrame3d(pDC, rcClient, clrLight, clrDark);
  } else if (m_pPaintManager->m_nClientFrame == 1) {
    DrawRectSide(pDC, rcClient, pStrip->GetPosition(), clrLight, clrDark);
  }
  return rcHeader;
}

void CTKTabThemeVisualStudio2003::DrawItem(CDC* pDC, CTKTabManagerItem* pItem) {
  CTKTabPaintManagerColorSet* pColors = GetColorSet();
  const CRect rc = pItem->GetRect();
  const int nPosition = pItem->GetManager()->GetPosition();
  if (pItem->IsSelected()) {
    pColors->FillItem(pDC, rc, pItem);
    CRect rcOutline = rc;
    InflateRectByPosition(rcOutline, 0, 0, 0, 1, nPosition);
    DrawFrame3d(pDC, rcOutline, pColors->m_clrFrameHighlight, pColors->m_clrTextSelected);
  } else if (pItem->GetManager()->IsHorizontal()) {
    FillVerticalLine(pDC, rc.right, rc.top + 2, rc.Height() - 4, pColors->m_clrFrameBorder);
  } else {
    FillHorizontalLine(pDC, rc.left + 2, rc.bottom, rc.Width() - 4, pColors->m_clrFrameBorder);
  }
  m_pPaintManager->DrawItemText(pDC, pItem, rc, TRUE);
}
