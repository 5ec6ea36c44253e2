// CTKControlGallery: borders, the layout of the items in rows, hit tests and
// drawing.
#include <algorithm>

#include "commandbars/TKCommandBar.h"
#include "commandbars/TKControlGallery.h"
#include "commandbars/TKPaintManager.h"
#include "common/TKDCHelpers.h"
#include "common/TKDpiHelper.h"
#include "common/TKScrollBarPaintManager.h"

// Borders and areas ----------------------------------------------------------------------

int CTKControlGallery::GetScrollColumnWidth() const {
  if (HasPopupButtons()) {
    CTKControlGalleryPaintManager* pPaintManager = GetGalleryPaintManager();
    return pPaintManager != nullptr ? pPaintManager->m_cxPopup : 0;
  }
  CTKScrollBarPaintManager* pScrollBar = GetScrollBarPaintManager();
  return pScrollBar != nullptr ? pScrollBar->m_cxVScroll : 0;
}

CRect CTKControlGallery::GetBorders() const {
  const int n = m_bShowBorders ? 1 : 0;
  CRect rc(n, n, n, n);
  if (m_pParent != nullptr) {
    if (m_bShowScrollBar) rc.right += GetScrollColumnWidth();
    if (HasBottomSeparator()) rc.bottom = TKDpiHelper()->ScaleY(2);
  }
  rc.left += m_rcMargin.left;
  rc.top += m_rcMargin.top;
  rc.right += m_rcMargin.right;
  rc.bottom += m_rcMargin.bottom;
  return rc;
}

CRect CTKControlGallery::GetItemsRect() const {
  CRect rc(m_rcControl);
  const CRect rcBorders = GetBorders();
  rc.DeflateRect(rcBorders.left, rcBorders.top, rcBorders.right, rcBorders.bottom);
  return rc;
}

CRect CTKControlGallery::GetScrollBarRect() const {
  if (!m_bShowScrollBar) return CRect(0, 0, 0, 0);
  CRect rc(m_rcControl);
  rc.left = rc.right - GetScrollColumnWidth();
  if (m_bShowBorders) rc.OffsetRect(-1, 0), rc.DeflateRect(0, 1);
  if (HasBottomSeparator()) rc.bottom -= TKDpiHelper()->ScaleY(2);
  return rc;
}

void CTKControlGallery::GetScrollBarRect(CRect& rc) { rc = GetScrollBarRect(); }

int CTKControlGallery::GetItemHeight() const {
  CTKControlGalleryItems* pItems = GetItems();
  return pItems != nullptr ? pItems->GetItemSize().cy : 0;
}

// Layout ------------------------------------------------------------------------------------

void CTKControlGallery::RepositionItems() {
  const CRect rcItems = GetItemsRect();
  const int nCount = GetItemCount();
  m_arrPositions.SetSize(nCount);
  int x = rcItems.left;
  int y = rcItems.top;
  int nRowHeight = 0;
  BOOL bRowStart = TRUE;
  for (int i = 0; i < nCount; ++i) {
    ItemPosition& pos = m_arrPositions[i];
    pos.pItem = GetItem(i);
    pos.bBeginRow = FALSE;
    pos.rc.SetRectEmpty();
    if (pos.pItem->IsLabel()) {
      if (!m_bShowLabels) continue;
      pos.rc.SetRect(rcItems.left, y + nRowHeight, rcItems.right,
                     y + nRowHeight + pos.pItem->GetSize().cy);
      pos.bBeginRow = TRUE;
      y = pos.rc.bottom + TKDpiHelper()->ScaleY(1);
      nRowHeight = 0;
      x = rcItems.left;
      bRowStart = TRUE;
      continue;
    }
    CSize sz = pos.pItem->GetSize();
    if (sz.cx == 0) sz.cx = rcItems.Width();
    if (bRowStart) {
      pos.bBeginRow = TRUE;
    } else if (x + sz.cx > rcItems.right) {
      x = rcItems.left;
      y += nRowHeight;
      nRowHeight = 0;
      pos.bBeginRow = TRUE;
    }
    pos.rc.SetRect(x, y, x + sz.cx, y + sz.cy);
    nRowHeight = std::max(nRowHeight, static_cast<int>(sz.cy));
    x += sz.cx;
    bRowStart = FALSE;
  }
  m_nContentHeight = y + nRowHeight - rcItems.top;
}

int CTKControlGallery::GetMaxScrollPos() const {
  return std::max(0, m_nContentHeight - GetItemsRect().Height());
}

void CTKControlGallery::RecalcLayout() {
  if (m_pParent == nullptr || IsShowAsButton()) return;
  RepositionItems();
  m_nScrollOffset = std::max(0, std::min(m_nScrollOffset, GetMaxScrollPos()));
  UpdateScrollBar();
}

void CTKControlGallery::SetRect(CRect rcControl) {
  const BOOL bChanged = rcControl != m_rcControl;
  CTKControlPopup::SetRect(rcControl);
  if (bChanged) RecalcLayout();
}

// Geometry -------------------------------------------------------------------------------

int CTKControlGallery::HitTestItem(CPoint pt, CRect* lpRect) const {
  if (!GetEnabled() || IsShowAsButton()) return -1;
  const CRect rcItems = GetItemsRect();
  if (!rcItems.PtInRect(pt)) return -1;
  for (int i = 0; i < m_arrPositions.GetSize(); ++i) {
    const ItemPosition& pos = m_arrPositions[i];
    CRect rc(pos.rc);
    rc.OffsetRect(0, -m_nScrollOffset);
    if (rc.top > rcItems.bottom) break;
    if (!pos.pItem->IsEnabled() || !rc.PtInRect(pt)) continue;
    if (pos.pItem->IsLabel()) return -1;
    if (lpRect != NULL) *lpRect = rc;
    return i;
  }
  return -1;
}

CRect CTKControlGallery::GetItemRect(int nIndex) const {
  if (nIndex < 0 || nIndex >= m_arrPositions.GetSize()) return CRect(0, 0, 0, 0);
  CRect rc(m_arrPositions[nIndex].rc);
  rc.OffsetRect(0, -m_nScrollOffset);
  return rc;
}

BOOL CTKControlGallery::IsScrollButtonEnabled(int nHitCode) const {
  if (!GetEnabled()) return FALSE;
  if (nHitCode == TKSB_HT_UP) return m_nScrollOffset > 0;
  if (nHitCode == TKSB_HT_DOWN) return m_nScrollOffset < GetMaxScrollPos();
  return TRUE;
}

// Drawing -----------------------------------------------------------------------------------

CTKControlGalleryPaintManager* CTKControlGallery::GetGalleryPaintManager() const {
  CTKPaintManager* pPaintManager = GetPaintManager();
  return pPaintManager != nullptr ? pPaintManager->GetGalleryPaintManager() : nullptr;
}

void CTKControlGallery::Draw(CDC* pDC) {
  if (IsShowAsButton()) {
    CTKControlPopup::Draw(pDC);
    return;
  }
  FillControl(pDC, m_rcControl);
  DrawItems(pDC);
  if (m_bShowScrollBar) DrawScrollBar(pDC);
}

void CTKControlGallery::FillControl(CDC* pDC, CRect rc) {
  if (CTKControlGalleryPaintManager* pPaintManager = GetGalleryPaintManager())
    pPaintManager->FillGallery(pDC, this, rc);
}

void CTKControlGallery::DrawItems(CDC* pDC) {
  CTKControlGalleryItems* pItems = GetItems();
  if (pItems == nullptr) return;
  const CRect rcItems = GetItemsRect();
  CTKDCSaveState saved(pDC);
  pDC->IntersectClipRect(rcItems);
  const BOOL bEnabled = GetEnabled();
  for (int i = 0; i < m_arrPositions.GetSize(); ++i) {
    const ItemPosition& pos = m_arrPositions[i];
    CRect rc(pos.rc);
    rc.OffsetRect(0, -m_nScrollOffset);
    if (rc.top > rcItems.bottom) break;
    if (rc.bottom < rcItems.top || rc.IsRectEmpty()) continue;
    const BOOL bItemEnabled = bEnabled && pos.pItem->IsEnabled();
    const BOOL bSelected = i == m_nSelectedItem && !m_bHideSelection;
    const BOOL bPressed = bSelected && m_bItemPressed;
    const BOOL bChecked = IsItemChecked(pos.pItem);
    if (!pItems->OnDrawItem(pDC, this, pos.pItem, rc, bItemEnabled, bSelected, bPressed, bChecked))
      pos.pItem->Draw(pDC, this, rc, bItemEnabled, bSelected, bPressed, bChecked);
  }
}

void CTKControlGallery::DrawScrollBar(CDC* pDC) {
  if (HasPopupButtons()) {
    if (CTKControlGalleryPaintManager* pPaintManager = GetGalleryPaintManager())
      pPaintManager->DrawGalleryScrollBar(pDC, this);
    return;
  }
  if (CTKScrollBarPaintManager* pScrollBar = GetScrollBarPaintManager())
    pScrollBar->DrawScrollBar(pDC, this);
}

void CTKControlGallery::RedrawItem(int nIndex) {
  CTKControlGalleryItems* pItems = GetItems();
  if (pItems != nullptr && pItems->IsClipItems()) {
    CRect rc = GetItemRect(nIndex);
    if (rc.IntersectRect(rc, GetItemsRect()) && m_pParent != nullptr) m_pParent->Redraw(rc);
    return;
  }
  RedrawParent(FALSE);
}
