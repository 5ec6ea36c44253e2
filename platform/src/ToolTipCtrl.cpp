// CToolTipCtrl members that describe a tool with a TOOLINFO.
#include "afxcmn.h"

IMPLEMENT_DYNAMIC(CToolTipCtrl, CWnd)

namespace {

// The version-2 size: comctl32 5 refuses the larger structure of version 6,
// and version 6 accepts this one.
const UINT kToolInfoSize = TTTOOLINFOA_V2_SIZE;

}  // namespace

void CToolTipCtrl::FillInToolInfo(TOOLINFO& ti, CWnd* pWnd, UINT_PTR nIDTool) {
  ti = TOOLINFO();
  ti.cbSize = kToolInfoSize;
  HWND hWnd = pWnd->GetSafeHwnd();
  if (nIDTool == 0) {
    ti.hwnd = ::GetParent(hWnd);
    ti.uFlags = TTF_IDISHWND;
    ti.uId = reinterpret_cast<UINT_PTR>(hWnd);
  } else {
    ti.hwnd = hWnd;
    ti.uId = nIDTool;
  }
}

BOOL CToolTipCtrl::AddTool(CWnd* pWnd, LPCTSTR lpszText, LPCRECT lpRectTool, UINT_PTR nIDTool) {
  TOOLINFO ti;
  FillInToolInfo(ti, pWnd, nIDTool);
  if (lpRectTool != NULL) ti.rect = *lpRectTool;
  ti.uFlags |= TTF_SUBCLASS;
  ti.hinst = AfxGetResourceHandle();
  ti.lpszText = const_cast<LPTSTR>(lpszText);
  return (BOOL)SendMessage(TTM_ADDTOOL, 0, (LPARAM)&ti);
}

BOOL CToolTipCtrl::AddTool(CWnd* pWnd, UINT nIDText, LPCRECT lpRectTool, UINT_PTR nIDTool) {
  // The control loads the string from ti.hinst itself.
  return AddTool(pWnd, MAKEINTRESOURCE(nIDText), lpRectTool, nIDTool);
}

void CToolTipCtrl::DelTool(CWnd* pWnd, UINT_PTR nIDTool) {
  TOOLINFO ti;
  FillInToolInfo(ti, pWnd, nIDTool);
  SendMessage(TTM_DELTOOL, 0, (LPARAM)&ti);
}

void CToolTipCtrl::UpdateTipText(LPCTSTR lpszText, CWnd* pWnd, UINT_PTR nIDTool) {
  TOOLINFO ti;
  FillInToolInfo(ti, pWnd, nIDTool);
  ti.hinst = AfxGetResourceHandle();
  ti.lpszText = const_cast<LPTSTR>(lpszText);
  SendMessage(TTM_UPDATETIPTEXT, 0, (LPARAM)&ti);
}

void CToolTipCtrl::UpdateTipText(UINT nIDText, CWnd* pWnd, UINT_PTR nIDTool) {
  UpdateTipText(MAKEINTRESOURCE(nIDText), pWnd, nIDTool);
}

void CToolTipCtrl::SetToolRect(CWnd* pWnd, UINT_PTR nIDTool, LPCRECT lpRect) {
  TOOLINFO ti;
  FillInToolInfo(ti, pWnd, nIDTool);
  ti.rect = *lpRect;
  SendMessage(TTM_NEWTOOLRECT, 0, (LPARAM)&ti);
}

void CToolTipCtrl::GetText(CString& str, CWnd* pWnd, UINT_PTR nIDTool) const {
  TOOLINFO ti;
  FillInToolInfo(ti, pWnd, nIDTool);
  // Controls before version 6 ignore the buffer size; the buffer is larger
  // than any tip text this program sets.
  char buffer[1024] = "";
  ti.lpszText = buffer;
  ::SendMessage(m_hWnd, TTM_GETTEXT, sizeof(buffer), (LPARAM)&ti);
  str = buffer;
}
