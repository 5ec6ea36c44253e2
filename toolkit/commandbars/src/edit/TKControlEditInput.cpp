// CTKControlEdit: focus, keys, the mouse over its parts, and the press loops
// of the spin and buddy buttons.
#include <functional>

#include "commandbars/TKCommandBar.h"
#include "commandbars/TKCommandBarsSystem.h"
#include "commandbars/TKControlEdit.h"

namespace {
// Answers to a key offered while the field is focused.
const int kKeyToBar = 0;
const int kKeyHandled = 1;
const int kKeyPassOn = 2;
// Selection states of the parts.
const int kStateHot = 1;
const int kStateSpinUp = 4;
const int kStateSpinDown = 5;
const int kStateBuddy = 6;
// Held for this many 1,024 ms units, a spin steps by 5, then by 20.
const DWORD kUnitsForFive = 2;
const DWORD kUnitsForTwenty = 5;

CRect UpperHalf(CRect rc) {
  rc.bottom = (rc.top + rc.bottom) / 2;
  return rc;
}

CRect LowerHalf(CRect rc) {
  rc.top = (rc.top + rc.bottom) / 2;
  return rc;
}

CPoint PointOf(LPARAM lParam) {
  return CPoint(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
}

/// Pumps the thread's messages while the bar holds the capture, until the
/// button goes up. Mouse moves go to `onMove` and the spin timer to
/// `onTimer`, neither dispatched. A WM_QUIT ends the loop and goes back in
/// the queue, so that the thread's own loop still ends with its code.
void RunPressLoop(HWND hBar, const std::function<void(CPoint)>& onMove,
                  const std::function<void()>& onTimer) {
  while (::GetCapture() == hBar) {
    MSG msg;
    if (!::GetMessageA(&msg, NULL, 0, 0)) {
      ::PostQuitMessage(static_cast<int>(msg.wParam));
      return;
    }
    if (msg.message == WM_LBUTTONUP) return;
    if (msg.message == WM_MOUSEMOVE) {
      onMove(PointOf(msg.lParam));
      continue;
    }
    if (onTimer && msg.message == WM_TIMER && msg.wParam == CTKControlEdit::kTimerSpin &&
        msg.hwnd == hBar) {
      onTimer();
      continue;
    }
    ::TranslateMessage(&msg);
    ::DispatchMessageA(&msg);
  }
}

}  // namespace

// Focus ---------------------------------------------------------------------------------------

void CTKControlEdit::OnSetFocus(CWnd*) {
  const CString strHint = GetEditHint();
  if (!strHint.IsEmpty() && HasEditWindow() && GetRawText() == strHint) SetRawText("");
  m_strTextAtFocus = GetEditText();
  if (m_pParent != nullptr) m_pParent->SetPopuped(-1);
  SetFocused(TRUE);
}

void CTKControlEdit::OnKillFocus() {
  const CString strHint = GetEditHint();
  if (!strHint.IsEmpty() && HasEditWindow() && GetRawText().IsEmpty()) SetRawText(strHint);
  SetFocused(FALSE);
  if (m_pEdit != nullptr) m_pEdit->UpdateCharFormat();
}

void CTKControlEdit::SetFocused(BOOL bFocused) {
  if (m_bFocused == bFocused) return;
  m_bFocused = bFocused;
  if (bFocused) {
    if (HasEditWindow() && ::GetFocus() != m_pEdit->m_hWnd) m_pEdit->SetFocus();
    if (m_pParent != nullptr) {
      m_pParent->SetTrackingMode(TRUE, FALSE, FALSE);
      m_pParent->SetSelected(m_nIndex, 0);
    }
    NotifySite(EN_SETFOCUS);
  } else {
    // The focus goes back to the window the bar works for.
    if (HasEditWindow() && ::GetFocus() == m_pEdit->m_hWnd && m_pParent != nullptr) {
      CWnd* pSite = m_pParent->GetSite();
      if (pSite != nullptr && pSite->GetSafeHwnd() != NULL) pSite->SetFocus();
    }
    NotifySite(EN_KILLFOCUS);
  }
  RedrawEdit();
}

BOOL CTKControlEdit::SetSelected(int nSelected) {
  const BOOL bChanged = CTKControl::SetSelected(nSelected);
  if (bChanged && nSelected == 0) SetFocused(FALSE);
  if (m_pEdit != nullptr) m_pEdit->UpdateCharFormat();
  return bChanged;
}

void CTKControlEdit::OnUnderlineActivate() { SetFocused(TRUE); }

void CTKControlEdit::OnEditChanged() { NotifySite(EN_CHANGE); }

// Keys ------------------------------------------------------------------------------------------

int CTKControlEdit::OnHookKeyDown(UINT nChar, LPARAM) {
  if (!m_bFocused || !HasEditWindow()) return kKeyToBar;
  if (m_pEdit->IsImeComposing()) return kKeyPassOn;
  if (nChar == VK_TAB || nChar == VK_RETURN) return kKeyToBar;
  if (nChar == VK_ESCAPE) {
    SetEditText(m_strTextAtFocus);
    SetFocused(FALSE);
    return m_pParent != nullptr && m_pParent->IsPopupBar() ? kKeyHandled : kKeyToBar;
  }
  if ((nChar == VK_UP || nChar == VK_DOWN) && GetEnabled() && m_bShowSpinButtons && !m_bReadOnly) {
    Spin(1, nChar == VK_UP ? 1 : -1);
    if (::GetFocus() == m_pEdit->m_hWnd) m_pEdit->SetSel(0, -1);
    return kKeyHandled;
  }
  return m_pEdit->TranslateEditKey(nChar);
}

// Mouse ------------------------------------------------------------------------------------------

void CTKControlEdit::OnMouseMove(CPoint pt) {
  if (!GetEnabled() || m_nSelected == 0) return;
  int nState = kStateHot;
  const CRect rcSpin = GetSpinButtonsRect();
  if (!rcSpin.IsRectEmpty() && rcSpin.PtInRect(pt))
    nState = UpperHalf(rcSpin).PtInRect(pt) ? kStateSpinUp : kStateSpinDown;
  else if (GetBuddyButtonRect().PtInRect(pt))
    nState = kStateBuddy;
  if (nState == m_nSelected) return;
  m_nSelected = nState;
  RedrawParent(FALSE);
}

void CTKControlEdit::OnClick(BOOL bKeyboard, CPoint pt) {
  if (OnCustomizeClick(pt)) return;
  if (bKeyboard) {
    if (HasEditWindow() && ::GetFocus() == m_pEdit->m_hWnd)
      OnExecute();
    else if (HasEditWindow())
      m_pEdit->SetFocus();
    return;
  }
  if (GetEnabled() && !m_bReadOnly && GetSpinButtonsRect().PtInRect(pt)) {
    TrackSpinButton(pt);
  } else if (GetEnabled() && GetBuddyButtonRect().PtInRect(pt)) {
    TrackBuddyButton();
  } else if (HasEditWindow()) {
    m_pEdit->SetFocus();
  }
}

// Spin ----------------------------------------------------------------------------------------------

void CTKControlEdit::Spin(int nStep, int nDirection) {
  NMTKSPIN record = {};
  record.nDelta = nStep * nDirection;
  const UINT nCode = nDirection > 0 ? TKN_EDIT_SPINUP : TKN_EDIT_SPINDOWN;
  if (NotifySiteEx(nCode, &record.control) != 0) return;
  int nValue = atoi(GetEditText()) + record.nDelta;
  while (nValue % nStep != 0) nValue += nDirection;
  CString strValue;
  strValue.Format("%i", nValue);
  SetEditText(strValue);
  NotifySite(TKN_EXECUTE);
}

void CTKControlEdit::TrackSpinButton(CPoint pt) {
  if (m_pParent == nullptr || m_pParent->GetSafeHwnd() == NULL) return;
  CTKCommandBarsSystem* pSystem = TKCommandBarsSystem();
  HWND hBar = m_pParent->GetSafeHwnd();
  m_pParent->SetSelected(-1);
  m_pParent->SetSelected(m_nIndex);
  const CRect rcSpin = GetSpinButtonsRect();
  const BOOL bUp = UpperHalf(rcSpin).PtInRect(pt);
  const CRect rcHalf = bUp ? UpperHalf(rcSpin) : LowerHalf(rcSpin);
  const int nDirection = bUp ? 1 : -1;
  const int nPressedState = bUp ? kStateSpinUp : kStateSpinDown;
  m_nSelected = m_bPressed = nPressedState;
  RedrawParent(FALSE);
  Spin(1, nDirection);

  ::SetCapture(hBar);
  pSystem->SetTimer(hBar, kTimerSpin, kSpinFirstDelay);
  DWORD dwStart = pSystem->GetTickCount();
  BOOL bFirstRepeat = TRUE;
  auto onMove = [&](CPoint ptMove) {
    const int nState = rcHalf.PtInRect(ptMove) ? nPressedState : 0;
    if (nState == m_nSelected) return;
    SetSelected(nState);
    // Coming back into the half starts the held time again.
    dwStart = pSystem->GetTickCount();
    RedrawParent(FALSE);
  };
  auto onTimer = [&]() {
    if (m_nSelected != 0) {
      const DWORD dwUnits = (pSystem->GetTickCount() - dwStart) / 1024;
      const int nStep = dwUnits >= kUnitsForTwenty ? 20 : dwUnits >= kUnitsForFive ? 5 : 1;
      Spin(nStep, nDirection);
    }
    if (bFirstRepeat) {
      pSystem->SetTimer(hBar, kTimerSpin, kSpinRepeat);
      bFirstRepeat = FALSE;
    }
  };
  RunPressLoop(hBar, onMove, onTimer);
  pSystem->KillTimer(hBar, kTimerSpin);
  m_bPressed = 0;
  if (::GetCapture() == hBar) ::ReleaseCapture();
  RedrawParent(FALSE);
  if (m_pParent->GetPosition() != tkBarPopup) m_pParent->SetTrackingMode(FALSE, TRUE, FALSE);
}

void CTKControlEdit::TrackBuddyButton() {
  if (m_pParent == nullptr || m_pParent->GetSafeHwnd() == NULL) return;
  HWND hBar = m_pParent->GetSafeHwnd();
  m_pParent->SetSelected(m_nIndex);
  m_nSelected = m_bPressed = kStateBuddy;
  RedrawParent(FALSE);
  const CRect rcBuddy = GetBuddyButtonRect();
  ::SetCapture(hBar);
  RunPressLoop(
      hBar,
      [&](CPoint ptMove) {
        const int nState = rcBuddy.PtInRect(ptMove) ? kStateBuddy : kStateHot;
        if (nState == m_nSelected) return;
        m_nSelected = nState;
        RedrawParent(FALSE);
      },
      nullptr);
  const BOOL bReleasedOver = m_nSelected == kStateBuddy;
  m_bPressed = 0;
  m_nSelected = kStateHot;
  if (::GetCapture() == hBar) ::ReleaseCapture();
  RedrawParent(FALSE);
  if (bReleasedOver) NotifySite(TKN_EDIT_BUDDY);
}
