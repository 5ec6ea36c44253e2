// Creation of the common controls, and their members that need more than
// one message.
#include "afxcmn.h"

#include "OwnerDraw.h"

IMPLEMENT_DYNAMIC(CHeaderCtrl, CWnd)
IMPLEMENT_DYNAMIC(CSpinButtonCtrl, CWnd)
IMPLEMENT_DYNAMIC(CTabCtrl, CWnd)
IMPLEMENT_DYNAMIC(CProgressCtrl, CWnd)
IMPLEMENT_DYNAMIC(CSliderCtrl, CWnd)
IMPLEMENT_DYNAMIC(CReBarCtrl, CWnd)

namespace {

// comctl32 registers a control class only when asked; a process-wide call
// per class group is enough.
BOOL CreateCommonControl(CWnd* pWnd, DWORD dwICC, LPCTSTR lpszClass, DWORD dwStyle,
                         const RECT& rect, CWnd* pParentWnd, UINT nID) {
  INITCOMMONCONTROLSEX init = {sizeof(init), dwICC};
  if (!::InitCommonControlsEx(&init)) return FALSE;
  return pWnd->CWnd::Create(lpszClass, NULL, dwStyle, rect, pParentWnd, nID);
}

}  // namespace

BOOL CHeaderCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
  return CreateCommonControl(this, ICC_LISTVIEW_CLASSES, WC_HEADER, dwStyle, rect, pParentWnd, nID);
}

void CHeaderCtrl::DrawItem(LPDRAWITEMSTRUCT) {}

BOOL CHeaderCtrl::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  return ReflectDrawItem(this, message, lParam, pResult) ||
         CWnd::OnChildNotify(message, wParam, lParam, pResult);
}

BOOL CSpinButtonCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
  return CreateCommonControl(this, ICC_UPDOWN_CLASS, UPDOWN_CLASS, dwStyle, rect, pParentWnd, nID);
}

void CSpinButtonCtrl::GetRange(int& lower, int& upper) const {
  DWORD dw = (DWORD)::SendMessage(m_hWnd, UDM_GETRANGE, 0, 0);
  lower = (short)HIWORD(dw);
  upper = (short)LOWORD(dw);
}

BOOL CTabCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
  return CreateCommonControl(this, ICC_TAB_CLASSES, WC_TABCONTROL, dwStyle, rect, pParentWnd, nID);
}

LONG CTabCtrl::InsertItem(UINT nMask, int nItem, LPCTSTR lpszItem, int nImage, LPARAM lParam) {
  TCITEM item = {};
  item.mask = nMask;
  item.pszText = const_cast<LPTSTR>(lpszItem);
  item.iImage = nImage;
  item.lParam = lParam;
  return InsertItem(nItem, &item);
}

BOOL CProgressCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
  return CreateCommonControl(this, ICC_PROGRESS_CLASS, PROGRESS_CLASS, dwStyle, rect, pParentWnd,
                             nID);
}

void CProgressCtrl::GetRange(int& nLower, int& nUpper) const {
  PBRANGE range = {};
  ::SendMessage(m_hWnd, PBM_GETRANGE, FALSE, (LPARAM)&range);
  nLower = range.iLow;
  nUpper = range.iHigh;
}

BOOL CSliderCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
  return CreateCommonControl(this, ICC_BAR_CLASSES, TRACKBAR_CLASS, dwStyle, rect, pParentWnd, nID);
}

BOOL CListCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
  return CreateCommonControl(this, ICC_LISTVIEW_CLASSES, WC_LISTVIEW, dwStyle, rect, pParentWnd,
                             nID);
}

BOOL CToolTipCtrl::Create(CWnd* pParentWnd, DWORD dwStyle) {
  INITCOMMONCONTROLSEX init = {sizeof(init), ICC_BAR_CLASSES};
  if (!::InitCommonControlsEx(&init)) return FALSE;
  return CWnd::CreateEx(0, TOOLTIPS_CLASS, NULL, WS_POPUP | dwStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                        CW_USEDEFAULT, CW_USEDEFAULT, pParentWnd->GetSafeHwnd(), NULL);
}

BOOL CReBarCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
  return CreateCommonControl(this, ICC_COOL_CLASSES, REBARCLASSNAME, dwStyle, rect, pParentWnd,
                             nID);
}
