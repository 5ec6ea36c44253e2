// Commands and notifications of windows: WM_COMMAND and WM_NOTIFY go to the
// control that sent them first (reflection), then through the parent's
// command routing (OnCmdMsg); the update of a window's controls.
#include "WndState.h"

namespace {

// Asks a command's update handler whether the command is enabled, without
// touching any menu or button.
class CTestCmdUI : public CCmdUI {
 public:
  BOOL m_bEnabled = TRUE;
  void Enable(BOOL bOn) override {
    m_bEnabled = bOn;
    m_bEnableChanged = TRUE;
  }
  void SetCheck(int) override {}
  void SetRadio(BOOL) override {}
  void SetText(LPCSTR) override {}
};

UINT ControlIdOf(HWND hWnd) { return static_cast<UINT>(static_cast<WORD>(::GetDlgCtrlID(hWnd))); }

}  // namespace

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam) {
  UINT nID = LOWORD(wParam);
  HWND hWndCtrl = reinterpret_cast<HWND>(lParam);
  int nCode = HIWORD(wParam);
  if (hWndCtrl == nullptr) {
    // A menu item or accelerator: its update handler may have disabled it
    // after the menu was shown, or an accelerator may fire for a disabled one.
    if (nID == 0) return FALSE;
    CTestCmdUI state;
    state.m_nID = nID;
    OnCmdMsg(nID, CN_UPDATE_COMMAND_UI, &state, nullptr);
    if (!state.m_bEnabled) return TRUE;
    nCode = CN_COMMAND;
  } else {
    if (ReflectLastMsg(hWndCtrl)) return TRUE;
    if (nID == 0) return FALSE;
  }
  return OnCmdMsg(nID, nCode, nullptr, nullptr);
}

BOOL CWnd::OnNotify(WPARAM, LPARAM lParam, LRESULT* pResult) {
  NMHDR* pNMHDR = reinterpret_cast<NMHDR*>(lParam);
  if (ReflectLastMsg(pNMHDR->hwndFrom, pResult)) return TRUE;
  AFX_NOTIFY notify = {pResult, pNMHDR};
  // The id is the sender's own, which a wrong idFrom cannot fake.
  return OnCmdMsg(ControlIdOf(pNMHDR->hwndFrom), MAKELONG(pNMHDR->code, WM_NOTIFY), &notify,
                  nullptr);
}

BOOL PASCAL CWnd::ReflectLastMsg(HWND hWndChild, LRESULT* pResult) {
  CWnd* pWnd = FromHandlePermanent(hWndChild);
  return pWnd != nullptr && pWnd->SendChildNotifyLastMsg(pResult);
}

BOOL CWnd::SendChildNotifyLastMsg(LRESULT* pResult) {
  const MSG& msg = AfxGetThreadState()->m_lastSentMsg;
  return OnChildNotify(msg.message, msg.wParam, msg.lParam, pResult);
}

BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  return ReflectChildNotify(message, wParam, lParam, pResult);
}

BOOL CWnd::ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  switch (message) {
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
      return CWnd::OnWndMsg(WM_REFLECT_BASE + message, wParam, lParam, pResult);
    case WM_COMMAND: {
      if (!CWnd::OnCmdMsg(0, MAKELONG(HIWORD(wParam), WM_REFLECT_BASE + WM_COMMAND), nullptr,
                          nullptr))
        return FALSE;
      if (pResult != nullptr) *pResult = 1;
      return TRUE;
    }
    case WM_NOTIFY: {
      NMHDR* pNMHDR = reinterpret_cast<NMHDR*>(lParam);
      LRESULT lResultIgnored = 0;
      AFX_NOTIFY notify = {pResult != nullptr ? pResult : &lResultIgnored, pNMHDR};
      return CWnd::OnCmdMsg(0, MAKELONG(pNMHDR->code, WM_REFLECT_BASE + WM_NOTIFY), &notify,
                            nullptr);
    }
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC: {
      AFX_CTLCOLOR ctl = {m_hWnd, reinterpret_cast<HDC>(wParam), message - WM_CTLCOLORMSGBOX};
      LRESULT lResult = 0;
      // A null brush means the control does not colour itself.
      if (!CWnd::OnWndMsg(WM_REFLECT_BASE + WM_CTLCOLOR, 0, reinterpret_cast<LPARAM>(&ctl),
                          &lResult) ||
          lResult == 0)
        return FALSE;
      if (pResult != nullptr) *pResult = lResult;
      return TRUE;
    }
    default:
      return FALSE;
  }
}

namespace {

// Buttons that the user checks themselves, and group boxes, are not commands:
// a missing handler does not disable them.
bool DisablesWithoutHandler(HWND hWndCtrl) {
  if ((::SendMessage(hWndCtrl, WM_GETDLGCODE, 0, 0) & DLGC_BUTTON) == 0) return false;
  switch (::GetWindowLongPtr(hWndCtrl, GWL_STYLE) & 0x0F) {
    case BS_AUTOCHECKBOX:
    case BS_AUTO3STATE:
    case BS_GROUPBOX:
    case BS_AUTORADIOBUTTON:
      return false;
    default:
      return true;
  }
}

}  // namespace

void CWnd::UpdateDialogControls(CCmdTarget* pTarget, BOOL bDisableIfNoHndler) {
  CCmdUI state;
  for (HWND hWndChild = ::GetTopWindow(m_hWnd); hWndChild != nullptr;
       hWndChild = ::GetWindow(hWndChild, GW_HWNDNEXT)) {
    state.m_nID = ControlIdOf(hWndChild);
    state.m_pOther = FromHandle(hWndChild);
    // Straight into the maps, without routing: the control's own entry,
    // then this window's.
    CWnd* pCtrl = FromHandlePermanent(hWndChild);
    if (pCtrl != nullptr && pCtrl->CCmdTarget::OnCmdMsg(
                                0, MAKELONG(0xFFFF, WM_COMMAND + WM_REFLECT_BASE), &state, nullptr))
      continue;
    if (CCmdTarget::OnCmdMsg(state.m_nID, CN_UPDATE_COMMAND_UI, &state, nullptr)) continue;
    state.DoUpdate(pTarget, bDisableIfNoHndler && DisablesWithoutHandler(hWndChild));
  }
}
