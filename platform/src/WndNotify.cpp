// Commands and notifications of windows: WM_COMMAND and WM_NOTIFY go to the
// control that sent them first (reflection), then through the parent's
// command routing (OnCmdMsg).
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

bool EntryMatches(const AFX_MSGMAP_ENTRY& entry, UINT nMessage, UINT nCode, UINT nID) {
  return entry.nMessage == nMessage && entry.nCode == nCode && nID >= entry.nID &&
         nID <= entry.nLastID;
}

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

BOOL CWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) {
  if (DispatchNotifyCmd(nID, static_cast<UINT>(nCode), pExtra, pHandlerInfo)) return TRUE;
  return CCmdTarget::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

// The entries with window signatures that OnCmdMsg routes; CCmdTarget's
// routing handles the command signatures.
BOOL CWnd::DispatchNotifyCmd(UINT nID, UINT nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) {
  if (HIWORD(nCode) == 0xFFFF || HIWORD(nCode) == 0) return FALSE;
  const UINT nMessage = HIWORD(nCode);
  const UINT nNotifyCode = LOWORD(nCode);
  AFX_NOTIFY* pNotify = static_cast<AFX_NOTIFY*>(pExtra);
  CCmdTarget* const target = this;
  for (const AFX_MSGMAP* pMap = GetMessageMap(); pMap != nullptr;
       pMap = pMap->pfnGetBaseMap ? pMap->pfnGetBaseMap() : nullptr) {
    for (const AFX_MSGMAP_ENTRY* pEntry = pMap->lpEntries; pEntry->nSig != AfxSig_end; ++pEntry) {
      if (pEntry->nSig < AfxSigNotify_v || !EntryMatches(*pEntry, nMessage, nNotifyCode, nID))
        continue;
      if (pHandlerInfo != nullptr) {
        pHandlerInfo->pTarget = this;
        pHandlerInfo->pmf = pEntry->pfn;
        return TRUE;
      }
      const AFX_PMSG pfn = pEntry->pfn;
      BOOL bHandled = TRUE;
      switch (pEntry->nSig) {
        case AfxSigNotify_v:
          (target->*reinterpret_cast<void (CCmdTarget::*)(NMHDR*, LRESULT*)>(pfn))(
              pNotify->pNMHDR, pNotify->pResult);
          break;
        case AfxSigNotify_RANGE:
          (target->*reinterpret_cast<void (CCmdTarget::*)(UINT, NMHDR*, LRESULT*)>(pfn))(
              nID, pNotify->pNMHDR, pNotify->pResult);
          break;
        case AfxSigNotify_EX:
          bHandled = (target->*reinterpret_cast<BOOL (CCmdTarget::*)(UINT, NMHDR*, LRESULT*)>(pfn))(
              nID, pNotify->pNMHDR, pNotify->pResult);
          break;
        case AfxSigNotify_b:
          bHandled = (target->*reinterpret_cast<BOOL (CCmdTarget::*)(NMHDR*, LRESULT*)>(pfn))(
              pNotify->pNMHDR, pNotify->pResult);
          break;
        case AfxSigCmd_b:
          bHandled = (target->*reinterpret_cast<BOOL (CCmdTarget::*)()>(pfn))();
          break;
        default:
          bHandled = FALSE;
          break;
      }
      if (bHandled) return TRUE;
    }
  }
  return FALSE;
}
