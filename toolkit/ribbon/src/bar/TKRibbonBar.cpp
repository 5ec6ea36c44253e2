// The ribbon bar: what it owns, its tabs, its minimised state, the groups it
// shows and the metrics its layout reads.
#include "ribbon/TKRibbonBar.h"

#include <algorithm>

#include "commandbars/TKCommandBars.h"
#include "commandbars/TKCommandBarsFrameHook.h"
#include "commandbars/TKCommandBarsOptions.h"
#include "commandbars/TKControls.h"
#include "common/TKDpiHelper.h"
#include "common/TKResourceManager.h"
#include "common/TKToolTipContext.h"
#include "ribbon/TKRibbonBackstageView.h"
#include "ribbon/TKRibbonControlTab.h"
#include "ribbon/TKRibbonGroup.h"
#include "ribbon/TKRibbonPaintManager.h"
#include "ribbon/TKRibbonQuickAccessControls.h"
#include "ribbon/TKRibbonResource.h"
#include "ribbon/TKRibbonTabPopupToolBar.h"
#include "themes/TKPaintManagerBase.h"

TK_IMPLEMENT_LAYOUT_CLASS(CTKRibbonBar, CTKMenuBar)

BEGIN_MESSAGE_MAP(CTKRibbonBar, CTKMenuBar)
  ON_MESSAGE(TK_WM_CONTROLNOTIFY, OnControlNotify)
  ON_COMMAND_RANGE(TK_ID_RIBBONCUSTOMIZE_QUICKACCESSBELOW, TK_ID_RIBBONCUSTOMIZE_QUICKACCESSABOVE,
                   OnQuickAccessPositionCommand)
  // Mouse and frame messages (src/input)
  ON_WM_LBUTTONDOWN()
  ON_WM_RBUTTONUP()
  ON_WM_LBUTTONDBLCLK()
  ON_WM_SYSCOLORCHANGE()
  ON_WM_MOUSEMOVE()
  ON_MESSAGE(WM_MOUSELEAVE, OnMouseLeave)
  ON_WM_CREATE()
  ON_WM_SETCURSOR()
  ON_WM_SHOWWINDOW()
  ON_WM_RBUTTONDOWN()
  ON_WM_NCHITTEST()
END_MESSAGE_MAP()

namespace {
/// A temporary control of the ribbon with its tooltip from a string resource.
void AddBuiltInControl(CTKControls* pControls, CTKControl* pControl, int nId) {
  pControls->Add(pControl, nId, NULL, -1, TRUE);
  CString strPrompt;
  if (TKResourceManager()->LoadStringInto(strPrompt, static_cast<UINT>(nId)))
    pControl->SetPrompt(strPrompt);
}
}  // namespace

CTKRibbonBar::CTKRibbonBar()
    : m_rcTabControl(0, 0, 0, 0),
      m_rcGroups(0, 0, 0, 0),
      m_rcCaption(0, 0, 0, 0),
      m_rcCaptionText(0, 0, 0, 0),
      m_rcCaptionFree(0, 0, 0, 0),
      m_rcQuickAccess(0, 0, 0, 0),
      m_bRibbonBarVisible(TRUE),
      m_bGroupsVisible(TRUE),
      m_bTabsVisible(TRUE),
      m_bShowQuickAccessBelow(FALSE),
      m_bShowQuickAccess(TRUE),
      m_bAllowQuickAccessDuplicates(FALSE),
      m_bAllowQuickAccessCustomization(TRUE),
      m_bGroupReducedChanged(FALSE),
      m_nQuickAccessHeight(0),
      m_bAllowMinimize(TRUE),
      m_pQuickAccessControls(nullptr),
      m_pControlTab(nullptr),
      m_pControlQuickAccess(nullptr),
      m_pControlQuickAccessMore(nullptr),
      m_pControlSystemButton(nullptr),
      m_bTabSelectedClick(FALSE),
      m_nMinVisibleWidth(TKDpiHelper()->ScaleX(250)),
      m_nMinVisibleFrameHeight(-1),
      m_pContextHeaders(nullptr),
      m_nFixedGroupsHeight(0),
      m_nFixedGroupsContentHeight(0),
      m_bMinimized(FALSE),
      m_bShowCaptionAlways(TRUE),
      m_nQuickAccessMargin(TKDpiHelper()->ScaleY(4)),
      m_nQuickAccessEmptyIconId(-1) {
  m_dwFlags = 0x440;
  m_dwStyle = 0;
  m_bCustomizable = FALSE;
  EnableAnimation(TRUE);
  EnableDoubleBuffer(TRUE);

  m_pQuickAccessControls = new CTKRibbonQuickAccessControls;
  m_pQuickAccessControls->SetParent(this);
  SetControls(new CTKRibbonControls);
  InitScrollableBar(this);

  m_pControlQuickAccess = new CTKRibbonBarControlQuickAccessPopup;
  AddBuiltInControl(m_pControls, m_pControlQuickAccess, TK_ID_RIBBONCUSTOMIZE_QUICKACCESS);
  m_pControlQuickAccessMore = new CControlQuickAccessMorePopup;
  AddBuiltInControl(m_pControls, m_pControlQuickAccessMore, TK_ID_RIBBONCONTROLQUICKACCESSMORE);
  m_pControlQuickAccessMore->SetHideFlags(TKHIDE_GENERIC);
  m_pControlTab = new CTKRibbonControlTab;
  m_pControls->Add(m_pControlTab, TK_ID_RIBBONCONTROLTAB, NULL, -1, TRUE);

  m_pContextHeaders = new CTKRibbonTabContextHeaders;
}

CTKRibbonBar::~CTKRibbonBar() {
  m_pControlTab->DeleteAllItems();
  m_pQuickAccessControls->RemoveAllCommands();
  m_pQuickAccessControls->InternalRelease();
  m_pQuickAccessControls = nullptr;
  delete m_pContextHeaders;
  m_pContextHeaders = nullptr;
}

void CTKRibbonBar::CloseAllPopups() {
  if (CTKCommandBars* pCommandBars = GetCommandBars()) pCommandBars->CloseAllPopups();
}

// Building ------------------------------------------------------------------------------------

CTKControl* CTKRibbonBar::AddSystemButton(int nId) {
  if (m_pControlSystemButton != nullptr) return m_pControlSystemButton;
  CTKRibbonControlSystemButton* pButton = new CTKRibbonControlSystemButton;
  m_pControls->InsertControl(pButton, 0);
  if (nId > 0) pButton->SetID(nId);
  m_pControlSystemButton = pButton;
  CTKRibbonSystemPopupBar* pPopup = new CTKRibbonSystemPopupBar;
  pPopup->SetCommandBars(GetCommandBars());
  pButton->SetCommandBar(pPopup);
  return pButton;
}

CTKRibbonTab* CTKRibbonBar::InsertTab(int nIndex, UINT nIDTab) {
  CString strText;
  TKResourceManager()->LoadStringInto(strText, nIDTab);
  CTKRibbonTab* pTab = InsertTab(nIndex, strText, static_cast<int>(nIDTab));
  if (pTab == nullptr || strText.Find('\n') < 0) return pTab;
  CString arrParts[4];
  for (int i = 0, nStart = 0; i < 4 && nStart <= strText.GetLength(); ++i) {
    int nEnd = strText.Find('\n', nStart);
    if (nEnd < 0) nEnd = strText.GetLength();
    arrParts[i] = strText.Mid(nStart, nEnd - nStart);
    nStart = nEnd + 1;
  }
  pTab->SetTooltip(arrParts[1]);
  pTab->SetCaption(arrParts[2].IsEmpty() ? arrParts[1] : arrParts[2]);
  pTab->SetKeyboardTip(arrParts[3]);
  return pTab;
}

CTKRibbonTab* CTKRibbonBar::InsertTab(int nIndex, LPCTSTR lpszCaption, int nId) {
  CTKRibbonTab* pTab = InsertTabItem(nIndex, new CTKRibbonTab);
  if (pTab == nullptr) return nullptr;
  pTab->SetCaption(lpszCaption);
  pTab->SetId(nId);
  return pTab;
}

CTKRibbonTab* CTKRibbonBar::InsertTabItem(int nIndex, CTKRibbonTab* pTab) {
  if (pTab == nullptr) return nullptr;
  if (nIndex < 0 || nIndex > GetTabCount()) nIndex = GetTabCount();
  pTab->SetBars(this, this);
  m_pControlTab->AddItem(nIndex, pTab);
  if (nIndex == 0 && m_pControlTab->GetSelectedItem() == NULL) m_pControlTab->SetCurSel(0);
  m_barType = tkBarTypeRibbon;
  // An open ribbon pop-up stays open while the mouse crosses other controls.
  SetHoverSelect(FALSE);
  return pTab;
}

// Tabs and groups ---------------------------------------------------------------------------------

int CTKRibbonBar::GetTabCount() const { return m_pControlTab->GetItemCount(); }

CTKRibbonTab* CTKRibbonBar::GetTab(int nIndex) const { return m_pControlTab->GetTab(nIndex); }

int CTKRibbonBar::GetCurSel() const { return m_pControlTab->GetCurSel(); }

void CTKRibbonBar::SetCurSel(int nIndex) { m_pControlTab->SetCurSel(nIndex); }

CTKRibbonTab* CTKRibbonBar::GetSelectedTab() const {
  return m_pControlTab != nullptr ? m_pControlTab->GetSelectedTab() : nullptr;
}

CTKRibbonGroup* CTKRibbonBar::FindGroup(int nId) const {
  for (int i = 0; i < GetTabCount(); ++i) {
    CTKRibbonGroups* pGroups = GetTab(i)->GetGroups();
    for (int j = 0; j < pGroups->GetCount(); ++j)
      if (pGroups->GetAt(j)->GetID() == nId) return pGroups->GetAt(j);
  }
  return nullptr;
}

void CTKRibbonBar::UpdateGroupsVisibility(CTKRibbonTab* pTab) {
  SetGroupsScrollPos(0);
  for (int i = m_pControls->GetCount() - 1; i >= 0; --i) {
    CTKControl* pControl = m_pControls->GetAt(i);
    CTKRibbonGroup* pGroup = pControl->GetRibbonGroup();
    const BOOL bShown = pGroup == nullptr || (!m_bMinimized && pGroup->GetTab() == pTab &&
                                              pGroup->GetVisible());
    const DWORD dwFlags = pControl->GetHideFlags();
    pControl->SetHideFlags(bShown ? (dwFlags & ~TKHIDE_RIBBONGROUP) : (dwFlags | TKHIDE_RIBBONGROUP));
  }
}

// States ---------------------------------------------------------------------------------------------

void CTKRibbonBar::SetRibbonMinimized(BOOL bMinimized) {
  if (m_bMinimized == bMinimized) return;
  m_bMinimized = bMinimized;
  if (!bMinimized && GetSelectedTab() == nullptr)
    m_pControlTab->SetSelectedItem(m_pControlTab->FindNextItem(-1, +1));
  UpdateGroupsVisibility(GetSelectedTab());
  OnRecalcLayout();
  CloseAllPopups();
  CWnd* pSite = GetSite();
  if (pSite != nullptr && pSite->GetSafeHwnd() != NULL)
    pSite->SendMessage(TK_WM_RIBBONMINIMIZECHANGED, reinterpret_cast<WPARAM>(this), 0);
}

void CTKRibbonBar::ShowQuickAccessBelowRibbon(BOOL bBelow) {
  m_bShowQuickAccessBelow = bBelow;
  OnRecalcLayout();
  CTKCommandBarsFrameHook* pHook = GetFrameHook();
  if (pHook == nullptr) return;
  if (IsDwmFrameEnabled()) {
    if (GetSafeHwnd() != NULL) UpdateWindow();
    pHook->RefreshFrameRegion();
  } else if (::IsWindow(pHook->GetSite())) {
    ::SendMessage(pHook->GetSite(), WM_NCPAINT, 0, 0);
  }
}

BOOL CTKRibbonBar::IsGroupsVisible() const {
  return m_bGroupsVisible && GetSelectedTab() != nullptr && !m_bMinimized;
}

BOOL CTKRibbonBar::IsCaptionVisible() const { return IsFrameThemeEnabled() || m_bShowCaptionAlways; }

BOOL CTKRibbonBar::IsBackstageViewVisible() const {
  CTKControlPopup* pButton = DYNAMIC_DOWNCAST(CTKControlPopup, m_pControlSystemButton);
  if (pButton == nullptr || !pButton->IsPopupOpen()) return FALSE;
  CTKCommandBar* pBar = pButton->GetCommandBar();
  return pBar != nullptr && pBar->IsKindOf(RUNTIME_CLASS(CTKRibbonBackstageView));
}

// Frame ---------------------------------------------------------------------------------------------

CTKCommandBarsFrameHook* CTKRibbonBar::GetFrameHook() const {
  CTKCommandBars* pCommandBars = GetCommandBars();
  return pCommandBars != nullptr ? pCommandBars->GetFrameHook() : nullptr;
}

BOOL CTKRibbonBar::IsDwmFrameEnabled() const {
  CTKCommandBarsFrameHook* pHook = GetFrameHook();
  return pHook != nullptr && pHook->IsDwmEnabled();
}

int CTKRibbonBar::GetDwmTopBorder() const {
  return IsDwmFrameEnabled() ? GetFrameHook()->CalcFrameBorder().top : 0;
}

BOOL CTKRibbonBar::EnableFrameTheme(BOOL bEnable) {
  CTKCommandBars* pCommandBars = GetCommandBars();
  if (pCommandBars == nullptr) return FALSE;
  if (bEnable) {
    CWnd* pSite = GetSite();
    if (pSite != nullptr && pSite->GetSafeHwnd() != NULL) ::SetMenu(pSite->GetSafeHwnd(), NULL);
    pCommandBars->EnableFrameTheme(TRUE);
    return TRUE;
  }
  for (UINT nId : {SC_CLOSE, SC_RESTORE, SC_MAXIMIZE, SC_MINIMIZE})
    if (CTKControl* pButton = m_pControls->FindControlById(static_cast<int>(nId)))
      m_pControls->Remove(pButton);
  pCommandBars->EnableFrameTheme(FALSE);
  OnRecalcLayout();
  return TRUE;
}

BOOL CTKRibbonBar::IntersectsGlassArea(LPCRECT lpRect) const {
  CTKRibbonPaintManager* pPaintManager = GetRibbonPaintManager();
  return pPaintManager != nullptr && lpRect != nullptr &&
         pPaintManager->IntersectsRibbonGlassArea(const_cast<CTKRibbonBar*>(this), CRect(lpRect));
}

// Metrics ----------------------------------------------------------------------------------------------

int CTKRibbonBar::GetTabsHeight() const {
  CTKRibbonPaintManager* pPaintManager = GetRibbonPaintManager();
  if (!m_bTabsVisible) return TKDpiHelper()->ScaleY(2);
  return pPaintManager != nullptr ? pPaintManager->GetTabHeight() : 0;
}

int CTKRibbonBar::GetGroupsAreaHeight() const { return IsGroupsVisible() ? GetGroupsHeight() : 0; }

int CTKRibbonBar::GetGroupsContentHeight() const {
  if (m_nFixedGroupsContentHeight > 0) return m_nFixedGroupsContentHeight;
  CTKRibbonPaintManager* pPaintManager = GetRibbonPaintManager();
  return 3 * (pPaintManager != nullptr ? pPaintManager->GetControlHeight() : 18);
}

int CTKRibbonBar::CalcGroupsHeight(int nContentHeight) const {
  CTKRibbonPaintManager* pPaintManager = GetRibbonPaintManager();
  return nContentHeight + (pPaintManager != nullptr ? pPaintManager->GetGroupCaptionHeight() : 0) +
         TKDpiHelper()->ScaleY(10);
}

int CTKRibbonBar::GetGroupsHeight() const {
  return m_nFixedGroupsHeight > 0 ? m_nFixedGroupsHeight : CalcGroupsHeight(GetGroupsContentHeight());
}

// Tab changes --------------------------------------------------------------------------------------------

LRESULT CTKRibbonBar::OnTabChanging(CTKRibbonTab* pTab) {
  NMTKRIBBONTAB record = {};
  record.pTab = pTab;
  return m_pControlTab->NotifySiteEx(static_cast<UINT>(TCN_SELCHANGING), &record);
}

void CTKRibbonBar::OnTabChanged(CTKRibbonTab* pTab) {
  NMTKRIBBONTAB record = {};
  record.pTab = pTab;
  m_pControlTab->NotifySiteEx(static_cast<UINT>(TCN_SELCHANGE), &record);
}

CTKPopupBar* CTKRibbonBar::CreateTabPopupToolBar(CTKRibbonTab* pTab) {
  CTKRibbonTabPopupToolBar* pPopup = new CTKRibbonTabPopupToolBar(pTab);
  pPopup->SetCommandBars(GetCommandBars());
  return pPopup;
}

// Scrolling groups --------------------------------------------------------------------------------------

void CTKRibbonBar::OnGroupsScroll(BOOL bScrollLeft) {
  CTKRibbonTab* pTab = GetSelectedTab();
  if (pTab == nullptr) return;
  CloseAllPopups();
  HideKeyboardTips();
  const int nOffset = pTab->GetGroups()->GetScrollPos();
  const int nStep = TKDpiHelper()->ScaleX(40);
  const int nNew = bScrollLeft ? std::max(0, nOffset - nStep) : nOffset + nStep;
  if (nNew == m_nGroupsScrollPos) return;
  m_nGroupsScrollPos = nNew;
  OnRecalcLayout();
}

CTKRibbonGroup* CTKRibbonBar::HitTestGroup(CPoint point) const {
  CTKRibbonTab* pTab = GetSelectedTab();
  if (pTab == nullptr || !IsGroupsVisible() || !m_rcGroups.PtInRect(point)) return nullptr;
  return pTab->GetGroups()->HitTest(point);
}
