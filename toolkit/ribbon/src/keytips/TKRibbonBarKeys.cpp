// CTKRibbonBar: Alt and the key tips of the quick-access commands, the tabs
// and the system button, the quick-access digits and the tabs' mnemonics.
#include "commandbars/TKCommandBarKeyboardTip.h"
#include "commandbars/TKCommandBars.h"
#include "commandbars/TKCommandBarsSystem.h"
#include "commandbars/TKControls.h"
#include "commandbars/TKShortcutManager.h"
#include "common/TKDpiHelper.h"
#include "ribbon/TKRibbonBar.h"
#include "ribbon/TKRibbonControlTab.h"
#include "ribbon/TKRibbonQuickAccessControls.h"
#include "TKRibbonPopupHelpers.h"

namespace {

/// The quick-access tips are numbered 1 to 9, then 01 to 09; no more.
constexpr int kQuickAccessTips = 18;

/// A tip with its text as given (an explicit key tip when there is one).
void AddTip(CTKCommandBars* pCommandBars, CCmdTarget* pOwner, const CString& strCaption,
            const CString& strExplicit, CPoint pt, DWORD dwAlign, BOOL bEnabled) {
  CTKCommandBarKeyboardTip* pTip =
      new CTKCommandBarKeyboardTip(pCommandBars, pOwner, strCaption, pt.x, pt.y, dwAlign, bEnabled);
  if (!strExplicit.IsEmpty()) {
    pTip->m_strTip = strExplicit;
    pTip->m_bPreset = TRUE;
  }
  pCommandBars->GetKeyboardTips()->Add(pTip);
}

}  // namespace

void CTKRibbonBar::CreateKeyboardTips() {
  CTKCommandBars* pCommandBars = GetCommandBars();
  if (pCommandBars == nullptr || IsBackstageViewVisible()) return;
  if (pCommandBars->GetKeyboardTips()->m_nLevel == 2) {
    CreateGroupsKeyboardTips(GetSelectedTab());
    return;
  }
  CTKDpiHelper* pDpi = TKDpiHelper();
  const DWORD kCentre = CTKCommandBarKeyboardTip::kAlignCenterX;
  int n = 0;
  for (int i = 0; i < m_pQuickAccessControls->GetCount() && n < kQuickAccessTips; ++i) {
    CTKControl* pControl = m_pQuickAccessControls->GetAt(i);
    if (!pControl->IsVisible()) continue;
    ++n;
    CString strNumber;
    strNumber.Format(n <= 9 ? "%i" : "0%i", n <= 9 ? n : n - 9);
    const CRect rc = pControl->GetRect();
    AddTip(pCommandBars, pControl, strNumber, strNumber,
           CPoint(rc.CenterPoint().x, rc.bottom - pDpi->ScaleY(11)), kCentre,
           pControl->GetEnabled());
  }
  if (m_bTabsVisible) {
    for (int i = 0; i < GetTabCount(); ++i) {
      CTKRibbonTab* pTab = GetTab(i);
      if (pTab->GetCaption().IsEmpty() || !pTab->IsEnabled() || !pTab->IsVisible()) continue;
      // A tab is no control: its tip stands at a point of the screen.
      CPoint pt(pTab->GetRect().CenterPoint().x, pTab->GetRect().bottom - pDpi->ScaleY(9));
      if (GetSafeHwnd() != NULL) ClientToScreen(&pt);
      AddTip(pCommandBars, pTab, pTab->GetCaption(), pTab->GetKeyboardTip(), pt, kCentre, TRUE);
    }
  }
  if (m_pControlSystemButton != nullptr) {
    AddTip(pCommandBars, m_pControlSystemButton, m_pControlSystemButton->GetCaption(),
           m_pControlSystemButton->GetKeyboardTip(),
           m_pControlSystemButton->GetRect().CenterPoint(),
           kCentre | CTKCommandBarKeyboardTip::kAlignCenterY,
           m_pControlSystemButton->GetEnabled());
  }
  if (GetTabCount() > 0) return;
  for (int i = 0; i < m_pControls->GetCount(); ++i) {
    CTKControl* pControl = m_pControls->GetAt(i);
    if (IsQuickAccessControl(pControl) || pControl == m_pControlSystemButton ||
        pControl->GetRibbonGroup() != nullptr || !pControl->IsVisible() ||
        pControl->GetCaption().IsEmpty() || (pControl->GetFlags() & TKFLAG_SKIPFOCUS) ||
        pControl->GetType() == tkControlGallery)
      continue;
    const CRect rc = pControl->GetRect();
    AddTip(pCommandBars, pControl, pControl->GetCaption(), pControl->GetKeyboardTip(),
           CPoint(rc.left + pDpi->ScaleX(12), rc.bottom - pDpi->ScaleY(11)), 0,
           pControl->GetEnabled());
  }
}

void CTKRibbonBar::BuildKeyboardTips(int nLevel) {
  if (CTKCommandBars* pCommandBars = GetCommandBars())
    pCommandBars->BuildKeyboardTipWindows(this, nLevel);
}

void CTKRibbonBar::EnterKeyboardTracking(CTKControl* pSelect) {
  SetTrackingMode(TRUE, FALSE, TRUE);
  if (pSelect != nullptr) SetSelected(pSelect->GetIndex(), 1);
}

CTKControl* CTKRibbonBar::GetVisibleQuickAccessControl(int nIndex) const {
  for (int i = 0; i < m_pQuickAccessControls->GetCount(); ++i) {
    CTKControl* pControl = m_pQuickAccessControls->GetAt(i);
    if (pControl->IsVisible() && nIndex-- == 0) return pControl;
  }
  return nullptr;
}

BOOL CTKRibbonBar::OnFrameAccel(UINT nKey) {
  CTKCommandBars* pCommandBars = GetCommandBars();
  if (pCommandBars == nullptr || (TKCommandBarsSystem()->GetKeyState(VK_CONTROL) & 0x8000))
    return FALSE;
  if (nKey == VK_MENU && GetTabCount() > 0) {
    pCommandBars->CloseAllPopups();
    pCommandBars->ShowKeyboardCues(TRUE);
    pCommandBars->SetKeyboardTipLevel(1);
    if (m_bMinimized) {
      SetTrackingMode(TRUE, TRUE, TRUE);
    } else {
      EnterKeyboardTracking(m_bTabsVisible ? static_cast<CTKControl*>(m_pControlTab) : GetControl(0));
      m_pControlTab->SetKeyboardFocus(TRUE);
    }
    BuildKeyboardTips(1);
    return TRUE;
  }
  if (nKey >= '1' && nKey <= '9') {
    CTKControl* pControl = GetVisibleQuickAccessControl(static_cast<int>(nKey - '1'));
    if (pControl != nullptr && pControl->GetEnabled()) {
      pCommandBars->CloseAllPopups();
      pCommandBars->ShowKeyboardCues(TRUE);
      pCommandBars->SetKeyboardTipLevel(2);
      EnterKeyboardTracking(pControl);
      pControl->OnUnderlineActivate();
      return TRUE;
    }
  }
  for (int i = 0; i < GetTabCount(); ++i) {
    CTKRibbonTab* pTab = GetTab(i);
    const CString strCaption = pTab->GetCaption();
    const int nPos = FindMnemonicPos(strCaption);
    if (strCaption.IsEmpty() || !pTab->IsEnabled() || !pTab->IsVisible() || nPos < 0 ||
        nPos + 1 >= strCaption.GetLength() ||
        !IsVirtualKeyForChar(static_cast<BYTE>(strCaption[nPos + 1]), nKey))
      continue;
    if (!IsTrackingMode()) pCommandBars->CloseAllPopups();
    pCommandBars->ShowKeyboardCues(TRUE);
    m_nSelectionReason = 1;
    pCommandBars->SetKeyboardTipLevel(1);
    SelectTabFromKeyboard(pTab);
    return TRUE;
  }
  return FALSE;
}

void CTKRibbonBar::SelectTabFromKeyboard(CTKRibbonTab* pTab) {
  pTab->Select();
  EnterKeyboardTracking(m_pControlTab);
  m_pControlTab->SetKeyboardFocus(TRUE);
  if (!m_bMinimized) BuildKeyboardTips(2);
  m_pControlTab->ShowTabPopup(TRUE);
}

void CTKRibbonBar::OnKeyboardTip(CTKCommandBarKeyboardTip* pTip) {
  if (CTKRibbonTab* pTab = DYNAMIC_DOWNCAST(CTKRibbonTab, pTip->m_pOwner)) {
    SelectTabFromKeyboard(pTab);
    return;
  }
  TKActivateKeyboardTipControl(this, pTip);
}

BOOL CTKRibbonBar::ProcessKeyNavigation(int nCode) {
  if (nCode != kNavigateEscape) HideKeyboardTips();
  if (NavigateGroupControls(nCode)) return TRUE;
  return CTKMenuBar::ProcessKeyNavigation(nCode);
}

int CTKRibbonBar::OnHookKeyDown(UINT nChar, LPARAM lParam) {
  // While tips show, a typed letter or digit chooses among them.
  const BOOL bTipKey = (nChar >= '0' && nChar <= '9') || (nChar >= 'A' && nChar <= 'Z');
  if (GetKeyboardTipsLevel() > 0 && bTipKey) {
    OnKeyboardTipChar(nChar);
    return 1;
  }
  return CTKMenuBar::OnHookKeyDown(nChar, lParam);
}
