// CTKCommandBars: the road of a key before the frame translates it, Alt access
// to the controls by their mnemonics, and moving the keyboard between bars.
#include "commandbars/TKCommandBars.h"

#include <ctype.h>

#include "commandbars/TKCommandBarsOptions.h"
#include "commandbars/TKCommandBarsSystem.h"
#include "commandbars/TKControls.h"
#include "commandbars/TKKeyboardManager.h"
#include "commandbars/TKMenuBar.h"
#include "commandbars/TKMouseManager.h"
#include "commandbars/TKShortcutManager.h"
#include "commandbars/TKToolBar.h"
#include "common/TKToolTipContext.h"

namespace {

/// Whether the key is the one that types `ch` (either case of a letter).
BOOL KeyTypesChar(UINT nKey, TCHAR ch) {
  if (ch == 0) return FALSE;
  const SHORT nScan = ::VkKeyScan(ch);
  if (nScan != -1 && LOBYTE(nScan) == nKey) return TRUE;
  const unsigned char c = static_cast<unsigned char>(ch);
  return isalnum(c) && static_cast<UINT>(toupper(c)) == nKey;
}

}  // namespace

BOOL CTKCommandBars::PreTranslateFrameMessage(MSG* pMsg) {
  const UINT message = pMsg->message;
  const BOOL bPopupsTracked = GetMouseManager()->GetTrackedCount() > 0;
  if (message == WM_SYSKEYDOWN && (pMsg->lParam & (1 << 29)) != 0 && !bPopupsTracked &&
      GetMouseManager()->GetTrackLockCount() == 0) {
    CWnd* pActive = CWnd::GetActiveWindow();
    const BOOL bSiteActive = m_pFrame->GetSafeHwnd() != NULL && pActive != nullptr &&
                             (pActive->GetSafeHwnd() == m_pFrame->GetSafeHwnd() ||
                              ::IsChild(m_pFrame->GetSafeHwnd(), pActive->GetSafeHwnd()) ||
                              m_pFrame->GetTopLevelParent() == pActive->GetTopLevelParent());
    if (!bSiteActive) return FALSE;
    if (pMsg->wParam == VK_MENU) {
      ShowKeyboardCues(TRUE);
      return FALSE;
    }
    const BOOL bShiftIgnored =
        m_bIgnoreShiftMenuKey && (TKCommandBarsSystem()->GetKeyState(VK_SHIFT) & 0x8000);
    // An Alt key that no control takes may still be an accelerator.
    if (!bShiftIgnored && OnFrameAccel(static_cast<UINT>(pMsg->wParam))) return TRUE;
  }
  if ((message == WM_SYSKEYUP || message == WM_KEYUP) && m_bKeyboardCuesManaged &&
      m_bKeyboardCuesVisible && !bPopupsTracked) {
    BOOL bTracking = FALSE;
    for (int i = 0; i < GetCount() && !bTracking; ++i) bTracking = m_arrBars[i]->IsTrackingMode();
    if (!bTracking) ShowKeyboardCues(FALSE);
  }
  if ((message == WM_CONTEXTMENU || message == WM_SYSKEYUP) && bPopupsTracked) {
    // The open menu decides what the context-menu key does.
    GetKeyboardManager()->ProcessKey(WM_CONTEXTMENU, pMsg->wParam, pMsg->lParam);
    return TRUE;
  }
  if (message == WM_MOUSEWHEEL) {
    CTKKeyboardManager* pKeyboardManager = GetKeyboardManager();
    if (pKeyboardManager->IsKeyboardHooked())
      return pKeyboardManager->ProcessKey(message, pMsg->wParam, pMsg->lParam);
    // A ribbon steps its tabs under the wheel; a plain menu bar leaves it.
    CTKMenuBar* pMenuBar = DYNAMIC_DOWNCAST(CTKMenuBar, GetMenuBar());
    return pMenuBar != nullptr && pMenuBar->GetType() == tkBarTypeRibbon &&
           pMenuBar->OnFrameMouseWheel(static_cast<short>(HIWORD(pMsg->wParam)) <= 0);
  }
  if (message >= WM_KEYFIRST && message <= WM_SYSCHAR)
    return m_pShortcutManager->TranslateAccelerator(pMsg);
  return FALSE;
}

BOOL CTKCommandBars::OnFrameAccel(UINT nKey) {
  const int nUse = m_pOptions->keyboardCuesUse;
  if (nUse == 2) return FALSE;
  if (nKey >= VK_NUMPAD0 && nKey <= VK_NUMPAD9 && !m_pOptions->bUseKeypadAccelerators)
    return FALSE;
  if (::MapVirtualKey(nKey, 2) == 0) return FALSE;

  CTKCommandBar* pBar = nullptr;
  for (int i = 0; i < GetCount() && pBar == nullptr; ++i)
    if (m_arrBars[i]->IsTrackingMode()) pBar = m_arrBars[i];
  if (pBar == nullptr) {
    CTKToolBar* pMenuBar = GetMenuBar();
    if (pMenuBar != nullptr && pMenuBar->IsVisibleOnScreen()) pBar = pMenuBar;
  }
  if (pBar == nullptr && (nUse & 1)) pBar = GetAt(FindNextVisibleIndex(-1, +1));
  if (pBar == nullptr) return FALSE;
  if (pBar->OnFrameAccel(nKey)) return TRUE;

  BOOL bAmbiguous = FALSE;
  CTKControl* pControl = FindAccelControl(pBar, nKey, &bAmbiguous);
  if (pControl == nullptr) return FALSE;
  CTKCommandBar* pControlBar = pControl->GetParent();
  if (!pControlBar->IsTrackingMode()) CloseAllPopups();
  ShowKeyboardCues(TRUE);
  m_nKeyboardTipsLevel = 1;
  pControlBar->SetTrackingMode(TRUE, FALSE, TRUE);
  pControlBar->SetSelected(pControl->GetIndex(), 1);
  if (!bAmbiguous) pControl->OnUnderlineActivate();
  return TRUE;
}

CTKControl* CTKCommandBars::FindAccelControl(CTKCommandBar* pBar, UINT nKey, BOOL* pbAmbiguous) {
  *pbAmbiguous = FALSE;
  const BOOL bLettersAllowed = (m_pOptions->keyboardCuesUse & 4) == 0;
  CTKControl* pLetter = nullptr;
  BOOL bLetterAmbiguous = FALSE;
  CTKControl* pExplicit = nullptr;
  CTKControl* pFirst = GetNextAccelControl(pBar->GetControls(), pBar->GetSelected());
  // One full cycle; the count also ends a walk that never comes back to a
  // first control whose bar it does not pass again.
  int nSteps = pBar->GetControlCount();
  for (int i = 0; i < GetCount(); ++i) nSteps += m_arrBars[i]->GetControlCount();
  for (CTKControl* pControl = pFirst; pControl != nullptr && nSteps-- > 0;) {
    const CString strCaption = pControl->GetCaption();
    if (pControl->IsCaptionVisible() && !strCaption.IsEmpty() && pControl->GetEnabled()) {
      const TCHAR chMnemonic = GetMnemonicChar(strCaption);
      const BOOL bExplicit = chMnemonic != 0;
      if (KeyTypesChar(nKey, bExplicit ? chMnemonic : strCaption[0])) {
        CTKCommandBar* pOwner = pControl->GetParent();
        if (bExplicit) {
          if (pExplicit != nullptr) {
            *pbAmbiguous = TRUE;
            return pExplicit;
          }
          pExplicit = pControl;
        } else if (bLettersAllowed && (pOwner->GetType() == tkBarTypeMenuBar ||
                                       pOwner->IsTrackingMode())) {
          if (pLetter != nullptr) bLetterAmbiguous = TRUE;
          if (pLetter == nullptr) pLetter = pControl;
        }
      }
    }
    pControl = GetNextAccelControl(pControl->GetParent()->GetControls(), pControl->GetIndex());
    if (pControl == pFirst) break;
  }
  if (pExplicit != nullptr) return pExplicit;
  *pbAmbiguous = bLetterAmbiguous;
  return pLetter;
}

CTKControl* CTKCommandBars::GetNextAccelControl(CTKControls* pControls, int nIndex) {
  const int nNext = pControls->GetNext(nIndex, +1);
  const BOOL bWrapped = nNext == -1 || (nIndex != -1 && nNext <= nIndex);
  if (!bWrapped || !(m_pOptions->keyboardCuesUse & 1)) return pControls->GetAt(nNext);
  // Alt letters reach every visible bar: the search goes on in the next ones.
  CTKToolBar* pStartBar = DYNAMIC_DOWNCAST(CTKToolBar, pControls->GetParent());
  const int nStart = FindIndex(pStartBar);
  if (nStart == -1) return pControls->GetAt(nNext);
  int nBar = nStart;
  for (int nTries = 0; nTries < GetCount(); ++nTries) {
    nBar = FindNextVisibleIndex(nBar, +1);
    if (nBar == -1) break;
    CTKControls* pBarControls = m_arrBars[nBar]->GetControls();
    const int nFirst = pBarControls->GetNext(-1, +1);
    if (nFirst != -1) return pBarControls->GetAt(nFirst);
    if (nBar == nStart) break;
  }
  return nullptr;
}

int CTKCommandBars::FindNextVisibleIndex(int nIndex, int nStep) const {
  const int nCount = GetCount();
  if (nCount == 0) return -1;
  int nNext = nIndex;
  for (int nSteps = 0; nSteps <= nCount; ++nSteps) {
    nNext += nStep;
    if (nNext < 0) nNext = nCount - 1;
    if (nNext >= nCount) nNext = 0;
    if (nNext == nIndex) return m_arrBars[nNext]->IsVisibleOnScreen() ? nIndex : -1;
    if (m_arrBars[nNext]->IsVisibleOnScreen()) return nNext;
  }
  return -1;
}

BOOL CTKCommandBars::FocusToolBar(CTKToolBar* pBar, int nDirection) {
  CTKToolBar* pTarget = pBar;
  if (nDirection != 0) {
    if (GetCount() < 2) return FALSE;
    pTarget = GetAt(FindNextVisibleIndex(FindIndex(pBar), nDirection > 0 ? +1 : -1));
    if (pTarget == pBar) return FALSE;
  }
  if (pTarget == nullptr) return FALSE;
  CloseAllPopups();
  ShowKeyboardCues(TRUE);
  m_nKeyboardTipsLevel = 1;
  pTarget->SetTrackingMode(TRUE, FALSE, TRUE);
  pTarget->SetSelected(pTarget->GetControls()->GetNext(-1, +1), 2);
  return TRUE;
}

void CTKCommandBars::OnTrackingModeChanged(CTKCommandBar* /*pBar*/, BOOL bTracking) {
  // A tip would hide the menu that opens or stay behind the one that closed.
  m_pToolTipContext->CancelToolTips();
  if (bTracking || !m_bKeyboardCuesManaged) return;
  for (int i = 0; i < GetCount(); ++i)
    if (m_arrBars[i]->IsTrackingMode()) return;
  ShowKeyboardCues(FALSE);
}

CString CTKCommandBars::FindDefaultShortcutText(UINT nId) const {
  CString strShortcut;
  if (m_pShortcutManager) m_pShortcutManager->FindDefaultAccelerator(static_cast<int>(nId), strShortcut);
  return strShortcut;
}
