// CTKRibbonBar: where the quick-access bar stands (in the caption, in the tab
// row, or below the groups) and which of its commands fit: the first that
// does not fit and every one after it give way to the more button.
#include "commandbars/TKCommandBarsFrameHook.h"
#include "common/TKDpiHelper.h"
#include "layout/TKRibbonLayoutHelpers.h"
#include "ribbon/TKRibbonBar.h"
#include "themes/TKPaintManagerBase.h"

using namespace tkribbonlayout;

namespace {

/// The looks that centre the quick-access bar in their flat caption.
BOOL IsFlatCaptionTheme(CTKPaintManager* pPaintManager) {
  CTKPaintManagerBase* pBase = dynamic_cast<CTKPaintManagerBase*>(pPaintManager);
  return pBase != nullptr && (pBase->m_nThemeId == 12 || pBase->m_nThemeId == 16);
}

BOOL IsMainWindowMaximized() {
  CWnd* pMain = AfxGetMainWnd();
  return pMain == nullptr || pMain->GetSafeHwnd() == NULL || pMain->IsZoomed();
}

}  // namespace

void CTKRibbonBar::PlaceQuickAccessRect(int nReserve, int nWidth) {
  const int q = m_nQuickAccessHeight;
  if (m_bShowQuickAccess && m_bShowQuickAccessBelow) {
    m_rcQuickAccess = CRect(0, m_rcGroups.bottom, nWidth, m_rcGroups.bottom + q);
    return;
  }
  const int nTop = m_rcCaption.top + ScaleY(4);
  m_rcQuickAccess =
      CRect(nReserve + ScaleX(3), nTop - ScaleY(2), m_rcCaption.right, nTop + q - ScaleX(2));
  if (IsFlatCaptionTheme(GetPaintManager())) {
    m_rcQuickAccess.top = m_rcCaption.top + (m_rcCaption.Height() - q) / 2;
    m_rcQuickAccess.bottom = m_rcQuickAccess.top + q;
  } else if (GetFrameHook() == nullptr || IsDwmFrameEnabled()) {
    m_rcQuickAccess.OffsetRect(
        0, -(IsMainWindowMaximized() ? m_nQuickAccessMargin / 2 : m_nQuickAccessMargin));
  }
}

void CTKRibbonBar::LayoutQuickAccess(const std::vector<CTKControl*>& quickAccess, int& x,
                                     BOOL bCaption, int nWidth) {
  const BOOL bBelow = m_bShowQuickAccess && m_bShowQuickAccessBelow;
  const BOOL bFileButton = IsFileButton(m_pControlSystemButton);
  const BOOL bInTabRow = m_bShowQuickAccess && !bBelow && !bCaption;
  int xq = m_rcQuickAccess.left + (bBelow ? ScaleX(2) : 0);
  if (bInTabRow) {
    xq = x + ScaleX(5);
    m_rcQuickAccess.left = xq;
    m_rcQuickAccess.top = m_rcTabControl.top;
    m_rcQuickAccess.bottom = m_rcTabControl.bottom;
  }
  int nLimit = nWidth - 3 * m_rcCaption.Height();
  if (bBelow)
    nLimit = nWidth - ScaleX(2) - ScaleX(13);
  else if (IsDwmFrameEnabled())
    nLimit = nWidth - ScaleX(115);

  SetHideFlag(m_pControlQuickAccessMore, TKHIDE_GENERIC, TRUE);
  const BOOL bInCaption = !bBelow && !bInTabRow;
  BOOL bOverflow = FALSE, bCommandSeen = FALSE;
  CMeasureDC dc(this);
  CDC* pDC = dc.Get();
  for (CTKControl* pControl : quickAccess) {
    const BOOL bPopup = pControl == m_pControlQuickAccess || pControl == m_pControlQuickAccessMore;
    if (!m_bShowQuickAccess || (!bCaption && !m_bTabsVisible)) {
      SetHideFlag(pControl, TKHIDE_WRAP, TRUE);
      continue;
    }
    if (pControl != m_pControlQuickAccessMore) SetHideFlag(pControl, TKHIDE_WRAP, bOverflow);
    if (pControl == m_pControlQuickAccess && bCommandSeen && bInCaption && !bFileButton)
      xq += ScaleX(12);
    if (!pControl->IsVisible()) continue;
    const CSize sz = pControl->GetSize(pDC);
    if (!bPopup) bCommandSeen = TRUE;
    int y = m_rcQuickAccess.top + (ScaleY(1) + m_rcQuickAccess.Height() - sz.cy) / 2;
    if (bInCaption) y += bFileButton ? ScaleY(1) : (bPopup ? 0 : ScaleY(2));
    if (pControl->GetBeginGroup()) xq += ScaleX(6);
    if (!bPopup && xq + sz.cx > nLimit) {
      SetHideFlag(pControl, TKHIDE_WRAP, TRUE);
      bOverflow = TRUE;
      SetHideFlag(m_pControlQuickAccessMore, TKHIDE_GENERIC, FALSE);
      continue;
    }
    pControl->SetRect(CRect(xq, y, xq + sz.cx, y + sz.cy));
    SetHideFlag(pControl, TKHIDE_WRAP, FALSE);
    pControl->SetRowRect(m_rcQuickAccess);
    pControl->SetWrap(FALSE);
    // In the caption and below, the two buttons share one place: only one shows.
    if (!bPopup || bInTabRow) xq += sz.cx;
  }
  if (!bBelow) m_rcQuickAccess.right = xq;
  if (bInTabRow) x = xq;
}
