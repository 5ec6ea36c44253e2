// CTKStatusBar: painting through the theme's status-bar paint manager.
#include "commandbars/TKStatusBar.h"

#include "common/TKDCHelpers.h"
#include "common/TKResourceImages.h"

void CTKStatusBar::OnPaint() {
  CPaintDC dcPaint(this);
  CRect rcClient;
  GetClientRect(&rcClient);
  CTKBufferDC dc(dcPaint.GetSafeHdc(), rcClient);
  DrawBar(&dc);
}

LRESULT CTKStatusBar::OnPrintClient(WPARAM wParam, LPARAM) {
  if (GetStatusBarPaintManager() == nullptr) return Default();
  CDC* pDC = CDC::FromHandle(reinterpret_cast<HDC>(wParam));
  DrawBar(pDC);
  return 1;
}

BOOL CTKStatusBar::OnEraseBkgnd(CDC*) { return TRUE; }

void CTKStatusBar::DrawBar(CDC* pDC) {
  CTKPaintManager* pPaintManager = GetPaintManager();
  CTKStatusBarPaintManager* pStatusPaintManager = GetStatusBarPaintManager();
  if (pStatusPaintManager == nullptr) return;
  // An image theme without its images has nothing to draw with.
  if (pPaintManager->UsesResourceImages() && !TKResourceImages()->IsLoaded()) return;

  CRect rcClient;
  GetClientRect(&rcClient);
  pStatusPaintManager->DrawStatusBarBackground(pDC, this);

  int nLastVisible = -1;
  for (int i = 0; i < GetPaneCount(); ++i)
    if (m_arrPanes[i]->IsVisible()) nLastVisible = i;

  BOOL bSeparatorPending = FALSE;
  BOOL bAnyDrawn = FALSE;
  for (int i = 0; i < GetPaneCount(); ++i) {
    CTKStatusBarPane* pPane = m_arrPanes[i];
    if (bAnyDrawn && pPane->m_bBeginGroup) bSeparatorPending = TRUE;
    if (!pPane->IsVisible()) continue;
    if (pPane->HasBorders())
      pStatusPaintManager->DrawPaneBorder(pDC, pPane->m_rcPane, pPane, i == nLastVisible);
    else if (bSeparatorPending)
      pStatusPaintManager->DrawPaneSeparator(pDC, pPane->m_rcPane, pPane);
    DrawPaneEntry(pDC, i, pPane->m_rcPane);
    bSeparatorPending = FALSE;
    bAnyDrawn = TRUE;
  }
  if (m_bDrawGripper && !IsParentMaximized()) DrawSizeGripper(pDC, rcClient);
}

void CTKStatusBar::DrawPaneEntry(CDC* pDC, int nIndex, CRect rcItem) {
  CTKStatusBarPane* pPane = GetPane(nIndex);
  if (pPane != nullptr) pPane->Draw(pDC, rcItem);
}

void CTKStatusBar::DrawSizeGripper(CDC* pDC, CRect rcClient) {
  CTKStatusBarPaintManager* pPaintManager = GetStatusBarPaintManager();
  if (pPaintManager != nullptr) pPaintManager->DrawGripper(pDC, rcClient);
}
