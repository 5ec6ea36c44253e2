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
#include "TKTabTurnedDraw.h"

namespace {

const COLORREF kMagenta = 0xFF00FF;

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
  TKTabDrawTurned(pDC, rc, pItem->GetManager()->GetPosition(), bCopyBackground,
                  GetColorSet()->m_clrHeaderFace.m_clrLight,
                  [&](CDC* pTopDC, CRect rcTop) { DrawItemBackground(pTopDC, pItem, rcTop); });
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
