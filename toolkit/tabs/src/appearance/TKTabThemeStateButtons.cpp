// Tabs as toggle buttons on a band in the colour set's button colour.
#include "TKTabThemePlain.h"
#include "tabs/TKTabManager.h"
#include "tabs/TKTabManagerItem.h"
#include "tabs/TKTabPaintManager.h"
#include "tabs/TKTabPaintManagerColorSet.h"

// The inner margin and the zero spacing keep the buttons off the page area
// and off each other's separators.
CAppearanceSetStateButtons::CAppearanceSetStateButtons() {
  m_rcHeaderMargin.SetRect(2, 2, 4, 2);
  m_nItemSpacing = 0;
}

CRect CAppearanceSetStateButtons::FillTabControl(CTKTabManager* pStrip, CDC* pDC, CRect rcControl) {
  const CRect rcHeader = GetHeaderRect(rcControl, pStrip);
  const COLORREF clrBand = GetColorSet()->m_clrButtonNormal;
  if (clrBand != CLR_NONE) pDC->FillSolidRect(rcHeader, clrBand);
  return rcHeader;
}

void CAppearanceSetStateButtons::DrawItem(CDC* pDC, CTKTabManagerItem* pItem) {
  GetColorSet()->FillStateButton(pDC, pItem->GetRect(), pItem);
  m_pPaintManager->DrawItemText(pDC, pItem, pItem->GetRect(), TRUE);
}
