// Slanted Office 2003 tabs and the curved Visual Studio 2005 document tabs.
#include "TKTabShapeFrame.h"
#include "tabs/TKTabManager.h"
#include "tabs/TKTabManagerItem.h"
#include "tabs/TKTabPaintManager.h"
#include "tabs/TKTabPaintManagerColorSet.h"
#include "TKTabThemePropertyPage.h"

namespace {

template <int N>
void FillAndOutline(CTKTabPaintManagerTheme* pTheme, CDC* pDC, CTKTabManagerItem* pItem,
                    const CTKTabShapeFrame& frame, const POINT (&fill)[N], int nPosition) {
  POINT device[N];
  frame.MapPoints(fill, device, N);
  pTheme->FillItemPolygon(pDC, pItem, device, N, nPosition, TRUE);
}

}  // namespace

CAppearanceSetPropertyPage2003::CAppearanceSetPropertyPage2003() {
  m_rcHeaderMargin.SetRect(2, 3, 6, 0);
}

CRect CAppearanceSetPropertyPage2003::GetHeaderMargin() const {
  CRect rc = m_rcHeaderMargin;
  rc.left += GetRowHeight(NULL);
  return rc;
}

CRect CAppearanceSetPropertyPage2003::GetItemDrawRect(const CTKTabManagerItem* pItem) const {
  CRect rc = pItem->GetRect();
  if (pItem->GetManager()->IsHorizontal()) {
    rc.left -= rc.Height();
    rc.right += 2;
  } else {
    rc.top -= rc.Width();
    rc.bottom += 2;
  }
  return rc;
}

CRect CAppearanceSetPropertyPage2003::FillTabControl(CTKTabManager* pStrip, CDC* pDC,
                                                     CRect rcControl) {
  CTKTabPaintManagerColorSet* pColors = GetColorSet();
  const CRect rcHeader = GetHeaderRect(rcControl, pStrip);
  pColors->FillHeader(pDC, rcHeader, pStrip);
  FrameClient(pStrip, pDC, GetClientRect(rcControl, pStrip), pColors->m_clrSlantedSelectedBorder);
  return rcHeader;
}

CAppearanceSetPropertyPage2003::SlantColors CAppearanceSetPropertyPage2003::GetSlantColors(
    const CTKTabManagerItem* pItem) const {
  const CTKTabPaintManagerColorSet* pColors = GetColorSet();
  if (pItem->IsSelected()) return {pColors->m_clrSlantedSelectedBorder, 0xFFFFFF, 0xFFFFFF};
  if (pItem->IsHighlighted() && m_bHotOutline) {
    const COLORREF clr = pColors->m_clrPushedButtonBorder.m_clrDark;
    return {clr, clr, clr};
  }
  return {pColors->m_clrSlantedBorder, pColors->m_clrSlantedInnerLight,
          pColors->m_clrSlantedInnerShadow};
}

void CAppearanceSetPropertyPage2003::DrawItem(CDC* pDC, CTKTabManagerItem* pItem) {
  const int nPosition = pItem->GetManager()->GetPosition();
  const CTKTabShapeFrame frame(pItem->GetRect(), nPosition);
  const CRect rc = frame.GetTopRect();
  const int L = rc.left, T = rc.top, R = rc.right, B = rc.bottom, H = rc.Height();
  const SlantColors colors = GetSlantColors(pItem);

  const POINT kFill[] = {{R - 1, B - 1}, {R - 1, T + 2}, {L + 4, T + 2}, {L + 8 - H, B - 2}};
  POINT device[4];
  frame.MapPoints(kFill, device, 4);
  const COLORREF clrFill = FillItemPolygon(pDC, pItem, device, 4, nPosition, TRUE);
  const POINT kOutline[] = {{R, B - 2},     {R, T + 2},         {R - 2, T},        {L + 7, T},
                            {L + 2, T + 2}, {L + 6 - H, B - 2}, {L + 4 - H, B - 2}};
  frame.Polyline(pDC, colors.clrOutline, kOutline, 7);
  const POINT kLight[] = {{R - 1, B - 2}, {R - 1, T + 2}, {R - 3, T}};
  frame.Polyline(pDC, colors.clrInnerLight, kLight, 3);
  const POINT kShadow[] = {{R - 3, T + 1}, {L + 6, T + 1}, {L + 1, T + 4}, {L + 6 - H, B - 1}};
  frame.Polyline(pDC, colors.clrInnerShadow, kShadow, 4);
  if (pItem->IsSelected()) frame.Row(pDC, L + 5 - H, L + 5 - H + (R - L + H - 4) - 1, B - 1, clrFill);
  m_pPaintManager->DrawItemText(pDC, pItem, pItem->GetRect(), TRUE);
}

CAppearanceSetVisualStudio2005::CAppearanceSetVisualStudio2005() {
  m_bDrawTowardsSelection = TRUE;
}

CRect CAppearanceSetVisualStudio2005::GetHeaderMargin() const {
  CRect rc = m_rcHeaderMargin;
  rc.left += GetRowHeight(NULL) / 2;
  return rc;
}

CRect CAppearanceSetVisualStudio2005::GetItemDrawRect(const CTKTabManagerItem* pItem) const {
  return WidenByHalfHeight(pItem);
}

void CAppearanceSetVisualStudio2005::DrawItem(CDC* pDC, CTKTabManagerItem* pItem) {
  const int nPosition = pItem->GetManager()->GetPosition();
  const CTKTabShapeFrame frame(pItem->GetRect(), nPosition);
  const CRect rc = frame.GetTopRect();
  const int L = rc.left, R = rc.right, B = rc.bottom, t = rc.Height() / 2;
  const SlantColors colors = GetSlantColors(pItem);

  const POINT kShape[] = {{R + t - 4, B - 1},     {R - 1, B + 5 - 2 * t}, {R - 5, B + 1 - 2 * t},
                          {R - 8, B - 2 * t},     {L + 8, B - 2 * t},     {L + 5, B + 1 - 2 * t},
                          {L + 2, B + 4 - 2 * t}, {L + 4 - t, B}};
  FillAndOutline(this, pDC, pItem, frame, kShape, nPosition);
  frame.Polyline(pDC, colors.clrOutline, kShape, 8);
  const POINT kLight[] = {{R + t - 5, B - 1}, {R - 2, B + 5 - 2 * t}, {R - 5, B + 2 - 2 * t},
                          {R - 8, B + 1 - 2 * t}};
  frame.Polyline(pDC, colors.clrInnerLight, kLight, 4);
  const POINT kShadow[] = {{R - 7, B + 1 - 2 * t}, {L + 8, B + 1 - 2 * t}, {L + 5, B + 2 - 2 * t},
                           {L + 3, B + 4 - 2 * t}, {L + 5 - t, B}};
  frame.Polyline(pDC, colors.clrInnerShadow, kShadow, 5);
  m_pPaintManager->DrawItemText(pDC, pItem, pItem->GetRect(), TRUE);
}
