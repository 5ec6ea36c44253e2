// CListCtrl members that fill an LVITEM or grow a buffer.
#include "afxcmn.h"

IMPLEMENT_DYNAMIC(CListCtrl, CWnd)

int CListCtrl::InsertColumn(int nCol, LPCTSTR lpszColumnHeading, int nFormat, int nWidth,
                            int nSubItem) {
  LVCOLUMN column = {};
  column.mask = LVCF_TEXT | LVCF_FMT;
  column.pszText = const_cast<LPTSTR>(lpszColumnHeading);
  column.fmt = nFormat;
  if (nWidth != -1) {
    column.mask |= LVCF_WIDTH;
    column.cx = nWidth;
  }
  if (nSubItem != -1) {
    column.mask |= LVCF_SUBITEM;
    column.iSubItem = nSubItem;
  }
  return InsertColumn(nCol, &column);
}

BOOL CListCtrl::GetColumnOrderArray(LPINT piArray, int iCount) const {
  // -1: as many as the header has columns.
  if (iCount == -1) iCount = Header_GetItemCount(ListView_GetHeader(m_hWnd));
  return ListView_GetColumnOrderArray(m_hWnd, iCount, piArray);
}

int CListCtrl::InsertItem(UINT nMask, int nItem, LPCTSTR lpszItem, UINT nState, UINT nStateMask,
                          int nImage, LPARAM lParam) {
  LVITEM item = {};
  item.mask = nMask;
  item.iItem = nItem;
  item.pszText = const_cast<LPTSTR>(lpszItem);
  item.state = nState;
  item.stateMask = nStateMask;
  item.iImage = nImage;
  item.lParam = lParam;
  return InsertItem(&item);
}

int CListCtrl::GetItemText(int nItem, int nSubItem, LPTSTR lpszText, int nLen) const {
  LVITEM item = {};
  item.iSubItem = nSubItem;
  item.pszText = lpszText;
  item.cchTextMax = nLen;
  return (int)::SendMessage(m_hWnd, LVM_GETITEMTEXT, nItem, (LPARAM)&item);
}

CString CListCtrl::GetItemText(int nItem, int nSubItem) const {
  // The control gives no length; a text that fills the buffer may be cut.
  CString str;
  for (int nLen = 256;; nLen *= 2) {
    int nCopied = GetItemText(nItem, nSubItem, str.GetBuffer(nLen), nLen);
    str.ReleaseBuffer(nCopied);
    if (nCopied < nLen - 1) return str;
  }
}

BOOL CListCtrl::SetItemText(int nItem, int nSubItem, LPCTSTR lpszText) {
  LVITEM item = {};
  item.iSubItem = nSubItem;
  item.pszText = const_cast<LPTSTR>(lpszText);
  return (BOOL)SendMessage(LVM_SETITEMTEXT, nItem, (LPARAM)&item);
}

DWORD_PTR CListCtrl::GetItemData(int nItem) const {
  LVITEM item = {};
  item.mask = LVIF_PARAM;
  item.iItem = nItem;
  return ListView_GetItem(m_hWnd, &item) ? item.lParam : 0;
}

BOOL CListCtrl::SetItemData(int nItem, DWORD_PTR dwData) {
  LVITEM item = {};
  item.mask = LVIF_PARAM;
  item.iItem = nItem;
  item.lParam = dwData;
  return SetItem(&item);
}

BOOL CListCtrl::SetItemState(int nItem, UINT nState, UINT nMask) {
  LVITEM item = {};
  item.state = nState;
  item.stateMask = nMask;
  return (BOOL)SendMessage(LVM_SETITEMSTATE, nItem, (LPARAM)&item);
}

int CListCtrl::HitTest(CPoint pt, UINT* pFlags) const {
  LVHITTESTINFO info = {};
  info.pt = pt;
  int nItem = ListView_HitTest(m_hWnd, &info);
  if (pFlags != NULL) *pFlags = info.flags;
  return nItem;
}
