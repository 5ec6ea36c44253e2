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

void CTKRibbonTabColorSet::SetTextColor(CDC* pDC, const CTKTabManagerItem* pItem) {
  BOOL bSelected = pItem->IsSelected();
  BOOL bHot = pItem->IsHighlighted();
  CTKRibbonControlTab* pStrip = dynamic_cast<CTKRibbonControlTab*>(pItem->GetManager());
  const BOOL bFocused = bSelected && pStrip != nullptr && pStrip->IsFocusVisible();
  const CTKRibbonTab* pTab = dynamic_cast<const CTKRibbonTab*>(pItem);
  CTKRibbonBar* pRibbonBar = pTab != nullptr ? pTab->GetRibbonBar() : nullptr;

  BOOL bBackstageRule = TRUE;
  if (bSelected && pRibbonBar != nullptr && pRibbonBar->IsRibbonMinimized()) {
    if (pStrip != nullptr && pStrip->IsPopupTracking()) {
      // The minimised tab is open: it keeps the selected look under the mouse.
      bHot = FALSE;
    } else {
      bSelected = FALSE;
      bHot = pStrip != nullptr && pStrip->GetSelected() != 0 && bFocused;
      bBackstageRule = FALSE;
    }
  }
  if (bBackstageRule && bSelected && pRibbonBar != nullptr && pRibbonBar->IsBackstageViewVisible())
    bSelected = FALSE;

  COLORREF clr = m_clrText;
  if (!pItem->IsEnabled())
    clr = m_clrTextDisabled;
  else if (bSelected)
    clr = m_clrTextSelected;
  else if (bHot)
    clr = m_clrTextHighlighted;
  pDC->SetTextColor(clr);
}
