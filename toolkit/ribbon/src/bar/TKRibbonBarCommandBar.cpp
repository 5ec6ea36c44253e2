// CTKRibbonBar: what the ribbon changes of the command bar, tool bar and
// menu bar it is: sizes, enabled states, copying, resetting, tooltips.
#include "commandbars/TKCommandBars.h"
#include "commandbars/TKCommandBarsFrameHook.h"
#include "commandbars/TKCommandBarsOptions.h"
#include "commandbars/TKControls.h"
#include "common/TKToolTipContext.h"
#include "ribbon/TKRibbonBar.h"
#include "ribbon/TKRibbonControlTab.h"
#include "ribbon/TKRibbonGroup.h"
#include "ribbon/TKRibbonQuickAccessControls.h"
#include "themes/TKPaintManagerBase.h"
#include "TKRibbonPopupHelpers.h"

TK_IMPLEMENT_LAYOUT_CLASS(CTKRibbonControlSystemButton, CTKControlPopup)
IMPLEMENT_DYNCREATE(CTKRibbonSystemPopupBar, CTKPopupBar)

CTKControl* CTKRibbonControlSystemButton::Clone(BOOL bRecursive) {
  CTKRibbonControlSystemButton* pClone = new CTKRibbonControlSystemButton;
  pClone->Copy(this, bRecursive);
  return pClone;
}

CSize CTKRibbonBar::GetIconSize() const {
  if (m_szIcons != CSize(0, 0)) return m_szIcons;
  CTKCommandBars* pCommandBars = GetCommandBars();
  CTKCommandBarsOptions* pOptions =
      pCommandBars != nullptr ? pCommandBars->GetCommandBarsOptions() : nullptr;
  if (pOptions != nullptr && pOptions->szIcons != CSize(0, 0)) return pOptions->szIcons;
  CTKPaintManager* pPaintManager = GetPaintManager();
  return pPaintManager != nullptr ? pPaintManager->GetAutoIconSize(FALSE) : CSize(16, 16);
}

CSize CTKRibbonBar::GetButtonSize() const {
  if (m_szButtons != CSize(0, 0)) return m_szButtons;
  CTKPaintManager* pPaintManager = GetPaintManager();
  int nHeight = pPaintManager != nullptr ? pPaintManager->GetControlHeight() : 0;
  if (nHeight < 18) nHeight = 18;
  return CSize(nHeight, nHeight);
}

BOOL CTKRibbonBar::IsKeyboardCuesVisible() const {
  CTKCommandBars* pCommandBars = GetCommandBars();
  if (pCommandBars == nullptr) return TRUE;
  CTKCommandBarsOptions* pOptions = pCommandBars->GetCommandBarsOptions();
  if (pOptions != nullptr && pOptions->keyboardCuesUse == 0) return FALSE;
  return pCommandBars->IsKeyboardCuesVisible();
}

void CTKRibbonBar::EnsureVisible(CTKControl* pControl) {
  CTKRibbonGroup* pGroup = pControl != nullptr ? pControl->GetRibbonGroup() : nullptr;
  if (pGroup == nullptr || pGroup->GetTab() == nullptr) return;
  if (pGroup->GetTab() != GetSelectedTab()) SetCurSel(pGroup->GetTab()->GetIndex());
  // A control the groups' scrolling hides comes into view.
  if (m_pControlScrollGroupsLeft->IsVisible() || m_pControlScrollGroupsRight->IsVisible())
    CTKRibbonScrollableBar::EnsureVisible(pGroup->GetGroups(), pControl->GetRect());
}

int CTKRibbonBar::GetControlEnabledOverride(CTKControl* pControl) const {
  if (!IsBackstageViewVisible()) return -1;
  if (pControl == m_pControlQuickAccess || pControl == m_pControlQuickAccessMore ||
      pControl->IsKindOf(RUNTIME_CLASS(CTKRibbonGroupControlPopup)))
    return 0;
  const int nId = pControl->GetID();
  if (pControl == m_pControlSystemButton || nId == SC_CLOSE || nId == SC_RESTORE ||
      nId == SC_MAXIMIZE || nId == SC_MINIMIZE || (pControl->GetFlags() & 0x08) != 0)
    return -1;
  return 0;
}

void CTKRibbonBar::SetVisible(BOOL bVisible) {
  const BOOL bWasVisible = IsVisible();
  CTKMenuBar::SetVisible(bVisible);
  CTKCommandBarsFrameHook* pHook = GetFrameHook();
  if (pHook != nullptr && bWasVisible != IsVisible()) pHook->RecalcFrameLayout();
}

void CTKRibbonBar::Copy(CTKCommandBar* pBar, BOOL bRecursive) {
  CTKRibbonBar* pSource = DYNAMIC_DOWNCAST(CTKRibbonBar, pBar);
  if (pSource == nullptr || pSource == this) return;
  m_bShowQuickAccessBelow = pSource->m_bShowQuickAccessBelow;
  m_bMinimized = pSource->m_bMinimized;
  if (m_bMinimized) m_pControlTab->CTKTabManager::SetSelectedItem(NULL);
  if (pSource->IsCustomizable()) {
    CTKMenuBar::Copy(pSource, bRecursive);
    m_pControlTab->Copy(pSource->m_pControlTab, bRecursive);
    if (m_pControlSystemButton != nullptr) m_pControls->Remove(m_pControlSystemButton);
    if (pSource->m_pControlSystemButton != nullptr) {
      CTKControl* pButton = pSource->m_pControlSystemButton->Clone(TRUE);
      m_pControls->InsertControl(pButton, 0);
      m_pControlSystemButton = pButton;
    }
    UpdateGroupsVisibility(GetSelectedTab());
  }
  m_pQuickAccessControls->RemoveAllCommands();
  CTKRibbonQuickAccessControls* pQuickAccess = pSource->m_pQuickAccessControls;
  for (int i = 0; i < pQuickAccess->GetCount(); ++i)
    m_pQuickAccessControls->AddCopy(pQuickAccess->GetAt(i), -1, FALSE);
}

CTKCommandBar* CTKRibbonBar::Clone(BOOL bRecursive) {
  CTKRibbonBar* pClone = static_cast<CTKRibbonBar*>(GetRuntimeClass()->CreateObject());
  pClone->Copy(this, bRecursive);
  return pClone;
}

void CTKRibbonBar::RestoreFromLoaded(CTKToolBar* pLoaded, BOOL, int) { Copy(pLoaded, FALSE); }

void CTKRibbonBar::Reset(BOOL) {
  CWnd* pSite = GetSite();
  if (pSite != nullptr && pSite->GetSafeHwnd() != NULL)
    pSite->SendMessage(TK_WM_BARRESET, 0, reinterpret_cast<LPARAM>(this));
  RefreshMdiState();
  OnUpdateCmdUI();
  OnRecalcLayout();
}

void CTKRibbonBar::OnRemoved() {
  if (CTKCommandBars* pCommandBars = GetCommandBars()) pCommandBars->EnableFrameTheme(FALSE);
  m_pQuickAccessControls->RemoveAllCommands();
  m_pControlTab->DeleteAllItems();
  CTKMenuBar::OnRemoved();
}

void CTKRibbonBar::UpdateMdiButtons() {
  CTKMenuBar::UpdateMdiButtons();
  if (!IsFrameThemeEnabled()) return;
  CWnd* pSite = GetSite();
  if (pSite == nullptr || pSite->GetSafeHwnd() == NULL) return;
  CString strTitle;
  pSite->GetWindowText(strTitle);
  // The next idle pass measures the caption again.
  if (strTitle != m_strCaptionText) DelayLayout();
}

INT_PTR CTKRibbonBar::OnToolHitTest(CPoint point, TOOLINFO* pTI) const {
  INT_PTR nHit = m_pControlTab->PerformToolHitTest(m_hWnd, point, pTI);
  if (nHit != -1) return nHit;
  nHit = CTKMenuBar::OnToolHitTest(point, pTI);
  if (nHit != -1) TKPlaceGroupControlTip(this, point, pTI, m_rcGroups);
  return nHit;
}

LRESULT CTKRibbonBar::OnControlNotify(WPARAM wParam, LPARAM lParam) {
  NMTKCONTROL* pNotify = reinterpret_cast<NMTKCONTROL*>(lParam);
  if (pNotify == nullptr || pNotify->hdr.code != TKN_EXECUTE) return 0;
  return OnCustomizeCommand(static_cast<UINT>(wParam), pNotify) ? 1 : 0;
}

void CTKRibbonBar::OnQuickAccessPositionCommand(UINT nId) { OnQuickAccessPosition(nId); }
