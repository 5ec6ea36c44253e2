#include "SupportSite.h"

#include <afxpriv.h>

BOOL CTestSite::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) {
  if (HIWORD(static_cast<UINT>(nCode)) == WM_NOTIFY && pHandlerInfo == nullptr) {
    m_events.push_back("route");
    m_routed.emplace_back(nID, nCode);
    AFX_NOTIFY* pNotify = static_cast<AFX_NOTIFY*>(pExtra);
    m_routedHeader = *pNotify->pNMHDR;
    if (m_bRouteHandles) {
      *pNotify->pResult = m_nRouteResult;
      return TRUE;
    }
  }
  return CTestHostWindow::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

LRESULT CTestSite::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (m_onMessage) m_onMessage(message);
  if (message == TK_WM_CONTROLNOTIFY) {
    const NMTKCONTROL* pRecord = reinterpret_cast<const NMTKCONTROL*>(lParam);
    m_events.push_back("notify");
    m_notifications.push_back({wParam, pRecord->hdr, pRecord->pControl});
    CTestHostWindow::WindowProc(message, wParam, lParam);
    return m_nNotifyAnswer;
  }
  if (message == TK_WM_CREATECONTROL && m_onCreateControl) {
    CTestHostWindow::WindowProc(message, wParam, lParam);
    return m_onCreateControl(reinterpret_cast<TKCREATECONTROLSTRUCT*>(lParam));
  }
  if (message == TK_WM_CREATECOMMANDBAR && m_onCreateBar) {
    CTestHostWindow::WindowProc(message, wParam, lParam);
    m_onCreateBar(reinterpret_cast<TKCREATEBARSTRUCT*>(lParam));
    return 1;
  }
  if (message == TK_WM_CONTROLCREATED)
    m_created.push_back(reinterpret_cast<TKCREATECONTROLSTRUCT*>(lParam)->pControl);
  if (message == WM_COMMAND) {
    m_events.push_back("command");
    m_commands.push_back(wParam);
    if (m_onCommand) m_onCommand();
  }
  return CTestHostWindow::WindowProc(message, wParam, lParam);
}

void CTestBar::Redraw(LPCRECT lpRect, BOOL bAnimate) {
  ++m_nRedraws;
  CTKCommandBar::Redraw(lpRect, bAnimate);
}
