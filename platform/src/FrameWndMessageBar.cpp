// CFrameWnd's message bar: prompts of commands and menu items, and the idle message.
#include <afxwin.h>

CWnd* CFrameWnd::GetMessageBar() { return GetDescendantWindow(AFX_IDW_STATUS_BAR, TRUE); }

void CFrameWnd::GetMessageString(UINT nID, CString& rMessage) const {
  // A command's string holds its prompt, then '\n' and its tool tip.
  if (!rMessage.LoadString(nID)) {
    rMessage.Empty();
    return;
  }
  int nEnd = rMessage.Find('\n');
  if (nEnd >= 0) rMessage = rMessage.Left(nEnd);
}

void CFrameWnd::SetMessageText(LPCTSTR lpszText) {
  SendMessage(WM_SETMESSAGESTRING, 0, reinterpret_cast<LPARAM>(lpszText));
}

void CFrameWnd::SetMessageText(UINT nID) { SendMessage(WM_SETMESSAGESTRING, nID); }

LRESULT CFrameWnd::OnSetMessageString(WPARAM wParam, LPARAM lParam) {
  const UINT nIDLast = m_nIDLastMessage;
  const UINT nID = static_cast<UINT>(wParam);
  m_nFlags &= ~WF_NOPOPMSG;
  if (CWnd* pMessageBar = GetMessageBar()) {
    CString strMessage;
    if (lParam != 0)
      strMessage = reinterpret_cast<LPCTSTR>(lParam);
    else if (nID != 0)
      GetMessageString(nID, strMessage);
    pMessageBar->SetWindowText(strMessage);
    // The frame that owns the bar (an MDI child's is the MDI frame) knows
    // what it shows as well.
    CFrameWnd* pBarFrame = pMessageBar->GetParentFrame();
    if (pBarFrame != nullptr && pBarFrame != this) {
      pBarFrame->m_nIDLastMessage = nID;
      pBarFrame->m_nIDTracking = nID;
    }
  }
  m_nIDLastMessage = nID;
  m_nIDTracking = nID;
  return nIDLast;
}

LRESULT CFrameWnd::OnPopMessageString(WPARAM wParam, LPARAM lParam) {
  // While a menu is open its prompts stay; a bar's fly-by does not undo them.
  if (m_nFlags & WF_NOPOPMSG) return 0;
  return SendMessage(WM_SETMESSAGESTRING, wParam, lParam);
}

void CFrameWnd::OnMenuSelect(UINT nItemID, UINT nFlags, HMENU hSysMenu) {
  CWnd::OnMenuSelect(nItemID, nFlags, hSysMenu);
  CFrameWnd* pTopFrame = GetTopLevelFrame();
  if (pTopFrame == nullptr) pTopFrame = this;
  if (nFlags == 0xFFFF && hSysMenu == nullptr) {
    // The menu closed: back to the idle message at once.
    m_nFlags &= ~WF_NOPOPMSG;
    m_nIDTracking = pTopFrame->m_bHelpMode ? AFX_IDS_HELPMODEMESSAGE : AFX_IDS_IDLEMESSAGE;
    SendMessage(WM_SETMESSAGESTRING, m_nIDTracking);
    if (CWnd* pMessageBar = GetMessageBar()) pMessageBar->UpdateWindow();
    return;
  }
  // The prompt follows when the menu waits for the user (OnEnterIdle).
  if (nItemID == 0 || (nFlags & (MF_SEPARATOR | MF_POPUP)))
    m_nIDTracking = 0;
  else if (nItemID >= 0xF000 && nItemID < 0xF1F0)
    m_nIDTracking = ID_COMMAND_FROM_SC(nItemID);
  else if (nItemID >= AFX_IDM_FIRST_MDICHILD)
    m_nIDTracking = AFX_IDS_MDICHILD;
  else
    m_nIDTracking = nItemID;
  pTopFrame->m_nFlags |= WF_NOPOPMSG;
}

void CFrameWnd::OnEnterIdle(UINT nWhy, CWnd* pWho) {
  CWnd::OnEnterIdle(nWhy, pWho);
  if (nWhy != MSGF_MENU || m_nIDTracking == m_nIDLastMessage) return;
  SetMessageText(m_nIDTracking);
}
