// Single-row layout in every mode but multi-row: measuring, shrinking,
// placing the tabs and the strip's buttons, and scrolling a tab into view.
#include <algorithm>
#include <vector>

#include "tabs/TKTabManager.h"
#include "tabs/TKTabManagerItem.h"
#include "tabs/TKTabPaintManager.h"
#include "tabs/TKTabPaintManagerTheme.h"

void CTKTabPaintManager::MeasureItems(CTKTabManager* pStrip, CDC* pDC, BOOL bExtraLength) {
  for (int i = 0; i < pStrip->GetItemCount(); ++i) {
    CTKTabManagerItem* pItem = pStrip->GetItem(i);
    const int nLength = pItem->IsVisible() ? m_pAppearance->GetItemLength(pDC, pItem) : 0;
    pItem->SetMeasuredLength(nLength);
    pItem->SetLength(nLength + (bExtraLength && pItem->IsVisible() ? m_nExtraItemLength : 0));
  }
}

CRect CTKTabPaintManager::PlaceNavigateButtons(CTKTabManager* pStrip, CRect rcControl) {
  const CRect rcHeader = m_pAppearance->GetHeaderRect(rcControl, pStrip);
  CRect rcRemaining = rcHeader;
  if (pStrip->IsHorizontal())
    rcRemaining.right -= 1;
  else
    rcRemaining.bottom -= 1;
  const CRect rcShortened = rcRemaining;
  CTKTabManagerNavigateButtons& buttons = pStrip->GetNavigateButtons();
  for (int i = buttons.GetSize() - 1; i >= 0; --i) buttons[i]->Reposition(rcRemaining);
  return rcRemaining == rcShortened ? rcHeader : rcRemaining;
}

void CTKTabPaintManager::LayoutItems(CTKTabManager* pStrip, CDC* pDC, CRect rc) {
  if (pStrip->HasControlFrame()) rc.DeflateRect(TKTurnMarginsToPosition(CRect(2, 1, 2, 2), m_nPosition));
  rc.DeflateRect(TKTurnMarginsToPosition(m_rcControlMargin, m_nPosition));

  CTKTabManagerNavigateButtons& buttons = pStrip->GetNavigateButtons();
  if (!m_bShowTabs) {
    pStrip->SetHeaderRect(CRect());
    for (int i = 0; i < pStrip->GetItemCount(); ++i) pStrip->GetItem(i)->SetRect(CRect());
    for (int i = 0; i < buttons.GetSize(); ++i) buttons[i]->SetRect(CRect());
    return;
  }
  if (m_nLayout == tkTabLayoutMultiRow) {
    LayoutMultiRow(pStrip, pDC, rc);
    return;
  }
  MeasureItems(pStrip, pDC, TRUE);
  pStrip->SetHeaderRect(m_pAppearance->GetHeaderRect(rc, pStrip));
  if (pStrip->GetItemCount() == 0) {
    pStrip->SetHeaderRect(PlaceNavigateButtons(pStrip, rc));
    return;
  }

  const CRect rcMargin = m_pAppearance->GetHeaderMargin();
  const int h = m_pAppearance->GetRowHeight(pStrip);
  const BOOL bHorizontal = pStrip->IsHorizontal();
  int nRowStart = 0;  // across the strip
  switch (m_nPosition) {
    case tkTabPositionLeft: nRowStart = rc.left + rcMargin.top; break;
    case tkTabPositionBottom: nRowStart = rc.bottom - rcMargin.top - h; break;
    case tkTabPositionRight: nRowStart = rc.right - rcMargin.top - h; break;
    default: nRowStart = rc.top + rcMargin.top; break;
  }

  if (m_nLayout == tkTabLayoutShrink) {
    int nAvailable = pStrip->GetRectLength(rc) - rcMargin.left - rcMargin.right;
    for (int i = buttons.GetSize() - 1; i >= 0; --i) buttons[i]->ReserveSpace(nAvailable);
    ShrinkToFit(pStrip, nAvailable);
  }

  CRect rcHeader = PlaceNavigateButtons(pStrip, rc);
  const int nRoom = pStrip->GetRectLength(rcHeader) - rcMargin.left - rcMargin.right;
  const int nTotal = pStrip->GetItemsLength();
  if (pStrip->GetHeaderOffset() < 0 && nTotal + pStrip->GetHeaderOffset() < nRoom) {
    const int nOffset = nRoom - nTotal < 1 ? nRoom - nTotal : 0;
    // Set directly: the strip is being laid out already.
    pStrip->SetHeaderOffset(nOffset);
    rcHeader = PlaceNavigateButtons(pStrip, rc);
  }
  pStrip->SetHeaderRect(rcHeader);

  int nPos = (bHorizontal ? rcHeader.left : rcHeader.top) + pStrip->GetHeaderOffset() + rcMargin.left;
  for (int i = 0; i < pStrip->GetItemCount(); ++i) {
    CTKTabManagerItem* pItem = pStrip->GetItem(i);
    if (!pItem->IsVisible()) {
      pItem->SetRect(CRect());
      continue;
    }
    CRect rcItem;
    if (m_nLayout == tkTabLayoutRotated) {
      const int nLength = pItem->GetLength();
      switch (m_nPosition) {
        case tkTabPositionLeft:
          rcItem.SetRect(rcHeader.right - rcMargin.bottom - nLength, nPos,
                         rcHeader.right - rcMargin.bottom, nPos + h);
          break;
        case tkTabPositionRight:
          rcItem.SetRect(rcHeader.left + rcMargin.bottom, nPos,
                         rcHeader.left + rcMargin.bottom + nLength, nPos + h);
          break;
        case tkTabPositionBottom:
          rcItem.SetRect(nPos, rcHeader.top + rcMargin.bottom, nPos + h,
                         rcHeader.top + rcMargin.bottom + nLength);
          break;
        default:
          rcItem.SetRect(nPos, rcHeader.bottom - rcMargin.bottom - nLength, nPos + h,
                         rcHeader.bottom - rcMargin.bottom);
          break;
      }
      nPos += h;
    } else {
      const int nLength = pItem->GetLength();
      rcItem = bHorizontal ? CRect(nPos, nRowStart, nPos + nLength, nRowStart + h)
                           : CRect(nRowStart, nPos, nRowStart + h, nPos + nLength);
      nPos += nLength;
    }
    pItem->SetRect(rcItem);
  }
}

void CTKTabPaintManager::ShrinkToFit(CTKTabManager* pStrip, int nAvailable) {
  const int nCount = pStrip->GetItemCount();
  if (nCount == 0 || pStrip->GetItemsLength() <= nAvailable) return;
  if (nCount == 1) {
    pStrip->GetItem(0)->SetLength(nAvailable);
    return;
  }
  std::vector<CTKTabManagerItem*> sorted;
  for (int i = 0; i < nCount; ++i) sorted.push_back(pStrip->GetItem(i));
  std::stable_sort(sorted.begin(), sorted.end(),
                   [](const CTKTabManagerItem* a, const CTKTabManagerItem* b) {
                     return a->GetLength() < b->GetLength();
                   });
  int nRemaining = nAvailable;
  for (int i = 0; i < nCount; ++i) {
    const int nLeft = nCount - i;
    if (nLeft * sorted[i]->GetLength() >= nRemaining) {
      // From here on every item shares what is left; the remainder of the
      // division goes to the longest ones.
      for (int j = i, d = nLeft; j < nCount; ++j, --d) {
        const int nShare = nRemaining / d;
        sorted[j]->SetLength(nShare);
        nRemaining -= nShare;
      }
      return;
    }
    nRemaining -= sorted[i]->GetLength();
  }
}

void CTKTabPaintManager::EnsureVisible(CTKTabManager* pStrip, CTKTabManagerItem* pItem) {
  const CRect& rcHeader = pStrip->GetHeaderRect();
  const CRect& rcItem = pItem->GetRect();
  if (rcHeader.IsRectEmpty() || rcItem.IsRectEmpty() || m_nLayout == tkTabLayoutShrink) return;
  const BOOL bHorizontal = pStrip->IsHorizontal();
  const int nHeaderStart = bHorizontal ? rcHeader.left : rcHeader.top;
  const int nHeaderEnd = bHorizontal ? rcHeader.right : rcHeader.bottom;
  const int nItemStart = bHorizontal ? rcItem.left : rcItem.top;
  const int nItemEnd = bHorizontal ? rcItem.right : rcItem.bottom;
  const int nOffset = pStrip->GetHeaderOffset();
  if (nItemStart < nHeaderStart)
    pStrip->SetHeaderOffset(nOffset + nHeaderStart - nItemStart + m_pAppearance->GetHeaderMargin().left);
  else if (nItemEnd > nHeaderEnd)
    pStrip->SetHeaderOffset(nOffset + nHeaderEnd - nItemEnd - 2);
}
