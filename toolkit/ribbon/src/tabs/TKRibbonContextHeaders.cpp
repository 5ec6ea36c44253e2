// The ribbon bar's context headers: one coloured header per run of adjacent
// visible tabs of the same contextual set, fitted into the caption band.
#include "common/TKDpiHelper.h"
#include "ribbon/TKRibbonBar.h"
#include "ribbon/TKRibbonControlTab.h"

void CTKRibbonBar::SetCaptionRects(CRect rcCaption, CRect rcCaptionText, CRect rcFree) {
  m_rcCaption = rcCaption;
  m_rcCaptionText = rcCaptionText;
  m_rcCaptionFree = rcFree;
}

void CTKRibbonBar::RepositionContextHeaders() {
  m_pContextHeaders->RemoveAll();
  const int nTabs = GetTabCount();
  if (!IsCaptionVisible() || nTabs == 0) return;
  CTKDpiHelper* pDpi = TKDpiHelper();

  if (m_bShowQuickAccess && !m_bShowQuickAccessBelow && GetFrameHook() == nullptr) {
    const int nGap = m_pControlQuickAccess != nullptr
                         ? m_pControlQuickAccess->GetRect().Width() + pDpi->ScaleX(2)
                         : pDpi->ScaleX(12);
    m_rcCaptionFree.left = m_rcQuickAccess.right + nGap;
  }

  CTKRibbonTabContextHeader* pCurrent = nullptr;
  for (int i = 0; i < nTabs; ++i) {
    CTKRibbonTab* pTab = GetTab(i);
    pTab->SetContextHeader(nullptr);
    // Hidden tabs neither join a run nor end it.
    if (!pTab->IsVisible()) continue;
    if (pTab->GetContextColor() == 0 || pTab->GetContextCaption().IsEmpty()) {
      pCurrent = nullptr;
      continue;
    }
    const CRect rcTab = pTab->GetRect();
    if (pCurrent != nullptr && pCurrent->m_nColor == pTab->GetContextColor() &&
        pCurrent->m_strCaption == pTab->GetContextCaption()) {
      pCurrent->m_pLastTab = pTab;
      pCurrent->m_rcHeader.right = rcTab.right;
      pTab->SetContextHeader(pCurrent);
      continue;
    }
    pCurrent = new CTKRibbonTabContextHeader;
    pCurrent->m_pFirstTab = pCurrent->m_pLastTab = pTab;
    pCurrent->m_strCaption = pTab->GetContextCaption();
    pCurrent->m_nColor = pTab->GetContextColor();
    pCurrent->m_rcHeader.SetRect(rcTab.left, m_rcCaption.top + pDpi->ScaleY(4), rcTab.right,
                                 m_rcCaption.bottom);
    m_pContextHeaders->Add(pCurrent);
    pTab->SetContextHeader(pCurrent);
  }

  const int nHeaders = m_pContextHeaders->GetCount();
  if (nHeaders == 0) return;
  const int nFreeLeft = m_rcCaptionFree.left;
  const int nFreeRight = m_rcCaptionFree.right;
  if (!FitContextHeaders(nFreeLeft, nFreeRight)) {
    for (int i = 0; i < nTabs; ++i) GetTab(i)->SetContextHeader(nullptr);
    m_pContextHeaders->RemoveAll();
    return;
  }

  // The window title moves aside where the headers cover it.
  const CRect rcSpan(m_pContextHeaders->GetAt(0)->m_rcHeader.left,
                     m_rcCaption.top + pDpi->ScaleY(6),
                     m_pContextHeaders->GetAt(nHeaders - 1)->m_rcHeader.right, m_rcCaption.bottom);
  CRect rcMeet;
  if (!rcMeet.IntersectRect(rcSpan, m_rcCaptionText)) return;
  const int nWidth = m_rcCaptionText.Width();
  if (rcSpan.CenterPoint().x < m_rcCaptionText.CenterPoint().x) {
    m_rcCaptionText.left = rcSpan.right;
    m_rcCaptionText.right = nFreeRight - rcSpan.right < nWidth ? nFreeRight : rcSpan.right + nWidth;
  } else {
    m_rcCaptionText.right = rcSpan.left;
    m_rcCaptionText.left = rcSpan.left - nFreeLeft < nWidth ? nFreeLeft : rcSpan.left - nWidth;
  }
  m_rcCaptionText.DeflateRect(pDpi->ScaleX(4), 0);
}

BOOL CTKRibbonBar::FitContextHeaders(int nLeft, int nRight) {
  const int nMin = TKDpiHelper()->ScaleX(40);
  const int nCount = m_pContextHeaders->GetCount();
  for (int i = 0; i < nCount; ++i) {
    CRect& rc = m_pContextHeaders->GetAt(i)->m_rcHeader;
    if (rc.left >= nLeft) break;
    rc.left = nLeft;
    if (rc.Width() < nMin) rc.right = nLeft + nMin;
    nLeft = rc.right;
  }
  for (int i = nCount - 1; i >= 0; --i) {
    CRect& rc = m_pContextHeaders->GetAt(i)->m_rcHeader;
    if (rc.right <= nRight) break;
    rc.right = nRight;
    if (rc.Width() < nMin) rc.left = nRight - nMin;
    if (rc.left < nLeft) return FALSE;
    nRight = rc.left;
  }
  return TRUE;
}
