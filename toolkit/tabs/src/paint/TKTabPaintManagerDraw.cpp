// Painting a strip: background, header and page through the appearance,
// rows under the header clip, the selected tab last.
#include "TKTabSavedClip.h"
#include "common/TKScopedHandle.h"
#include "tabs/TKTabManager.h"
#include "tabs/TKTabManagerItem.h"
#include "tabs/TKTabPaintManager.h"
#include "tabs/TKTabPaintManagerColorSet.h"
#include "tabs/TKTabPaintManagerTheme.h"

void CTKTabPaintManager::PaintStripBody(CTKTabManager* pStrip, CDC* pDC, CRect rc) {
  if (pStrip->HasControlFrame()) {
    const COLORREF clrFrame = m_pColorSet->m_clrFrameBorder;
    DrawFrame3d(pDC, rc, m_pColorSet->m_clrFrameHighlight, clrFrame);
    rc.DeflateRect(1, 1, 1, 1);
    DrawFrame3d(pDC, rc, clrFrame, m_pColorSet->m_clrFrameHighlight);
    rc.DeflateRect(TKTurnMarginsToPosition(CRect(1, 0, 1, 1), m_nPosition));
  }
  if (m_bFillBackground) pDC->FillSolidRect(rc, m_pColorSet->m_clrControlFace);
  rc.DeflateRect(TKTurnMarginsToPosition(m_rcControlMargin, m_nPosition));
  pDC->SetBkMode(TRANSPARENT);
  if (m_bFillBackground) m_pAppearance->FillTabControl(pStrip, pDC, rc);

  CRect rcClip;
  if (m_bClipHeader)
    rcClip = m_pAppearance->GetHeaderClipBox(pDC, pStrip);
  else
    pDC->GetClipBox(rcClip);
  if (!rcClip.IsRectEmpty()) {
    CTKTabSavedClip restore(pDC->GetSafeHdc());
    if (m_bClipHeader) {
      restore.Intersect(pDC, rcClip);
      m_pColorSet->AdjustHeaderClip(pDC, rcClip, pStrip);
    }
    for (int r = pStrip->GetRowTable().GetRowCount() - 1; r >= 0; --r)
      PaintRow(pStrip, pDC, rcClip, r);
  }
  CTKTabManagerNavigateButtons& buttons = pStrip->GetNavigateButtons();
  for (int i = buttons.GetSize() - 1; i >= 0; --i) buttons[i]->Paint(pDC);
}

void CTKTabPaintManager::PaintRow(CTKTabManager* pStrip, CDC* pDC, CRect rcClip, int nRow) {
  const TabRowTable& rows = pStrip->GetRowTable();
  if (nRow >= rows.GetRowCount()) return;
  const int nFirst = rows.rows[nRow].nFirst;
  const int nLast = std::min(rows.rows[nRow].nLast, pStrip->GetItemCount() - 1);
  CTKTabManagerItem* pSelected = NULL;
  auto meetsClip = [&](CTKTabManagerItem* pItem) {
    CRect rcDraw = m_pAppearance->GetItemDrawRect(pItem);
    return !!CRect().IntersectRect(rcDraw, rcClip);
  };

  int nStop = nFirst;
  if (m_pAppearance->IsDrawTowardsSelection()) {
    for (; nStop <= nLast; ++nStop) {
      CTKTabManagerItem* pItem = pStrip->GetItem(nStop);
      if (pItem == NULL || pItem->GetRow() != nRow || pItem->IsSelected()) break;
      if (pItem->IsVisible() && meetsClip(pItem)) m_pAppearance->DrawItem(pDC, pItem);
    }
  }
  for (int i = nLast; i >= nStop; --i) {
    CTKTabManagerItem* pItem = pStrip->GetItem(i);
    if (pItem == NULL || pItem->GetRow() != nRow) break;
    if (!pItem->IsVisible()) continue;
    if (pItem->IsSelected()) {
      pSelected = pItem;
      continue;
    }
    if (meetsClip(pItem)) m_pAppearance->DrawItem(pDC, pItem);
  }
  if (pSelected != NULL) m_pAppearance->DrawItem(pDC, pSelected);
}
