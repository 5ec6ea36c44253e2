// Full-width bars stacked from the top: the page opens below the selected
// bar and the bars after it sit at the bottom of the control.
#include <algorithm>

#include "TKTabSavedClip.h"
#include "TKTabThemePlain.h"
#include "common/TKColorManager.h"
#include "tabs/TKTabManager.h"
#include "tabs/TKTabManagerItem.h"
#include "tabs/TKTabPaintManager.h"
#include "tabs/TKTabPaintManagerColorSet.h"

namespace {

/// The toolkit colour of the grip dots.
const int kGripColor = 38;

}  // namespace

CAppearanceSetVisio::CAppearanceSetVisio() {
  m_rcHeaderMargin.SetRect(0, 0, 0, 0);
  m_nItemSpacing = -2;
}

int CAppearanceSetVisio::GetFrameInset() const {
  return m_pPaintManager->m_nClientFrame == 2 ? 0 : 1;
}

CRect CAppearanceSetVisio::DeflateByControlMargin(CRect rc, const CTKTabManager* pStrip) const {
  const CRect& m = m_pPaintManager->m_rcControlMargin;
  DeflateRectByPosition(rc, m.left, m.top, m.right, m.bottom, GetStripPosition(pStrip));
  return rc;
}

CRect CAppearanceSetVisio::GetHeaderRect(CRect, const CTKTabManager*) const { return CRect(); }

CRect CAppearanceSetVisio::GetClientRect(CRect rc, const CTKTabManager* pStrip) const {
  const int f = GetFrameInset();
  const int n = pStrip != NULL ? pStrip->GetItemCount() : 0;
  if (n > 0) {
    const CTKTabManagerItem* pSelected = pStrip->GetSelectedItem();
    // Without a selection the page opens below the last bar.
    const int s = pSelected != NULL ? pSelected->GetIndex() : n - 1;
    const int h = GetRowHeight(pStrip);
    rc.top += h * (s + 1) + 1;
    rc.bottom = std::max(static_cast<int>(rc.bottom) - h * (n - s - 1), static_cast<int>(rc.top) + h);
    if (s == n - 1) rc.bottom -= f;
  }
  rc.left += f;
  rc.right -= f;
  return rc;
}

void CAppearanceSetVisio::AdjustClientRect(const CTKTabManager* pStrip, CRect& rc) const {
  rc = GetClientRect(DeflateByControlMargin(rc, pStrip), pStrip);
  const CRect c = GetClientMargin(pStrip);
  DeflateRectByPosition(rc, c.left, c.top, c.right, c.bottom, GetStripPosition(pStrip));
}

void CAppearanceSetVisio::RepositionTabControl(CTKTabManager* pStrip, CDC*, CRect rc) {
  rc = DeflateByControlMargin(rc, pStrip);
  const int n = pStrip->GetItemCount();
  if (n == 0) return;
  const int h = GetRowHeight(pStrip);
  const int nLeft = rc.left + GetFrameInset();
  int y = rc.top + 1;
  for (int i = 0; i < n; ++i) {
    CTKTabManagerItem* pItem = pStrip->GetItem(i);
    pItem->SetRect(CRect(nLeft, y, rc.right, y + h));
    y += h;
    if (pItem->IsSelected()) {
      const int nBelow = std::min(std::max(static_cast<int>(rc.bottom) - h * (n - i - 1), y + h),
                                  static_cast<int>(rc.bottom) - 1);
      if (nBelow >= y) y = nBelow;
    }
  }
}

void CAppearanceSetVisio::DrawTabControl(CTKTabManager* pStrip, CDC* pDC, CRect rc) {
  CTKTabPaintManagerColorSet* pColors = GetColorSet();
  pDC->FillSolidRect(rc, pColors->m_clrControlFace);
  rc = DeflateByControlMargin(rc, pStrip);
  CTKTabSavedClip clip(pDC->GetSafeHdc());
  clip.Intersect(pDC, rc);
  const COLORREF clrBorder = pColors->m_clrFrameBorder;
  if (m_pPaintManager->m_nClientFrame != 2)
    DrawFrame3d(pDC, rc, clrBorder, clrBorder);
  else if (pStrip->GetItemCount() > 0)
    FillHorizontalLine(pDC, rc.left, rc.top, rc.Width(), clrBorder);
  pDC->SetBkMode(TRANSPARENT);
  for (int i = pStrip->GetItemCount() - 1; i >= 0; --i) {
    CTKTabManagerItem* pItem = pStrip->GetItem(i);
    CRect rcMeet;
    if (!pItem->GetRect().IsRectEmpty() && rcMeet.IntersectRect(pItem->GetRect(), rc))
      DrawItem(pDC, pItem);
  }
  clip.Restore();
}

void CAppearanceSetVisio::DrawItem(CDC* pDC, CTKTabManagerItem* pItem) {
  CTKTabPaintManagerColorSet* pColors = GetColorSet();
  CRect rc = pItem->GetRect();
  pColors->FillItem(pDC, rc, pItem);
  DrawFrame3d(pDC, rc, pColors->m_clrFrameHighlight, pColors->m_clrFrameBorder);
  const COLORREF clrGrip = TKColorManager()->GetColor(kGripColor);
  if (clrGrip != CLR_NONE) {
    for (int y = rc.top + 4; y < rc.bottom - 3; y += 2) pDC->FillSolidRect(rc.right - 7, y, 3, 1, clrGrip);
  }
  rc.right -= 7;
  m_pPaintManager->DrawItemText(pDC, pItem, rc, TRUE);
}
