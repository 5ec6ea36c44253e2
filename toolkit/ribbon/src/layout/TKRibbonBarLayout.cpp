// CTKRibbonBar: its size for the frame's width and the placement pass: caption
// band, system button, controls of the tab row, tab strip and groups (the
// quick-access bar and the caption buttons have files of their own).
#include <algorithm>

#include "commandbars/TKCommandBars.h"
#include "commandbars/TKCommandBarsFrameHook.h"
#include "commandbars/TKPaintManager.h"
#include "common/TKDpiHelper.h"
#include "ribbon/TKRibbonBar.h"
#include "ribbon/TKRibbonControlTab.h"
#include "ribbon/TKRibbonGroup.h"
#include "ribbon/TKRibbonPaintManager.h"
#include "ribbon/TKRibbonQuickAccessControls.h"
#include "layout/TKRibbonLayoutHelpers.h"
#include "tabs/TKTabPaintManager.h"

using namespace tkribbonlayout;

namespace {

BOOL IsCaptionButtonId(int nId) { return nId >= SC_MINIMIZE && nId <= SC_RESTORE; }

}  // namespace

int CTKRibbonBar::GetCaptionHeight() const {
  int h = 0;
  CTKRibbonPaintManager* pPaintManager = GetRibbonPaintManager();
  if (IsCaptionVisible() && pPaintManager != nullptr)
    h = pPaintManager->GetCaptionHeight(const_cast<CTKRibbonBar*>(this));
  if (!m_bShowQuickAccess || m_bShowQuickAccessBelow) return h;
  int q = m_nQuickAccessHeight;
  if (GetFrameHook() == nullptr || IsDwmFrameEnabled()) q -= m_nQuickAccessMargin;
  return std::max(q, h);
}

int CTKRibbonBar::CalcQuickAccessHeight() const {
  CTKRibbonBar* pThis = const_cast<CTKRibbonBar*>(this);
  CMeasureDC dc(pThis);
  int nHeight = GetButtonSize().cy;
  for (int i = 0; i < m_pQuickAccessControls->GetCount(); ++i) {
    CTKControl* pControl = m_pQuickAccessControls->GetAt(i);
    if (pControl->IsVisible(TKHIDE_WRAP))
      nHeight = std::max<int>(nHeight, pControl->GetSize(dc.Get()).cy);
  }
  return nHeight + m_nQuickAccessMargin;
}

CSize CTKRibbonBar::CalcLayout(int nLength, DWORD dwMode, int) {
  m_bGroupReducedChanged = FALSE;
  CWnd* pSite = GetSite();
  CRect rcSite(0, 0, 0, 0);
  if (pSite != nullptr && pSite->GetSafeHwnd() != NULL) pSite->GetWindowRect(&rcSite);
  const int nMinFrameHeight =
      m_nMinVisibleFrameHeight == -1 ? m_nMinVisibleWidth : m_nMinVisibleFrameHeight;
  const BOOL bShown = nLength >= m_nMinVisibleWidth && rcSite.Height() >= nMinFrameHeight;
  if (bShown != m_bRibbonBarVisible) {
    m_bRibbonBarVisible = bShown;
    if (CTKCommandBarsFrameHook* pHook = GetFrameHook()) pHook->DelayRecalcFrameLayout();
  }
  if (!bShown) return CSize(nLength, 0);

  m_nQuickAccessHeight = CalcQuickAccessHeight();
  int nHeight = GetCaptionHeight() + GetDwmTopBorder() + GetGroupsAreaHeight() + GetTabsHeight();
  if (m_bShowQuickAccess && m_bShowQuickAccessBelow) nHeight += ScaleY(1) + m_nQuickAccessHeight;
  if (!IsGroupsVisible() && !(m_bShowQuickAccess && m_bShowQuickAccessBelow)) nHeight += ScaleY(2);

  if (dwMode & LM_COMMIT) {
    LayoutRibbon(nLength, nHeight);
    if (m_bGroupReducedChanged) {
      OnUpdateCmdUI();
      m_bGroupReducedChanged = FALSE;
    }
    if (m_dwState & kStateLayoutPending) {
      m_dwState &= ~kStateLayoutPending;
      Redraw();
    }
  }
  return CSize(nLength, nHeight);
}

void CTKRibbonBar::SortLayoutControls(std::vector<CTKControl*>& quickAccess,
                                      std::vector<CTKControl*>& tabRow) const {
  for (int i = 0; i < m_pControls->GetCount(); ++i) {
    CTKControl* pControl = m_pControls->GetAt(i);
    if (IsQuickAccessControl(pControl)) {
      quickAccess.push_back(pControl);
      continue;
    }
    // The flags this pass sets itself do not keep a control out of it.
    if (!pControl->IsVisible(TKHIDE_WRAP | TKHIDE_POSITION) || pControl->GetRibbonGroup() != nullptr)
      continue;
    if (IsCaptionButtonId(pControl->GetID()) || pControl == m_pControlSystemButton ||
        IsScrollButton(pControl) || pControl == m_pControlTab)
      continue;
    tabRow.push_back(pControl);
  }
}

int CTKRibbonBar::LayoutSystemButton(int nReserve, BOOL bCaption) {
  CTKControl* pButton = m_pControlSystemButton;
  int x = ScaleX(2);
  if (pButton == nullptr) return x;
  CMeasureDC dc(this);
  const int t = GetTabsHeight();
  const CRect rcTabs = m_rcTabControl;
  if (IsFileButton(pButton)) {
    CTKRibbonPaintManager* pPaintManager = GetRibbonPaintManager();
    const CRect rcMargin =
        pPaintManager != nullptr ? pPaintManager->GetFileButtonMargin() : CRect(0, 0, 0, 0);
    const CSize sz = pButton->GetSize(dc.Get());
    pButton->SetRect(CRect(rcMargin.left, rcTabs.top + rcMargin.top, rcMargin.left + sz.cx,
                           rcTabs.top + t));
    x = rcMargin.left + sz.cx + ScaleX(3) + rcMargin.right + ScaleX(4);
  } else if (!bCaption) {
    const CSize sz = pButton->GetSize(dc.Get());
    const int y = rcTabs.top + (t - sz.cy) / 2;
    pButton->SetRect(CRect(0, y, sz.cx, y + sz.cy));
    x = sz.cx + ScaleX(4);
  } else if (m_bTabsVisible) {
    const int nTop = m_rcCaption.top + ScaleY(4) - ScaleY(1);
    pButton->SetRect(CRect(0, nTop, nReserve, nTop + nReserve - ScaleY(1)));
    x = nReserve + ScaleX(4);
  } else {
    const CSize sz = pButton->GetSize(dc.Get());
    const int y = m_rcCaption.top + (m_rcCaption.Height() - sz.cy) / 2;
    pButton->SetRect(CRect(0, y, sz.cx, y + sz.cy));
    if (!m_bShowQuickAccessBelow) m_rcQuickAccess.left = sz.cx + ScaleX(12) + ScaleX(3);
  }
  SetHideFlag(pButton, TKHIDE_WRAP, !bCaption && !m_bTabsVisible);
  pButton->SetWrap(TRUE);
  return x;
}

int CTKRibbonBar::LayoutTabRowLeft(const std::vector<CTKControl*>& tabRow, int x) {
  CMeasureDC dc(this);
  const int t = GetTabsHeight();
  for (CTKControl* pControl : tabRow) {
    if (pControl->GetFlags() & 0x1) continue;
    SetHideFlag(pControl, TKHIDE_POSITION, !m_bTabsVisible);
    if (!pControl->IsVisible(TKHIDE_WRAP)) continue;
    if (pControl->GetBeginGroup()) x += ScaleX(6);
    const CSize sz = pControl->GetSize(dc.Get());
    const int y = m_rcTabControl.top + (t - sz.cy) / 2;
    pControl->SetRect(CRect(x, y, x + sz.cx, y + sz.cy));
    SetHideFlag(pControl, TKHIDE_WRAP, FALSE);
    x += sz.cx;
    pControl->SetRowRect(m_rcTabControl);
    pControl->SetWrap(FALSE);
  }
  return x;
}

int CTKRibbonBar::LayoutTabRowRight(const std::vector<CTKControl*>& tabRow, int nWidth) {
  CMeasureDC dc(this);
  const int t = GetTabsHeight();
  int r = nWidth;
  for (auto it = tabRow.rbegin(); it != tabRow.rend(); ++it) {
    CTKControl* pControl = *it;
    if (!(pControl->GetFlags() & 0x1)) continue;
    SetHideFlag(pControl, TKHIDE_POSITION, !m_bTabsVisible);
    if (!pControl->IsVisible(TKHIDE_WRAP)) continue;
    const CSize sz = pControl->GetSize(dc.Get());
    const int y = m_rcTabControl.top + (t - sz.cy) / 2;
    pControl->SetRect(CRect(r - sz.cx, y, r, y + sz.cy));
    r -= sz.cx;
    SetHideFlag(pControl, TKHIDE_WRAP, FALSE);
    pControl->SetRowRect(m_rcTabControl);
    pControl->SetWrap(TRUE);
    pControl->SetBeginGroup(FALSE);
  }
  return r;
}

void CTKRibbonBar::LayoutTabStrip(CDC* pDC, int x, int r) {
  const int nBottom = (m_bTabsVisible ? m_rcTabControl.bottom : m_rcTabControl.top) + ScaleY(1);
  CRect rcStrip(0, m_rcTabControl.top, 0, nBottom);
  if (r >= x + ScaleX(6) && m_bTabsVisible) rcStrip = CRect(x, m_rcTabControl.top, r, nBottom);
  SetHideFlag(m_pControlTab, TKHIDE_GENERIC, !m_bTabsVisible);
  m_pControlTab->SetRect(rcStrip);
  if (CTKTabPaintManager* pTabs = m_pControlTab->GetPaintManager())
    pTabs->LayoutStrip(m_pControlTab, pDC, rcStrip);
}

void CTKRibbonBar::LayoutRibbon(int nWidth, int) {
  CMeasureDC dc(this);
  const int t = GetTabsHeight();
  const int g = GetGroupsAreaHeight();
  const BOOL bCaption = IsCaptionVisible();
  const int q = m_nQuickAccessHeight;

  m_rcTabControl = CRect(ScaleX(2), 0, nWidth - ScaleX(2), t);
  m_rcGroups = CRect(0, t, nWidth, t + g);
  if (bCaption) {
    const int d = GetDwmTopBorder();
    const int nCaption = GetCaptionHeight();
    m_rcCaption = CRect(-ScaleX(4), d - ScaleY(4), nWidth + ScaleX(4), d + nCaption);
    m_rcTabControl.OffsetRect(0, nCaption + d);
    m_rcGroups.OffsetRect(0, nCaption + d);
    m_rcCaptionText = m_rcCaptionFree = CRect(0, 0, nWidth, m_rcCaption.bottom);
    if (GetFrameHook() == nullptr) m_rcCaptionText.SetRectEmpty();
  } else {
    m_rcCaption.SetRectEmpty();
    m_rcCaptionText.SetRectEmpty();
    m_rcCaptionFree.SetRectEmpty();
  }

  std::vector<CTKControl*> quickAccess, tabRow;
  SortLayoutControls(quickAccess, tabRow);

  const int nReserve = m_pControlSystemButton == nullptr || IsFileButton(m_pControlSystemButton)
                           ? ScaleX(10) + ::GetSystemMetrics(SM_CXSMICON)
                           : q + t - ScaleX(3);
  PlaceQuickAccessRect(nReserve, nWidth);
  int x = LayoutSystemButton(nReserve, bCaption);
  x = LayoutTabRowLeft(tabRow, x);
  LayoutQuickAccess(quickAccess, x, bCaption, nWidth);
  const int r = LayoutTabRowRight(tabRow, nWidth);
  LayoutTabStrip(dc.Get(), x, r);

  RepositionGroups(dc.Get(), m_rcGroups);
  RepositionCaptionButtons();
  if (bCaption)
    RepositionContextHeaders();
  else
    m_pContextHeaders->RemoveAll();
}

void CTKRibbonBar::RepositionGroups(CDC* pDC, CRect rcGroups) {
  m_rcGroups = rcGroups;
  CTKRibbonTab* pTab = GetSelectedTab();
  if (pTab == nullptr || IsBackstageViewVisible()) return;
  CTKRibbonPaintManager* pPaintManager = GetRibbonPaintManager();
  const int s = pPaintManager != nullptr && pPaintManager->GetGroupSpacing() > 0 ? ScaleX(4) : 0;
  pTab->GetGroups()->Reposition(pDC, rcGroups.right, rcGroups.left + s, rcGroups.top + ScaleY(3),
                                s + ScaleX(4), ScaleY(3));
}
