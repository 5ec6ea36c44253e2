// CTKRibbonGroups: the groups of one tab share the width of the groups area:
// measured at full size, reduced step by step from the right-most group and
// the lowest level, placed side by side, and scrolled when still too wide.
#include <algorithm>

#include "common/TKDpiHelper.h"
#include "ribbon/TKRibbonBar.h"
#include "ribbon/TKRibbonGroup.h"
#include "ribbon/TKRibbonPaintManager.h"
#include "ribbon/TKRibbonScrollableBar.h"
#include "ribbon/TKRibbonTab.h"

int CTKRibbonGroups::GetGroupsWidth(const std::vector<int>& widths) {
  int nWidth = 0;
  for (size_t i = 0; i < widths.size(); ++i) {
    nWidth += widths[i];
    if (widths[i] != 0 && i + 1 < widths.size()) nWidth += TKDpiHelper()->ScaleX(7);
  }
  return nWidth;
}

void CTKRibbonGroups::ReduceToFit(CDC* pDC, std::vector<int>& widths, int nAvailable) {
  const int nCount = GetCount();
  int nTotal = GetGroupsWidth(widths);
  // Each step restarts from the lowest level and the right-most group, so
  // that every group gives up its cheapest reduction before any group a dearer one.
  while (nAvailable < nTotal) {
    BOOL bReduced = FALSE;
    for (int nLevel = 0; nLevel <= 3 && !bReduced; ++nLevel)
      for (int i = nCount - 1; i >= 0 && !bReduced; --i) {
        CTKRibbonGroup* pGroup = m_arrGroups[i];
        if (!pGroup->IsVisible() || !pGroup->ReduceSize(nLevel, nTotal - nAvailable)) continue;
        widths[i] = pGroup->CalcWidth(pDC);
        nTotal = GetGroupsWidth(widths);
        bReduced = TRUE;
      }
    if (!bReduced) return;
  }
  if (nAvailable == nTotal) return;
  for (int i = nCount - 1; i >= 0; --i) {
    CTKRibbonGroup* pGroup = m_arrGroups[i];
    if (pGroup->IsVisible() && pGroup->ExpandInlineGallery(nAvailable - nTotal)) {
      widths[i] = pGroup->CalcWidth(pDC);
      return;
    }
  }
}

void CTKRibbonGroups::Reposition(CDC* pDC, int nWidth, int nLeft, int nTop, int nRightMargin,
                                 int nBottomMargin) {
  CTKCommandBar* pParent = GetParentBar();
  CTKRibbonScrollableBar* pScrollable = dynamic_cast<CTKRibbonScrollableBar*>(pParent);
  if (m_arrGroups.empty()) {
    if (pScrollable != nullptr) pScrollable->ShowScrollButtons(FALSE, FALSE);
    return;
  }
  const int nCount = GetCount();
  std::vector<int> widths(nCount, 0);
  for (int i = 0; i < nCount; ++i)
    if (m_arrGroups[i]->IsVisible()) m_arrGroups[i]->BeginLayout(pDC);
  for (int i = 0; i < nCount; ++i)
    if (m_arrGroups[i]->IsVisible()) widths[i] = m_arrGroups[i]->CalcWidth(pDC);

  const int nAvailable = nWidth - (nLeft + nRightMargin);
  ReduceToFit(pDC, widths, nAvailable);

  CTKRibbonBar* pRibbonBar = GetRibbonBar();
  CTKRibbonPaintManager* pPaintManager =
      pRibbonBar != nullptr ? pRibbonBar->GetRibbonPaintManager() : nullptr;
  const int nSpacing = pPaintManager != nullptr ? pPaintManager->GetGroupSpacing() : 0;
  const int nGap = TKDpiHelper()->ScaleX(5);
  int nTotal = -TKDpiHelper()->ScaleX(7);
  for (int i = 0; i < nCount; ++i)
    if (m_arrGroups[i]->IsVisible()) nTotal += nGap + widths[i] + nSpacing;

  int nOffset = 0;
  if (nAvailable < nTotal && pScrollable != nullptr)
    nOffset = std::min(std::max(pScrollable->GetGroupsScrollPos(), 0), nTotal - nAvailable);
  m_nScrollPos = nOffset;
  if (pScrollable != nullptr)
    pScrollable->ShowScrollButtons(nOffset > 0, nTotal - nOffset - nAvailable > 0);

  int x = nLeft - nOffset;
  for (int i = 0; i < nCount; ++i) {
    if (!m_arrGroups[i]->IsVisible()) continue;
    m_arrGroups[i]->ArrangeControls(widths[i], x, nTop, nRightMargin, nBottomMargin);
    x += nGap + widths[i] + nSpacing;
  }
  for (int i = 0; i < nCount; ++i)
    if (m_arrGroups[i]->IsVisible()) m_arrGroups[i]->EndLayout();
}
