// CTKCommandBar: keys to navigation codes and the moves they make.
#include "commandbars/TKCommandBar.h"

#include "commandbars/TKCommandBars.h"
#include "commandbars/TKCommandBarsSystem.h"
#include "commandbars/TKControl.h"
#include "commandbars/TKControlClasses.h"
#include "commandbars/TKControlCustom.h"
#include "commandbars/TKControls.h"
#include "commandbars/TKShortcutManager.h"
#include "commandbars/TKToolBar.h"
#include "common/TKRefPtr.h"

namespace {

BOOL IsKeyDown(int nVirtKey) {
  return (TKCommandBarsSystem()->GetKeyState(nVirtKey) & 0x8000) != 0;
}

}  // namespace

BOOL CTKCommandBar::IsHorizontalNavigation() const {
  // A pop-up laid out as a tool bar runs across like a docked one.
  return m_barPosition == tkBarTop || m_barPosition == tkBarBottom ||
         m_barPosition == tkBarFloating || IsPopupToolBar();
}

BOOL CTKCommandBar::IsPopupToolBar() const {
  return m_barPosition == tkBarPopup && m_barType == tkBarTypeNormal;
}

int CTKCommandBar::GetKeyNavigationCode(UINT nKey) const {
  BOOL bRTL = IsLayoutRTL();
  BOOL bHorizontal = IsHorizontalNavigation();
  switch (nKey) {
    case VK_RETURN:
      return kNavigateEnter;
    case VK_ESCAPE:
      return kNavigateEscape;
    case VK_SPACE:
      return m_barType == tkBarTypeMenuBar ? kNavigateSystemMenu : -1;
    case VK_END:
      return kNavigateLast;
    case VK_HOME:
      return kNavigateFirst;
    case VK_LEFT:
      if (bHorizontal) return bRTL ? kNavigateRight : kNavigateLeft;
      return bRTL ? kNavigateOpen : kNavigateClose;
    case VK_UP:
      return bHorizontal ? kNavigateClose : kNavigatePrevious;
    case VK_RIGHT:
      if (bHorizontal) return bRTL ? kNavigateLeft : kNavigateRight;
      return bRTL ? kNavigateClose : kNavigateOpen;
    case VK_DOWN:
      return bHorizontal ? kNavigateOpen : kNavigateNext;
  }
  return -1;
}

BOOL CTKCommandBar::IsFocusInside() const {
  HWND hFocus = ::GetFocus();
  return hFocus != NULL && GetSafeHwnd() != NULL && ::IsChild(m_hWnd, hFocus);
}

int CTKCommandBar::OnHookKeyDown(UINT nChar, LPARAM lParam) {
  if (IsCustomizeMode() || IsHelpMode()) return 2;
  if (m_bLocked) return 1;
  // The site may destroy the bar while it looks at the key, and a control
  // run by the key may release it.
  CTKRefPtr<CTKCommandBar, CTKInternalRefTraits> keepAlive(this);
  TKTRACKINGKEY key = {nChar, lParam};
  HWND hWnd = m_hWnd;
  CWnd* pSite = GetSite();
  if (pSite->GetSafeHwnd() != NULL)
    pSite->SendMessage(TK_WM_TRACKINGKEYDOWN, reinterpret_cast<WPARAM>(&key),
                       reinterpret_cast<LPARAM>(this));
  if (!::IsWindow(hWnd) || m_hWnd == NULL) return 1;
  CTKControl* pHot = GetControl(m_nSelected);
  if (pHot != nullptr && pHot->IsFocused()) {
    int nResult = pHot->OnHookKeyDown(nChar, lParam);
    if (nResult == 1 || nResult == 2) return nResult;
  }
  if (nChar == VK_TAB) return OnTabKey();
  const int nCode = GetKeyNavigationCode(nChar);
  if (nCode == kNavigateEnter || nCode == kNavigateEscape) {
    ProcessKeyNavigation(nCode);
    return 1;
  }
  if (nCode == kNavigateSystemMenu && ProcessKeyNavigation(nCode)) return 1;
  if (nCode != -1 && nCode != kNavigateSystemMenu) {
    if (IsFocusInside()) return 2;
    ProcessKeyNavigation(nCode);
    return 1;
  }
  return OnCharKey(nChar);
}

int CTKCommandBar::OnTabKey() {
  CTKControl* pHot = GetControl(m_nSelected);
  if (pHot != nullptr && pHot->IsKindOf(RUNTIME_CLASS(CTKControlCustom)) && IsFocusInside())
    return 2;
  const BOOL bShift = IsKeyDown(VK_SHIFT);
  if (IsKeyDown(VK_CONTROL) && GetRootParent()->GetType() == tkBarTypeNormal &&
      !GetRootParent()->IsPopupBar()) {
    FocusNextToolBar(bShift ? -1 : +1);
    return 1;
  }
  ProcessKeyNavigation(bShift ? kNavigatePrevious : kNavigateNext);
  CTKControl* pNew = GetControl(m_nSelected);
  if (pNew != nullptr && pNew->IsFocusable()) pNew->SetFocused(TRUE);
  return 1;
}

int CTKCommandBar::OnCharKey(UINT nChar) {
  // Keys that type nothing (F-keys, Shift, Ctrl) are swallowed silently.
  if (::MapVirtualKey(nChar, 2) == 0) return 1;
  if (IsKeyDown(VK_CONTROL)) return 1;
  BOOL bAmbiguous = FALSE;
  CTKControl* pControl = FindAccel(nChar, &bAmbiguous);
  if (pControl == nullptr) {
    if (nChar != VK_SHIFT && nChar != VK_CONTROL) TKCommandBarsSystem()->MessageBeep(0);
    return 1;
  }
  SetSelected(pControl->GetIndex(), 2);
  if (!bAmbiguous) pControl->OnUnderlineActivate();
  return 1;
}

CTKControl* CTKCommandBar::FindAccel(UINT nKey, BOOL* pbAmbiguous) const {
  *pbAmbiguous = FALSE;
  CTKControl* pExplicit = nullptr;
  CTKControl* pFirstLetter = nullptr;
  BOOL bFirstLetterAmbiguous = FALSE;
  // From the control after the hot one, so that repeating the key walks on.
  const int nStart = m_pControls->GetNext(m_nSelected, +1);
  for (int nIndex = nStart; nIndex != -1;) {
    CTKControl* pControl = GetControl(nIndex);
    const CString strCaption = pControl->GetCaption();
    if (!strCaption.IsEmpty() && pControl->IsCaptionVisible()) {
      if (IsKeyForMnemonic(nKey, GetMnemonicChar(strCaption))) {
        if (pExplicit != nullptr) {
          *pbAmbiguous = TRUE;
          return pExplicit;
        }
        pExplicit = pControl;
      } else if (GetMnemonicChar(strCaption) == 0 && IsKeyForMnemonic(nKey, strCaption[0])) {
        bFirstLetterAmbiguous = pFirstLetter != nullptr;
        if (pFirstLetter == nullptr) pFirstLetter = pControl;
      }
    }
    nIndex = m_pControls->GetNext(nIndex, +1);
    if (nIndex == nStart) break;
  }
  if (pExplicit != nullptr) return pExplicit;
  *pbAmbiguous = bFirstLetterAmbiguous;
  return pFirstLetter;
}

BOOL CTKCommandBar::ProcessKeyNavigation(int nCode) {
  if (nCode == kNavigateSystemMenu) {
    if (m_barType != tkBarTypeMenuBar) return FALSE;
    if (CTKCommandBars* pCommandBars = GetCommandBars()) pCommandBars->CloseAllPopups();
    CWnd* pSite = GetSite();
    if (pSite->GetSafeHwnd() != NULL) pSite->PostMessage(WM_SYSCOMMAND, SC_KEYMENU, 32);
    return TRUE;
  }
  if (nCode == kNavigateLeft) nCode = kNavigatePrevious;
  if (nCode == kNavigateRight) nCode = kNavigateNext;
  CTKControl* pHot = GetControl(m_nSelected);
  if (IsPopupToolBar() && m_nPopuped != -1 && m_nPopuped == m_nSelected) {
    // Across a pop-up tool bar with a pop-up open, Up and Down stay in the
    // open pop-up's column: Up closes it.
    if (nCode == kNavigateNext) return FALSE;
    if (nCode == kNavigatePrevious) nCode = kNavigateClose;
  }
  if (nCode == kNavigateClose && m_nPopuped == -1 && pHot != nullptr && pHot->GetEnabled() &&
      pHot->IsKindOf(RUNTIME_CLASS(CTKControlPopup)) &&
      (GetParentCommandBar() == nullptr || IsPopupToolBar()))
    nCode = kNavigateOpen;
  if ((nCode == kNavigateClose || nCode == kNavigateOpen) && m_nPopuped == -1 &&
      (IsPopupToolBar() || m_barPosition == tkBarFloating))
    return SelectNeighbourRow(nCode == kNavigateOpen ? +1 : -1);
  switch (nCode) {
    case kNavigateNext:
      return SelectNavigated(m_pControls->GetNext(m_nSelected, +1), 2);
    case kNavigatePrevious:
      return SelectNavigated(m_pControls->GetNext(m_nSelected, -1), 3);
    case kNavigateFirst:
      return SelectNavigated(m_pControls->GetNext(-1, +1), 2);
    case kNavigateLast:
      return SelectNavigated(m_pControls->GetNext(-1, -1), 3);
    case kNavigateClose:
      if (m_nPopuped == -1) return FALSE;
      SetPopuped(-1);
      return TRUE;
    case kNavigateOpen:
      if (pHot != nullptr && m_nPopuped != m_nSelected) {
        pHot->SetSelected(2);
        SetPopuped(m_nSelected, TRUE);
      }
      return TRUE;
    case kNavigateEscape:
      return OnEscapeKey();
    case kNavigateEnter:
      if (pHot != nullptr) {
        pHot->SetSelected(2);
        pHot->OnClick(TRUE);
      }
      return TRUE;
  }
  return FALSE;
}

BOOL CTKCommandBar::FocusNextToolBar(int nDirection) {
  CTKCommandBars* pCommandBars = GetCommandBars();
  CTKToolBar* pToolBar = DYNAMIC_DOWNCAST(CTKToolBar, this);
  if (pCommandBars == nullptr || pToolBar == nullptr ||
      !pCommandBars->FocusToolBar(pToolBar, nDirection))
    return FALSE;
  // The next bar tracks first, so the cues stay up while the keyboard moves.
  SetTrackingMode(FALSE);
  return TRUE;
}

BOOL CTKCommandBar::OnEscapeKey() {
  const int nLevel = GetKeyboardTipsLevel();
  if (nLevel >= 2) {
    // Esc steps the typed tips back one level; the bar stays as it is.
    BuildKeyboardTips(nLevel - 1);
    return TRUE;
  }
  if (CTKCommandBar* pParent = GetParentCommandBar()) pParent->SetTrackingMode(TRUE, FALSE, TRUE);
  SetTrackingMode(FALSE);
  return TRUE;
}

BOOL CTKCommandBar::SelectNeighbourRow(int nStep) {
  if (m_nSelected == -1) {
    // Nothing hot yet: Down starts at the first control, Up at the last.
    return SelectNavigated(m_pControls->GetNext(-1, nStep), nStep > 0 ? 2 : 3);
  }
  const CTKControl* pStart = GetControl(m_nSelected);
  const CRect rcStart = pStart->GetRect();
  const CRect rcStartRow = pStart->GetRowRect();
  // The neighbouring row's control nearest the column of the hot one, at or
  // left of its left edge; the row's leftmost when all lie further right.
  CRect rcRow(0, 0, 0, 0);
  int nFound = -1;
  for (int nIndex = m_pControls->GetNext(m_nSelected, nStep); nIndex != -1 && nIndex != m_nSelected;
       nIndex = m_pControls->GetNext(nIndex, nStep)) {
    const CRect rcControlRow = GetControl(nIndex)->GetRowRect();
    if (rcControlRow.IsRectEmpty() || rcControlRow == rcStartRow) continue;
    if (!rcRow.IsRectEmpty() && rcControlRow != rcRow) break;  // past the neighbouring row
    rcRow = rcControlRow;
    const int nLeft = GetControl(nIndex)->GetRect().left;
    if (nFound == -1) {
      nFound = nIndex;
      continue;
    }
    const int nFoundLeft = GetControl(nFound)->GetRect().left;
    const BOOL bFoundInColumn = nFoundLeft <= rcStart.left;
    if (nLeft <= rcStart.left ? (!bFoundInColumn || nLeft > nFoundLeft)
                              : (!bFoundInColumn && nLeft < nFoundLeft))
      nFound = nIndex;
  }
  if (nFound == -1) return TRUE;
  SetSelected(nFound, nStep > 0 ? 2 : 3);
  return TRUE;
}

BOOL CTKCommandBar::SelectNavigated(int nIndex, int nReason) {
  if (nIndex != -1) SetSelected(nIndex, nReason);
  return TRUE;
}
