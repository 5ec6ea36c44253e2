// CTKRibbonGroup: one layout pass of a group: measuring its controls at full
// size, stacking them into columns (or rows in grouping mode), placing them in
// the bar and handing the result to the controls.
#include "layout/TKRibbonGroupLayout.h"

#include <algorithm>

#include "commandbars/TKCommandBar.h"
#include "commandbars/TKControlComboBox.h"
#include "commandbars/TKControlEdit.h"
#include "common/TKDpiHelper.h"
#include "common/TKImageManager.h"
#include "layout/TKRibbonLayoutHelpers.h"
#include "ribbon/TKRibbonBar.h"
#include "ribbon/TKRibbonPaintManager.h"

using namespace tkribbonlayout;

namespace {

/// Re-measures the item when its control's style changed since it was measured.
void MeasureItem(CDC* pDC, CTKRibbonGroupLayoutItem& item, BOOL bForce) {
  const int nStyle = item.pControl->GetStyle();
  if (!bForce && nStyle == item.nStyle) return;
  const CSize sz = item.pControl->GetSize(pDC);
  item.cx = sz.cx;
  item.cy = sz.cy;
  item.nStyle = nStyle;
}

}  // namespace

int CTKRibbonGroup::GetSmallRows() const {
  CTKRibbonPaintManager* pPaintManager =
      m_pRibbonBar != nullptr ? m_pRibbonBar->GetRibbonPaintManager() : nullptr;
  const int nCaption = pPaintManager != nullptr ? pPaintManager->GetGroupCaptionHeight() : 0;
  const int nButton = m_pRibbonBar != nullptr ? m_pRibbonBar->GetButtonSize().cy : 0;
  if (m_pRibbonBar == nullptr || nButton <= 0) return 0;
  return (m_pRibbonBar->GetGroupsHeight() - nCaption - ScaleY(2)) / nButton;
}

int CTKRibbonGroup::GetColumnHeight() const {
  CTKRibbonPaintManager* pPaintManager =
      m_pRibbonBar != nullptr ? m_pRibbonBar->GetRibbonPaintManager() : nullptr;
  if (m_pRibbonBar == nullptr) return 0;
  const int nCaption = pPaintManager != nullptr ? pPaintManager->GetGroupCaptionHeight() : 0;
  return m_pRibbonBar->GetGroupsHeight() - nCaption - ScaleY(9);
}

int CTKRibbonGroup::GetCaptionWidth(CDC* pDC) const {
  CTKRibbonPaintManager* pPaintManager =
      m_pRibbonBar != nullptr ? m_pRibbonBar->GetRibbonPaintManager() : nullptr;
  if (pPaintManager == nullptr || pDC == nullptr) return 0;
  CFont* pOld = pDC->SelectObject(pPaintManager->GetRibbonFont());
  int nWidth = pDC->GetTextExtent(m_strCaption).cx;
  pDC->SelectObject(pOld);
  if (m_bShowOptionButton) nWidth += pPaintManager->GetGroupCaptionHeight();
  return nWidth;
}

void CTKRibbonGroup::DiscardLayout() {
  delete m_pLayout;
  m_pLayout = nullptr;
}

void CTKRibbonGroup::BeginLayout(CDC* pDC) {
  DiscardLayout();
  m_pLayout = new CLayout;
  m_pLayout->nCaptionWidth = GetCaptionWidth(pDC);
  m_pLayout->bWasReduced = m_bReduced;
  m_bReduced = FALSE;
  m_nRowsStage = 2;
  const CSize szLarge = m_pParent != nullptr ? m_pParent->GetLargeIconSize() : CSize(32, 32);
  for (CTKControl* pControl : m_arrControls) {
    if (!pControl->IsVisible(TKHIDE_WRAP)) continue;
    int nAssigned = 0;
    if (!m_bControlsGrouping && IsStyleAutomatic(pControl) &&
        pControl->GetType() != tkControlGallery) {
      const int nIconId = pControl->GetIconId();
      CTKImageManager* pImages = pControl->GetImageManager();
      const BOOL bLarge = nIconId > 0 && pImages != nullptr &&
                          pImages->HasIcon(static_cast<UINT>(nIconId), szLarge.cx);
      nAssigned = bLarge ? tkButtonIconAndCaptionBelow : tkButtonIconAndCaption;
    }
    pControl->SetLayoutStyle(nAssigned);
    CTKRibbonGroupLayoutItem item;
    item.pControl = pControl;
    item.rc = pControl->GetRect();
    item.bBeginGroup = pControl->GetBeginGroup();
    item.bBreakBefore =
        item.bBeginGroup || (pControl->GetFlags() & TKRIBBON_CONTROLFLAG_FORCEBREAK) != 0;
    MeasureItem(pDC, item, TRUE);
    m_pLayout->items.push_back(item);
  }
}

int CTKRibbonGroup::CalcWidth(CDC* pDC) {
  if (m_pLayout == nullptr) return 0;
  CLayout& layout = *m_pLayout;
  if (m_bReduced) {
    layout.nContentWidth = m_pPopupButton->GetSize(pDC).cx - ScaleX(5);
    return layout.nContentWidth;
  }
  if (m_bControlsGrouping) {
    layout.nContentWidth = CalcWidthGrouped(pDC);
    return std::max(layout.nContentWidth, layout.nCaptionWidth);
  }
  const int nHeight = GetColumnHeight();
  int x = ScaleX(2), nColumnWidth = 0, y = 0, nRight = 0;
  for (size_t i = 0; i < layout.items.size(); ++i) {
    CTKRibbonGroupLayoutItem& item = layout.items[i];
    MeasureItem(pDC, item, FALSE);
    if (item.bBeginGroup && i > 0) x += ScaleX(6);
    const BOOL bNewColumn = i == 0 || item.bBreakBefore ||
                            item.nStyle == tkButtonIconAndCaptionBelow || y + item.cy > nHeight;
    item.bStartsColumn = bNewColumn;
    if (bNewColumn) {
      x += nColumnWidth;
      item.rc = CRect(x, 0, x + item.cx, item.cy);
      nColumnWidth = item.cx;
    } else {
      item.rc = CRect(x, y, x + item.cx, y + item.cy);
      nColumnWidth = std::max(nColumnWidth, item.cx);
    }
    nRight = std::max(nRight, static_cast<int>(item.rc.right));
    y = item.rc.bottom;
  }
  layout.nContentWidth = nRight + ScaleX(2);
  return std::max(layout.nContentWidth, layout.nCaptionWidth);
}

// Grouping mode: runs of controls in one to three rows --------------------------------------

int CTKRibbonGroup::CalcWidthGrouped(CDC* pDC) {
  std::vector<CTKRibbonGroupLayoutItem>& items = m_pLayout->items;
  CTKRibbonPaintManager* pPaintManager =
      m_pRibbonBar != nullptr ? m_pRibbonBar->GetRibbonPaintManager() : nullptr;
  const int nHeight = GetColumnHeight();
  const int e = pPaintManager != nullptr ? pPaintManager->GetControlHeight() : 18;
  for (CTKRibbonGroupLayoutItem& item : items) MeasureItem(pDC, item, FALSE);
  for (int i = static_cast<int>(items.size()) - 1; i >= 0; --i) {
    const BOOL bRunGoesOn = i + 1 < static_cast<int>(items.size()) && !items[i + 1].bBreakBefore;
    items[i].nRunWidth = items[i].cx + (bRunGoesOn ? items[i + 1].nRunWidth : 0);
  }
  int nRows = LayoutRows(32000, FALSE) + 1;
  if (nRows == 1) {
    const int nSingle = PlaceRows();
    if (nHeight < 2 * e) {
      LayoutRows(32000, FALSE);
    } else if (nHeight >= 3 * e && m_nRowsStage == 3 && TryThreeRows()) {
      nRows = 3;
    } else {
      nRows = LayoutRows(nSingle / 2, FALSE) + 1;
    }
  }
  const int nWidth = PlaceRows();
  // The free height goes into equal gaps above, between and below the rows.
  int d = (nHeight + ScaleY(1) - e * nRows) / (nRows + 1);
  int nLeft = nRows;
  for (size_t i = 0; i < items.size(); ++i) {
    if (items[i].bStartsColumn && i > 0 && nLeft > 0) {
      d += (nHeight - e * nRows - d) / nLeft;
      nLeft -= 1;
    }
    items[i].rc.OffsetRect(0, d);
  }
  return nWidth;
}

int CTKRibbonGroup::LayoutRows(int nMaxWidth, BOOL bMany) {
  int w = 0, nBreaks = 0;
  std::vector<CTKRibbonGroupLayoutItem>& items = m_pLayout->items;
  for (size_t i = 0; i < items.size(); ++i) {
    CTKRibbonGroupLayoutItem& item = items[i];
    item.bStartsColumn = FALSE;
    const BOOL bForced = (item.pControl->GetFlags() & TKRIBBON_CONTROLFLAG_FORCEBREAK) != 0;
    if (item.bBreakBefore && i > 0 &&
        (bForced || ((bMany || nBreaks == 0) && item.nRunWidth + w >= nMaxWidth))) {
      item.bStartsColumn = TRUE;
      nBreaks += 1;
      w = item.cx;
      continue;
    }
    if (item.bBeginGroup && i > 0) w += ScaleX(3);
    w += item.cx;
  }
  return nBreaks;
}

int CTKRibbonGroup::PlaceRows() {
  int x = 0, y = 0, nTallest = 0, nWidest = 0;
  std::vector<CTKRibbonGroupLayoutItem>& items = m_pLayout->items;
  for (size_t i = 0; i < items.size(); ++i) {
    CTKRibbonGroupLayoutItem& item = items[i];
    if (item.bStartsColumn) {
      x = 0;
      y += nTallest;
    } else if (item.bBeginGroup && i > 0) {
      x += ScaleX(3);
    }
    item.rc = CRect(x + ScaleX(2), y, x + ScaleX(2) + item.cx, y + item.cy);
    x += item.cx;
    nTallest = std::max(nTallest, item.cy);
    nWidest = std::max(nWidest, x);
  }
  return nWidest + ScaleX(4);
}

BOOL CTKRibbonGroup::TryThreeRows() {
  int hi = PlaceRows();
  const int n = LayoutRows(0, TRUE);
  if (n < 2) return FALSE;
  if (n == 2) return TRUE;
  int lo = 0;
  while (lo < hi) {
    const int mid = (lo + hi) / 2;
    if (LayoutRows(mid, TRUE) > 2) {
      if (lo == mid) {
        LayoutRows(hi, TRUE);
        break;
      }
      lo = mid;
    } else {
      hi = mid;
    }
  }
  return TRUE;
}

// Placing -------------------------------------------------------------------------------------

void CTKRibbonGroup::CenterColumn(int nFirst, int nLast, int nHeight) {
  std::vector<CTKRibbonGroupLayoutItem>& items = m_pLayout->items;
  int nSum = 0;
  for (int i = nFirst; i <= nLast; ++i)
    if (!items[i].bHidden) nSum += items[i].rc.Height();
  if (nSum >= nHeight) return;
  const int d = (nHeight - nSum) / (nLast - nFirst + 2);
  int k = 0;
  for (int i = nFirst; i <= nLast; ++i)
    if (!items[i].bHidden) items[i].rc.OffsetRect(0, ++k * d);
}

void CTKRibbonGroup::ArrangeControls(int nWidth, int x, int y, int, int) {
  if (m_pLayout == nullptr) return;
  CLayout& layout = *m_pLayout;
  CTKRibbonPaintManager* pPaintManager =
      m_pRibbonBar != nullptr ? m_pRibbonBar->GetRibbonPaintManager() : nullptr;
  const int k = pPaintManager != nullptr ? pPaintManager->GetGroupCaptionHeight() : 0;
  const int nGroupsHeight = m_pRibbonBar != nullptr ? m_pRibbonBar->GetGroupsHeight() : 0;
  const int nInner = nGroupsHeight - ScaleY(2) - ScaleY(2) - ScaleY(3);
  int q = ScaleX(2);
  if (m_bControlsCentering && layout.nContentWidth < layout.nCaptionWidth &&
      nWidth == layout.nCaptionWidth)
    q += (layout.nCaptionWidth - layout.nContentWidth) / 2;
  const CRect rcRow(x, y, x + nWidth, y + nInner - k);
  const BOOL bCenter = m_bControlsCentering && !m_bControlsGrouping;
  int nFirst = -1;
  for (int i = 0; i < static_cast<int>(layout.items.size()); ++i) {
    CTKRibbonGroupLayoutItem& item = layout.items[i];
    if (item.bHidden) continue;
    if (bCenter && nFirst >= 0 && item.rc.left != layout.items[nFirst].rc.left) {
      CenterColumn(nFirst, i - 1, nInner - k - ScaleY(3));
      nFirst = -1;
    }
    if (nFirst < 0) nFirst = i;
    item.rcRow = rcRow;
  }
  if (bCenter && nFirst >= 0)
    CenterColumn(nFirst, static_cast<int>(layout.items.size()) - 1, nInner - k - ScaleY(3));
  for (CTKRibbonGroupLayoutItem& item : layout.items)
    if (!item.bHidden) item.rc.OffsetRect(x + q, y + ScaleY(2));
  SetGroupRect(CRect(x, y, x + nWidth + ScaleX(5), y + nInner));
}

void CTKRibbonGroup::EqualizeEditWidths() {
  std::vector<CTKRibbonGroupLayoutItem>& items = m_pLayout->items;
  auto labelWidth = [](CTKControl* pControl, int nSet) {
    if (CTKControlEdit* pEdit = DYNAMIC_DOWNCAST(CTKControlEdit, pControl)) {
      if (nSet >= 0) pEdit->SetLabelWidth(nSet);
      return pEdit->GetLabelWidth();
    }
    if (CTKControlComboBox* pCombo = DYNAMIC_DOWNCAST(CTKControlComboBox, pControl)) {
      if (nSet >= 0) pCombo->SetLabelWidth(nSet);
      return pCombo->GetLabelWidth();
    }
    return -1;
  };
  size_t nFirst = 0;
  while (nFirst < items.size()) {
    size_t nEnd = nFirst + 1;
    while (nEnd < items.size() && items[nEnd].rc.left == items[nFirst].rc.left &&
           items[nEnd].rc.right == items[nFirst].rc.right)
      ++nEnd;
    int nFields = 0, nWidest = 0;
    for (size_t i = nFirst; i < nEnd; ++i) {
      const int w = labelWidth(items[i].pControl, -1);
      if (w < 0) continue;
      ++nFields;
      nWidest = std::max(nWidest, w);
    }
    if (nFields >= 2)
      for (size_t i = nFirst; i < nEnd; ++i)
        if (labelWidth(items[i].pControl, -1) >= 0 && labelWidth(items[i].pControl, -1) != nWidest)
          labelWidth(items[i].pControl, nWidest);
    nFirst = nEnd;
  }
}

void CTKRibbonGroup::EndLayout() {
  if (m_pLayout == nullptr) return;
  CLayout& layout = *m_pLayout;
  if (!m_bReduced && m_bEqualizeEditWidths && !m_bControlsGrouping) EqualizeEditWidths();
  if (!layout.items.empty()) layout.items[0].bStartsColumn = TRUE;
  for (CTKRibbonGroupLayoutItem& item : layout.items) {
    CTKControl* pControl = item.pControl;
    const DWORD dwFlags = pControl->GetHideFlags();
    pControl->SetHideFlags(item.bHidden ? (dwFlags | TKHIDE_WRAP) : (dwFlags & ~TKHIDE_WRAP));
    pControl->SetRowRect(item.rcRow);
    if (!item.bHidden) pControl->SetRect(item.rc);
    pControl->SetWrap(item.bStartsColumn);
  }
  if (layout.bWasReduced && !m_bReduced && m_pRibbonBar != nullptr)
    m_pRibbonBar->OnGroupReducedChanged();
  DiscardLayout();
}
