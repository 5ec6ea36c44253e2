// CTKRibbonGroup: the size-reduction steps of a layout pass (large controls
// to medium, medium to small, galleries to buttons, the group to its pop-up
// button) and the widening of an inline gallery when there is room to spare.
#include <algorithm>

#include "commandbars/TKControlGallery.h"
#include "commandbars/TKControlGalleryItems.h"
#include "common/TKDpiHelper.h"
#include "layout/TKRibbonGroupLayout.h"

namespace {

using Items = std::vector<CTKRibbonGroupLayoutItem>;

BOOL IsGallery(const CTKRibbonGroupLayoutItem& item) {
  return item.pControl->GetType() == tkControlGallery;
}

int AssignedStyle(const CTKRibbonGroupLayoutItem& item) { return item.pControl->GetLayoutStyle(); }

/// Walks the window of `nRows` items that ends at `n` back to its earliest
/// item; returns the index of the item that breaks it off (a gallery, a
/// break before any item but the earliest, or one `accept` (item, n)
/// refuses), or -1 when the window is complete.
template <class Accept>
int BrokenAt(const Items& items, int n, int nRows, Accept accept) {
  const int nEarliest = n - nRows + 1;
  for (int j = n; j >= nEarliest; --j) {
    const CTKRibbonGroupLayoutItem& item = items[j];
    if (IsGallery(item) || (j != nEarliest && item.bBreakBefore) || !accept(item, n)) return j;
  }
  return -1;
}

void AssignWindow(Items& items, int n, int nRows, int nStyle) {
  for (int j = n - nRows + 1; j <= n; ++j) items[j].pControl->SetLayoutStyle(nStyle);
}

/// The first complete window, sliding from the last item one at a time; -1 when none.
template <class Accept>
int FindSlidingWindow(const Items& items, int nRows, Accept accept) {
  for (int n = static_cast<int>(items.size()) - 1; n >= 2 && n - nRows + 1 >= 0; --n)
    if (BrokenAt(items, n, nRows, accept) < 0) return n;
  return -1;
}

}  // namespace

BOOL CTKRibbonGroup::ReduceSize(int nLevel, int nOverflow) {
  if (m_pLayout == nullptr) return FALSE;
  CLayout& layout = *m_pLayout;
  Items& items = layout.items;
  if (layout.nContentWidth < layout.nCaptionWidth) {
    // A caption wider than its controls gives up width first, never below them.
    if (nLevel != 2 || layout.nContentWidth <= TKDpiHelper()->ScaleX(16)) return FALSE;
    layout.nCaptionWidth =
        std::max(layout.nContentWidth, layout.nCaptionWidth - nOverflow);
    return TRUE;
  }
  const int nRows = GetSmallRows();
  const int nCount = static_cast<int>(items.size());

  if (nLevel == 0) {
    if (m_bControlsGrouping || m_nAllowReduction <= 0 || nRows <= 1) return FALSE;
    const int n = FindSlidingWindow(items, nRows, [](const CTKRibbonGroupLayoutItem& item, int) {
      return AssignedStyle(item) == tkButtonIconAndCaptionBelow;
    });
    if (n < 0) return FALSE;
    AssignWindow(items, n, nRows, tkButtonIconAndCaption);
    return TRUE;
  }

  if (nLevel == 1) {
    if (m_nAllowReduction <= 1) return FALSE;
    if (m_bControlsGrouping) {
      if (m_nRowsStage != 2) return FALSE;
      m_nRowsStage = 3;
      return TRUE;
    }
    if (nRows <= 1) return FALSE;
    // Not sliding: a window without a large control is skipped as a whole.
    int n = nCount - 1;
    while (n >= 2 && n - nRows + 1 >= 0) {
      const int nBroken = BrokenAt(items, n, nRows, [](const CTKRibbonGroupLayoutItem&, int) {
        return TRUE;
      });
      if (nBroken >= 0) {
        n = nBroken - 1;
        continue;
      }
      const int nEarliest = n - nRows + 1;
      BOOL bLarge = FALSE;
      for (int j = nEarliest; j <= n; ++j)
        bLarge = bLarge || AssignedStyle(items[j]) == tkButtonIconAndCaptionBelow;
      if (bLarge) {
        AssignWindow(items, n, nRows, tkButtonIconAndCaption);
        return TRUE;
      }
      n = nEarliest - 1;
    }
    return FALSE;
  }

  if (nLevel == 2) {
    if (m_bControlsGrouping || m_nAllowReduction <= 2) return FALSE;
    if (nRows > 1 && nCount > nRows) {
      // Small controls stack only where the medium ones already share a column.
      const int n = FindSlidingWindow(items, nRows, [&](const CTKRibbonGroupLayoutItem& item, int nEnd) {
        return AssignedStyle(item) == tkButtonIconAndCaption && item.rc.left == items[nEnd].rc.left;
      });
      if (n >= 0) {
        AssignWindow(items, n, nRows, tkButtonIcon);
        return TRUE;
      }
    }
    for (int j = nCount - 1; j >= 0; --j)
      if (IsGallery(items[j]) && AssignedStyle(items[j]) != tkButtonIconAndCaptionBelow) {
        items[j].pControl->SetLayoutStyle(tkButtonIconAndCaptionBelow);
        return TRUE;
      }
    return FALSE;
  }

  if (nLevel == 3 && nCount > 1 && !m_bReduced && m_nAllowReduction > 3) {
    m_bReduced = TRUE;
    for (CTKRibbonGroupLayoutItem& item : items) item.bHidden = TRUE;
    return TRUE;
  }
  return FALSE;
}

BOOL CTKRibbonGroup::ExpandInlineGallery(int nExtra) {
  if (m_pLayout == nullptr) return FALSE;
  Items& items = m_pLayout->items;
  for (int j = static_cast<int>(items.size()) - 1; j >= 0; --j) {
    CTKControlGallery* pGallery = DYNAMIC_DOWNCAST(CTKControlGallery, items[j].pControl);
    if (pGallery == nullptr || pGallery->IsShowAsButton() || pGallery->GetItems() == nullptr ||
        !pGallery->IsResizable())
      continue;
    const int nItem = pGallery->GetItems()->GetItemSize().cx;
    if (nItem <= 0 || nExtra < nItem) return FALSE;
    const CRect rcBorders = pGallery->GetBorders();
    const int nFull = nItem * pGallery->GetItemCount() + rcBorders.left + rcBorders.right;
    CTKRibbonGroupLayoutItem& item = items[j];
    if (item.cx + nItem > nFull) return FALSE;
    item.cx = std::min(nFull, item.cx + nItem * (nExtra / nItem));
    return TRUE;
  }
  return FALSE;
}
