// The ribbon's tab appearance and colour set.
#include "ribbon/TKRibbonTabTheme.h"

#include "common/TKDpiHelper.h"
#include "ribbon/TKRibbonBar.h"
#include "ribbon/TKRibbonControlTab.h"
#include "ribbon/TKRibbonPaintManager.h"
#include "ribbon/TKRibbonTab.h"
#include "tabs/TKTabPaintManager.h"
#include "themes/TKPaintManagerBase.h"

namespace {
CTKRibbonBar* RibbonBarOfStrip(CTKTabManager* pStrip) {
  CTKRibbonControlTab* pControlTab = dynamic_cast<CTKRibbonControlTab*>(pStrip);
  return pControlTab != nullptr ? pControlTab->GetRibbonBar() : nullptr;
}
}  // namespace

CTKRibbonTabTheme::CTKRibbonTabTheme(CTKRibbonPaintManager* pRibbonPaintManager)
    : m_pRibbonPaintManager(pRibbonPaintManager) {
  m_rcHeaderMargin.SetRect(0, 1, 0, 0);
  m_nItemSpacing = -2;
}

int CTKRibbonTabTheme::GetRowHeight(const CTKTabManager*) const {
  return TKDpiHelper()->ScaleY(1) + m_pRibbonPaintManager->GetTabHeight();
}

void CTKRibbonTabTheme::DrawTabControl(CTKTabManager* pStrip, CDC* pDC, CRect rcControl) {
  m_pRibbonPaintManager->FillContextTabBackground(pDC, RibbonBarOfStrip(pStrip), rcControl);
  CTKTabPaintManagerTheme::DrawTabControl(pStrip, pDC, rcControl);
}

void CTKRibbonTabTheme::DrawItem(CDC* pDC, CTKTabManagerItem* pItem) {
  m_pRibbonPaintManager->DrawRibbonTab(pDC, pItem);
  GetPaintManager()->DrawItemText(pDC, pItem, pItem->GetRect(), TRUE);
}

void CTKRibbonTabTheme::DrawText(CDC* pDC, CTKTabManagerItem* pItem, const CString& strText,
                                 LPRECT lpRect, UINT nFormat) {
  CTKPaintManagerBase* pOwner = m_pRibbonPaintManager->GetOwner();
  if ((nFormat & DT_CALCRECT) != 0 || pOwner == nullptr) {
    pDC->DrawText(strText, lpRect, nFormat);
    return;
  }
  const BOOL bComposited = m_pRibbonPaintManager->IntersectsRibbonGlassArea(
      RibbonBarOfStrip(pItem->GetManager()), CRect(lpRect));
  pOwner->DrawTextComposited(pDC, strText, CRect(lpRect), nFormat, bComposited);
}

TK_RIBBON_TAB_STATE AFX_CDECL CTKRibbonTabColorSet::GetTabState(const CTKTabManagerItem* pItem) {
  TK_RIBBON_TAB_STATE state = {pItem->IsSelected(), pItem->IsHighlighted(), FALSE};
  CTKRibbonControlTab* pStrip = dynamic_cast<CTKRibbonControlTab*>(pItem->GetManager());
  state.bFocused = state.bSelected && pStrip != nullptr && pStrip->IsFocusVisible();
  const CTKRibbonTab* pTab = dynamic_cast<const CTKRibbonTab*>(pItem);
  CTKRibbonBar* pRibbonBar = pTab != nullptr ? pTab->GetRibbonBar() : nullptr;

  BOOL bBackstageRule = TRUE;
  if (state.bSelected && pRibbonBar != nullptr && pRibbonBar->IsRibbonMinimized()) {
    if (pStrip != nullptr && pStrip->IsPopupTracking()) {
      // The minimised tab is open: it keeps the selected look under the mouse.
      state.bHot = FALSE;
      state.bFocused = FALSE;
    } else {
      state.bSelected = FALSE;
      state.bHot = pStrip != nullptr && pStrip->GetSelected() != 0 && state.bFocused;
      state.bFocused = FALSE;
      bBackstageRule = FALSE;
    }
  }
  if (bBackstageRule && state.bSelected && pRibbonBar != nullptr &&
      pRibbonBar->IsBackstageViewVisible())
    state.bSelected = FALSE;
  return state;
}

void CTKRibbonTabColorSet::SetTextColor(CDC* pDC, const CTKTabManagerItem* pItem) {
  const TK_RIBBON_TAB_STATE state = GetTabState(pItem);
  COLORREF clr = m_clrText;
  if (!pItem->IsEnabled())
    clr = m_clrTextDisabled;
  else if (state.bSelected)
    clr = m_clrTextSelected;
  else if (state.bHot)
    clr = m_clrTextHighlighted;
  pDC->SetTextColor(clr);
}
