#include "SupportTabStrip.h"

#include "common/TKScopedHandle.h"

CTestTabStrip::CTestTabStrip(HWND hWnd, CRect rcBounds)
    : m_hWnd(hWnd),
      m_rcBounds(rcBounds),
      m_pPaintManager(CTKRefPtr<CTKTabPaintManager, CTKInternalRefTraits>::Adopt(
          new CTKTabPaintManager())) {
  m_pPaintManager->AttachStrip(this);
  Reposition();
}

CTestTabStrip::~CTestTabStrip() { m_pPaintManager->DetachStrip(this); }

void CTestTabStrip::Reposition() {
  ++m_nRepositions;
  CTKScopedWindowDC dc(m_hWnd);
  m_pPaintManager->LayoutStrip(this, CDC::FromHandle(dc.Get()), m_rcBounds);
  RedrawControl(NULL, FALSE);
}

void CTestTabStrip::RedrawControl(LPCRECT lpRect, BOOL) {
  ++m_nRedraws;
  if (m_hWnd != NULL) ::InvalidateRect(m_hWnd, lpRect, FALSE);
}

BOOL CTestTabStrip::DrawIcon(CDC* pDC, CPoint pt, CTKTabManagerItem* pItem, BOOL bDraw,
                             CSize& szIcon) {
  if (!m_bIcons) return FALSE;
  if (bDraw && pDC != NULL && pItem != NULL)
    pDC->FillSolidRect(pt.x, pt.y, szIcon.cx, szIcon.cy, pItem->GetColor());
  return TRUE;
}

void CTestTabStrip::OnSwapItems(CTKTabManagerItem*, CTKTabManagerItem*) { ++m_nSwaps; }

void CTestTabStrip::OnItemMoved(CTKTabManagerItem* pItem, int nOldIndex, int nNewIndex) {
  m_moves.push_back(Moved{pItem, nOldIndex, nNewIndex});
}

void CTestTabStrip::OnNavigateButtonCommand(int nId) { m_commands.push_back(nId); }

CTKTabManagerItem* CTestTabStrip::Add(LPCTSTR lpszCaption) {
  CTKTabManagerItem* pItem = AddItem(-1);
  pItem->SetCaption(lpszCaption);
  return pItem;
}

void CTestTabStrip::SetBounds(const CRect& rc) {
  m_rcBounds = rc;
  Reposition();
}

void CTestTabStrip::Paint(CDC* pDC) { m_pPaintManager->PaintStrip(this, pDC, m_rcBounds); }
