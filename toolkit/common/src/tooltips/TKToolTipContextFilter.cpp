// The tooltip context's message filter: which tool is under the mouse, and
// what the tip window is told about it.
#include "common/TKToolTipContext.h"

#include "common/TKImageManager.h"
#include "common/TKImageManagerIcon.h"
#include "common/TKToolTipSystem.h"

namespace {

const DWORD kTitleMinVersion = 0x5004F;

BOOL IsMouseRelayMessage(UINT message) {
  return message == WM_MOUSEMOVE || message == WM_NCMOUSEMOVE || message == WM_LBUTTONUP ||
         message == WM_RBUTTONUP || message == WM_MBUTTONUP || message == WM_NCMOUSELEAVE;
}

BOOL IsCancelMessage(UINT message) {
  if (message >= WM_KEYFIRST && message <= WM_KEYLAST) return TRUE;
  switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:
    case WM_NCRBUTTONDOWN:
    case WM_NCRBUTTONDBLCLK:
    case WM_NCMBUTTONDOWN:
    case WM_NCMBUTTONDBLCLK:
      return TRUE;
  }
  return FALSE;
}

// '&' marks a mnemonic; "&&" stands for one '&'.
void RemoveMnemonics(LPSTR lpsz) {
  LPSTR lpszOut = lpsz;
  for (LPCSTR p = lpsz; *p != '\0'; p++) {
    if (*p == '&') {
      if (p[1] != '&') continue;
      p++;
    }
    *lpszOut++ = *p;
  }
  *lpszOut = '\0';
}

void StripTrailingDots(LPSTR lpsz) {
  size_t nLength = strlen(lpsz);
  if (nLength >= 4 && strcmp(lpsz + nLength - 3, "...") == 0) lpsz[nLength - 3] = '\0';
}

BOOL IsTopParentActive(CWnd* pWnd) {
  CWnd* pTop = pWnd->GetTopLevelParent();
  if (pTop == nullptr) return FALSE;
  HWND hForeground = ::GetForegroundWindow();
  return hForeground != NULL && (hForeground == pTop->GetSafeHwnd() ||
                                 hForeground == ::GetLastActivePopup(pTop->GetSafeHwnd()));
}

}  // namespace

void CTKToolTipContext::CleanText(LPSTR lpszText) const {
  if (lpszText == nullptr || lpszText == LPSTR_TEXTCALLBACK) return;
  if (!(m_dwTipStyle & TTS_NOPREFIX)) RemoveMnemonics(lpszText);
  if (m_bStripTrailingDots) StripTrailingDots(lpszText);
}

void CTKToolTipContext::RelayToolTipMessage(CWnd* pWnd, UINT message, WPARAM wParam,
                                            LPARAM lParam) {
  MSG msg;
  memset(&msg, 0, sizeof msg);
  msg.hwnd = pWnd->GetSafeHwnd();
  msg.message = message;
  msg.wParam = wParam;
  msg.lParam = lParam;
  msg.pt = TKToolTipSystem()->GetCursorPos();
  FilterToolTipMessage(pWnd, &msg);
}

void CTKToolTipContext::FilterToolTipMessage(CWnd* pWnd, MSG* pMsg) {
  if (pWnd == nullptr || pMsg == nullptr) return;
  if (IsMouseRelayMessage(pMsg->message)) {
    if (!TKToolTipSystem()->IsMouseButtonDown()) FilterMouseMessage(pWnd, pMsg);
  } else if (IsCancelMessage(pMsg->message)) {
    CancelToolTips();
  }
}

void CTKToolTipContext::ConfigureToolTip() {
  m_pToolTip->SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(m_font.GetSafeHandle()), FALSE);
  m_pToolTip->SendMessage(TTM_SETMAXTIPWIDTH, 0, m_nMaxTipWidth);
  m_pToolTip->SendMessage(TTM_SETMARGIN, 0, reinterpret_cast<LPARAM>(&m_rcMargin));
  if (m_clrBack != static_cast<COLORREF>(-1)) m_pToolTip->SendMessage(TTM_SETTIPBKCOLOR, m_clrBack);
  if (m_clrText != static_cast<COLORREF>(-1))
    m_pToolTip->SendMessage(TTM_SETTIPTEXTCOLOR, m_clrText);
  if (m_nDelayReshow != -1)
    m_pToolTip->SendMessage(TTM_SETDELAYTIME, TTDT_RESHOW, MAKELONG(m_nDelayReshow, 0));
  if (m_nDelayInitial != -1)
    m_pToolTip->SendMessage(TTM_SETDELAYTIME, TTDT_INITIAL, MAKELONG(m_nDelayInitial, 0));
  if (m_nDelayAutoPop != -1)
    m_pToolTip->SendMessage(TTM_SETDELAYTIME, TTDT_AUTOPOP, MAKELONG(m_nDelayAutoPop, 0));
  m_pToolTip->SendMessage(TTM_ACTIVATE, FALSE);
}

void CTKToolTipContext::FilterMouseMessage(CWnd* pWnd, MSG* pMsg) {
  BOOL bParentActive = IsTopParentActive(pWnd);
  if (m_pToolTip != nullptr && m_pToolTip->GetSafeHwnd() != NULL && m_pToolTip->IsWindowVisible() &&
      !bParentActive && !(m_lastTool.uFlags & TTF_TK_SHOWINACTIVE)) {
    m_pToolTip->SendMessage(TTM_ACTIVATE, FALSE);
    return;
  }

  CWnd* pOwner = pWnd->GetParentOwner();
  if (m_pToolTip != nullptr && m_pToolTip->GetSafeHwnd() != NULL &&
      ::GetWindow(m_pToolTip->GetSafeHwnd(), GW_OWNER) != pOwner->GetSafeHwnd())
    DestroyToolTipWindow();
  if (m_pToolTip != nullptr && m_pToolTip->GetSafeHwnd() == NULL) {
    delete m_pToolTip;
    m_pToolTip = nullptr;
    memset(&m_lastTool, 0, sizeof m_lastTool);
  }
  if (m_pToolTip == nullptr) {
    m_pToolTip = CreateToolTip(pOwner);
    if (m_pToolTip == nullptr) return;
    ConfigureToolTip();
  }

  TOOLINFO ti;
  memset(&ti, 0, sizeof ti);
  memset(&m_extHit, 0, sizeof m_extHit);
  ti.cbSize = kToolInfoSize;
  if (m_bShowTitleAndDescription || m_bShowImage) {
    ti.cbSize = kToolInfoSizeEx;
    ti.lParam = reinterpret_cast<LPARAM>(&m_extHit);
  }
  CPoint point = pMsg->pt;
  pWnd->ScreenToClient(&point);
  INT_PTR nHit = OnToolHitTest(pWnd, point, &ti);

  LPSTR& lpszTitle = m_extHit.lpszTitle;
  LPSTR& lpszDescription = m_extHit.lpszDescription;
  if (m_bShowTitleAndDescription && lpszTitle != nullptr && lpszDescription != nullptr &&
      strcmp(lpszTitle, lpszDescription) == 0) {
    free(lpszDescription);
    lpszDescription = nullptr;
  }
  CleanText(ti.lpszText);
  CleanText(lpszTitle);

  BOOL bSameTool = nHit != -1 && ti.hwnd == m_lastTool.hwnd && ti.uId == m_lastTool.uId;
  if (bSameTool && ::EqualRect(&ti.rect, &m_lastTool.rect)) {
    RelayEvent(pMsg);
    FreeToolTexts(ti);
    return;
  }
  if (bSameTool) m_pToolTip->SendMessage(TTM_DELTOOL, 0, reinterpret_cast<LPARAM>(&m_lastTool));

  if (nHit == -1)
    m_pToolTip->SendMessage(TTM_ACTIVATE, FALSE);
  else
    AddNewTool(ti, nHit, bParentActive);
  RelayEvent(pMsg);

  if (!bSameTool && m_lastTool.cbSize != 0)
    m_pToolTip->SendMessage(TTM_DELTOOL, 0, reinterpret_cast<LPARAM>(&m_lastTool));
  FreeToolTexts(ti);
  m_lastTool = ti;
  if (nHit == -1) memset(&m_lastTool, 0, sizeof m_lastTool);
}

void CTKToolTipContext::AddNewTool(TOOLINFO& ti, INT_PTR nHit, BOOL bParentActive) {
  UINT uFlags = ti.uFlags;
  ti.uFlags &= ~(TTF_TK_SHOWINACTIVE | TTF_TK_RESERVED);
  m_pToolTip->SendMessage(TTM_ADDTOOL, 0, reinterpret_cast<LPARAM>(&ti));
  ti.uFlags = uFlags;

  BOOL bOwnText = m_nStyle == styleRichText || m_nStyle == styleHTML || m_nStyle == styleMarkup;
  if (!bOwnText && (m_dwComCtlVersion > kTitleMinVersion || m_nStyle != styleStandard)) {
    if (m_bShowTitleAndDescription && m_extHit.lpszTitle != nullptr &&
        m_extHit.lpszDescription != nullptr) {
      m_pToolTip->SendMessage(TTM_SETTITLE, m_nTitleIcon,
                              reinterpret_cast<LPARAM>(m_extHit.lpszTitle));
      TOOLINFO tiText = ti;
      tiText.lpszText = m_extHit.lpszDescription;
      m_pToolTip->SendMessage(TTM_UPDATETIPTEXT, 0, reinterpret_cast<LPARAM>(&tiText));
    } else {
      m_pToolTip->SendMessage(TTM_SETTITLE, 0, 0);
    }
  }
  if (m_bShowImage) {
    CTKImageManagerIcon* pIcon = nullptr;
    if (m_extHit.pImageManager != nullptr)
      pIcon =
          m_extHit.pImageManager->GetImage(static_cast<UINT>(m_nImageBase + nHit), m_nImageWidth);
    m_pToolTip->SendMessage(WM_TK_TOOLTIPSETICON, 0, reinterpret_cast<LPARAM>(pIcon));
  }
  if ((uFlags & TTF_TK_SHOWINACTIVE) || bParentActive) {
    m_pToolTip->SendMessage(TTM_ACTIVATE, TRUE);
    m_pToolTip->SetWindowPos(&CWnd::wndTop, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
}

void CTKToolTipContext::RelayEvent(MSG* pMsg) {
  MSG msg = *pMsg;
  msg.hwnd = reinterpret_cast<HWND>(
      m_pToolTip->SendMessage(TTM_WINDOWFROMPOINT, 0, reinterpret_cast<LPARAM>(&msg.pt)));
  if (msg.message >= WM_MOUSEFIRST && msg.message <= WM_MOUSELAST) {
    CPoint pt = pMsg->pt;
    if (msg.hwnd != NULL) ::ScreenToClient(msg.hwnd, &pt);
    msg.lParam = MAKELPARAM(pt.x, pt.y);
  }
  m_pToolTip->SendMessage(TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&msg));
}
