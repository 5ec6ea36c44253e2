// The backstage view's place over the frame, its menu pane and page, and
// its painting.
#include <algorithm>

#include "commandbars/TKCommandBars.h"
#include "commandbars/TKControls.h"
#include "common/TKDCHelpers.h"
#include "common/TKDpiHelper.h"
#include "common/TKImageManagerIcon.h"
#include "common/TKScopedHandle.h"
#include "ribbon/TKRibbonBackstageControls.h"
#include "ribbon/TKRibbonBackstagePaintManager.h"
#include "ribbon/TKRibbonBackstageView.h"
#include "ribbon/TKRibbonBar.h"

int CTKRibbonBackstageView::GetTopOffset() const {
  CTKRibbonBar* pRibbon = DYNAMIC_DOWNCAST(CTKRibbonBar, GetCommandBars()->GetMenuBar());
  if (pRibbon == nullptr || !pRibbon->IsVisibleOnScreen()) return 0;
  return TKDpiHelper()->ScaleY(1) + pRibbon->GetTabsHeight() + pRibbon->GetCaptionHeight() +
         pRibbon->GetDwmTopBorder();
}

void CTKRibbonBackstageView::RecalcLayout() {
  CWnd* pSite = GetCommandBars()->GetSite();
  CRect rcClient;
  pSite->GetClientRect(&rcClient);
  const int nOffset = GetTopOffset();
  SetWindowPos(&wndTop, rcClient.left, rcClient.top + nOffset, rcClient.Width(),
               rcClient.Height() - nOffset, SWP_SHOWWINDOW);

  {
    CClientDC dc(this);
    m_nMenuWidth = CalcMenuWidth(&dc);
  }
  PlaceControls();

  if (CWnd* pPage = GetActiveTabPage()) {
    CTKRibbonBackstageTab* pTab = static_cast<CTKRibbonBackstageTab*>(m_pActiveTab);
    const int nTop = TKDpiHelper()->ScaleY(2);
    const int cx = std::max<int>(rcClient.right, m_nMenuWidth + pTab->GetMinPageWidth()) - m_nMenuWidth;
    const int cy = std::max<int>(rcClient.bottom - nOffset, nTop + pTab->GetMinPageHeight()) - nTop;
    pPage->SetWindowPos(nullptr, m_nMenuWidth, nTop, cx, cy,
                        SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
  }
  Invalidate(FALSE);
}

int CTKRibbonBackstageView::CalcMenuWidth(CDC* pDC) {
  CTKDpiHelper* pDpi = TKDpiHelper();
  const CTKRibbonBackstagePaintManager* pLook = m_pPaintManager;
  int nWidth = pDpi->ScaleX(132);
  for (int i = 0; i < GetControlCount(); ++i) {
    CTKControl* pControl = GetControl(i);
    if (!pControl->IsVisible()) continue;
    CFont* pFont = IsCommand(pControl) ? &m_fontCommand : &m_fontTab;
    CTKSelectGuard font(pDC->GetSafeHdc(), pFont->GetSafeHandle());
    // Vertical scaling on purpose: the room around the text follows the font's height.
    int cx = pDC->GetTextExtent(pControl->GetCaption()).cx + pDpi->ScaleY(6) +
             2 * pLook->m_nCommandInset + pLook->m_nTextIndent;
    if (CTKImageManagerIcon* pIcon = GetControlIcon(pControl, 16))
      cx += pDpi->ScaleX(pIcon->GetWidth()) + pLook->m_nIconGap;
    nWidth = std::max(nWidth, cx);
  }
  return nWidth;
}

void CTKRibbonBackstageView::PlaceControls() {
  CTKDpiHelper* pDpi = TKDpiHelper();
  const int nInset = m_pPaintManager->m_nCommandInset;
  const int nSeparator = m_pPaintManager->m_nSeparatorHeight;
  int y = pDpi->ScaleY(7);
  for (int i = 0; i < GetControlCount(); ++i) {
    CTKControl* pControl = GetControl(i);
    if (!pControl->IsVisible()) continue;
    if (IsCommand(pControl)) {
      pControl->SetRect(CRect(nInset, y, m_nMenuWidth - nInset, y + pDpi->ScaleY(26)));
      y += pDpi->ScaleY(26) + pDpi->ScaleY(2);
    } else if (IsMenuSeparator(pControl)) {
      if (nSeparator == 0) {
        pControl->SetRect(CRect(0, 0, 0, 0));
        continue;
      }
      pControl->SetRect(CRect(0, y, m_nMenuWidth, y + nSeparator));
      y += nSeparator + pDpi->ScaleY(1);
    } else {
      pControl->SetRect(CRect(0, y, m_nMenuWidth, y + pDpi->ScaleY(37)));
      y += pDpi->ScaleY(37) + pDpi->ScaleY(1);
    }
  }
}

void CTKRibbonBackstageView::OnPaint() {
  CPaintDC dcPaint(this);
  CTKBufferDC dc(dcPaint);
  CRect rc;
  GetClientRect(&rc);
  DrawCommandBar(&dc, rc);
}

void CTKRibbonBackstageView::DrawCommandBar(CDC* pDC, CRect /*rcClipBox*/) {
  m_pPaintManager->FillBackstage(pDC, this);
  for (int i = 0; i < GetControlCount(); ++i) {
    pDC->SetTextColor(RGB(0, 0, 0));
    m_pPaintManager->DrawControl(pDC, this, GetControl(i));
  }
}
