// The standard Windows controls as CWnd classes: static, button, edit,
// list box, combo box and scroll bar. Each member sends the control's own
// message; Create makes a child control of the system class.
#pragma once

#include "afxwnd.h"

class CBitmap;

class CStatic : public CWnd {
  DECLARE_DYNAMIC(CStatic)

 public:
  virtual BOOL Create(LPCTSTR lpszText, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                      UINT nID = 0xffff);

  /// Each setter returns the previous picture.
  HICON SetIcon(HICON hIcon) { return (HICON)SendMessage(STM_SETICON, (WPARAM)hIcon); }
  HICON GetIcon() const { return (HICON)::SendMessage(m_hWnd, STM_GETICON, 0, 0); }
  HBITMAP SetBitmap(HBITMAP hBitmap) {
    return (HBITMAP)SendMessage(STM_SETIMAGE, IMAGE_BITMAP, (LPARAM)hBitmap);
  }
  HBITMAP GetBitmap() const {
    return (HBITMAP)::SendMessage(m_hWnd, STM_GETIMAGE, IMAGE_BITMAP, 0);
  }
};

class CButton : public CWnd {
  DECLARE_DYNAMIC(CButton)

 public:
  virtual BOOL Create(LPCTSTR lpszCaption, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                      UINT nID);

  /// BST_UNCHECKED, BST_CHECKED or BST_INDETERMINATE.
  int GetCheck() const { return (int)::SendMessage(m_hWnd, BM_GETCHECK, 0, 0); }
  void SetCheck(int nCheck) { SendMessage(BM_SETCHECK, nCheck); }
  UINT GetState() const { return (UINT)::SendMessage(m_hWnd, BM_GETSTATE, 0, 0); }
  void SetState(BOOL bHighlight) { SendMessage(BM_SETSTATE, bHighlight); }
  UINT GetButtonStyle() const { return (UINT)GetWindowLong(m_hWnd, GWL_STYLE) & 0xFFFF; }
  void SetButtonStyle(UINT nStyle, BOOL bRedraw = TRUE) {
    SendMessage(BM_SETSTYLE, nStyle, bRedraw);
  }
  HICON SetIcon(HICON hIcon) { return (HICON)SendMessage(BM_SETIMAGE, IMAGE_ICON, (LPARAM)hIcon); }
  HICON GetIcon() const { return (HICON)::SendMessage(m_hWnd, BM_GETIMAGE, IMAGE_ICON, 0); }
  HBITMAP SetBitmap(HBITMAP hBitmap) {
    return (HBITMAP)SendMessage(BM_SETIMAGE, IMAGE_BITMAP, (LPARAM)hBitmap);
  }
  HBITMAP GetBitmap() const { return (HBITMAP)::SendMessage(m_hWnd, BM_GETIMAGE, IMAGE_BITMAP, 0); }

  /// Draws an owner-drawn (BS_OWNERDRAW) button; a derived class overrides it.
  virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);

 protected:
  /// Hands a reflected WM_DRAWITEM to DrawItem.
  BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
};

class CEdit : public CWnd {
  DECLARE_DYNAMIC(CEdit)

 public:
  virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

  BOOL CanUndo() const { return (BOOL)::SendMessage(m_hWnd, EM_CANUNDO, 0, 0); }
  int GetLineCount() const { return (int)::SendMessage(m_hWnd, EM_GETLINECOUNT, 0, 0); }
  BOOL GetModify() const { return (BOOL)::SendMessage(m_hWnd, EM_GETMODIFY, 0, 0); }
  void SetModify(BOOL bModified = TRUE) { SendMessage(EM_SETMODIFY, bModified); }
  void GetRect(LPRECT lpRect) const { ::SendMessage(m_hWnd, EM_GETRECT, 0, (LPARAM)lpRect); }
  void SetRect(LPCRECT lpRect) { SendMessage(EM_SETRECT, 0, (LPARAM)lpRect); }
  /// The selection as MAKELONG(start, end).
  DWORD GetSel() const { return (DWORD)::SendMessage(m_hWnd, EM_GETSEL, 0, 0); }
  void GetSel(int& nStartChar, int& nEndChar) const {
    ::SendMessage(m_hWnd, EM_GETSEL, (WPARAM)&nStartChar, (LPARAM)&nEndChar);
  }
  /// (0, -1) selects everything; a start of -1 removes the selection.
  void SetSel(int nStartChar, int nEndChar, BOOL bNoScroll = FALSE) {
    SendMessage(EM_SETSEL, nStartChar, nEndChar);
    if (!bNoScroll) SendMessage(EM_SCROLLCARET);
  }
  void SetSel(DWORD dwSelection, BOOL bNoScroll = FALSE) {
    SetSel((short)LOWORD(dwSelection), (short)HIWORD(dwSelection), bNoScroll);
  }
  void ReplaceSel(LPCTSTR lpszNewText, BOOL bCanUndo = FALSE) {
    SendMessage(EM_REPLACESEL, bCanUndo, (LPARAM)lpszNewText);
  }
  /// Copies line nIndex into lpszBuffer (not NUL-terminated); returns the count copied.
  int GetLine(int nIndex, LPTSTR lpszBuffer, int nMaxLength) const;
  int LineIndex(int nLine = -1) const { return (int)::SendMessage(m_hWnd, EM_LINEINDEX, nLine, 0); }
  int LineLength(int nLine = -1) const {
    return (int)::SendMessage(m_hWnd, EM_LINELENGTH, nLine, 0);
  }
  int LineFromChar(int nIndex = -1) const {
    return (int)::SendMessage(m_hWnd, EM_LINEFROMCHAR, nIndex, 0);
  }
  int GetFirstVisibleLine() const {
    return (int)::SendMessage(m_hWnd, EM_GETFIRSTVISIBLELINE, 0, 0);
  }
  void LineScroll(int nLines, int nChars = 0) { SendMessage(EM_LINESCROLL, nChars, nLines); }
  void LimitText(int nChars = 0) { SendMessage(EM_LIMITTEXT, nChars); }
  void SetLimitText(UINT nMax) { SendMessage(EM_SETLIMITTEXT, nMax); }
  UINT GetLimitText() const { return (UINT)::SendMessage(m_hWnd, EM_GETLIMITTEXT, 0, 0); }
  BOOL SetReadOnly(BOOL bReadOnly = TRUE) { return (BOOL)SendMessage(EM_SETREADONLY, bReadOnly); }
  void SetPasswordChar(TCHAR ch) { SendMessage(EM_SETPASSWORDCHAR, (BYTE)ch); }
  void SetMargins(UINT nLeft, UINT nRight) {
    SendMessage(EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELONG(nLeft, nRight));
  }
  DWORD GetMargins() const { return (DWORD)::SendMessage(m_hWnd, EM_GETMARGINS, 0, 0); }
  /// The character nearest pt: index in the low word, line in the high word.
  int CharFromPos(CPoint pt) const {
    return (int)::SendMessage(m_hWnd, EM_CHARFROMPOS, 0, MAKELPARAM(pt.x, pt.y));
  }
  CPoint PosFromChar(UINT nChar) const {
    return CPoint((LPARAM)::SendMessage(m_hWnd, EM_POSFROMCHAR, nChar, 0));
  }
  void EmptyUndoBuffer() { SendMessage(EM_EMPTYUNDOBUFFER); }
  BOOL Undo() { return (BOOL)SendMessage(EM_UNDO); }
  void Clear() { SendMessage(WM_CLEAR); }
  void Copy() { SendMessage(WM_COPY); }
  void Cut() { SendMessage(WM_CUT); }
  void Paste() { SendMessage(WM_PASTE); }
};

class CListBox : public CWnd {
  DECLARE_DYNAMIC(CListBox)

 public:
  virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

  int GetCount() const { return (int)::SendMessage(m_hWnd, LB_GETCOUNT, 0, 0); }
  /// The index of the new string (sorted lists place it), LB_ERR or LB_ERRSPACE.
  int AddString(LPCTSTR lpszItem) { return (int)SendMessage(LB_ADDSTRING, 0, (LPARAM)lpszItem); }
  int InsertString(int nIndex, LPCTSTR lpszItem) {
    return (int)SendMessage(LB_INSERTSTRING, nIndex, (LPARAM)lpszItem);
  }
  /// Returns the number of strings left.
  int DeleteString(UINT nIndex) { return (int)SendMessage(LB_DELETESTRING, nIndex); }
  void ResetContent() { SendMessage(LB_RESETCONTENT); }
  int GetText(int nIndex, LPTSTR lpszBuffer) const {
    return (int)::SendMessage(m_hWnd, LB_GETTEXT, nIndex, (LPARAM)lpszBuffer);
  }
  /// Empty for an index out of range.
  void GetText(int nIndex, CString& rString) const;
  int GetTextLen(int nIndex) const { return (int)::SendMessage(m_hWnd, LB_GETTEXTLEN, nIndex, 0); }
  /// Prefix search (case-insensitive) after nStartAfter (-1: from the top), wrapping.
  int FindString(int nStartAfter, LPCTSTR lpszItem) const {
    return (int)::SendMessage(m_hWnd, LB_FINDSTRING, nStartAfter, (LPARAM)lpszItem);
  }
  int FindStringExact(int nIndexStart, LPCTSTR lpszFind) const {
    return (int)::SendMessage(m_hWnd, LB_FINDSTRINGEXACT, nIndexStart, (LPARAM)lpszFind);
  }
  int SelectString(int nStartAfter, LPCTSTR lpszItem) {
    return (int)SendMessage(LB_SELECTSTRING, nStartAfter, (LPARAM)lpszItem);
  }
  int GetCurSel() const { return (int)::SendMessage(m_hWnd, LB_GETCURSEL, 0, 0); }
  /// -1 clears the selection.
  int SetCurSel(int nSelect) { return (int)SendMessage(LB_SETCURSEL, nSelect); }
  int GetSel(int nIndex) const { return (int)::SendMessage(m_hWnd, LB_GETSEL, nIndex, 0); }
  int SetSel(int nIndex, BOOL bSelect = TRUE) {
    return (int)SendMessage(LB_SETSEL, bSelect, nIndex);
  }
  int GetSelCount() const { return (int)::SendMessage(m_hWnd, LB_GETSELCOUNT, 0, 0); }
  int GetSelItems(int nMaxItems, LPINT rgIndex) const {
    return (int)::SendMessage(m_hWnd, LB_GETSELITEMS, nMaxItems, (LPARAM)rgIndex);
  }
  DWORD_PTR GetItemData(int nIndex) const {
    return ::SendMessage(m_hWnd, LB_GETITEMDATA, nIndex, 0);
  }
  int SetItemData(int nIndex, DWORD_PTR dwItemData) {
    return (int)SendMessage(LB_SETITEMDATA, nIndex, (LPARAM)dwItemData);
  }
  void* GetItemDataPtr(int nIndex) const { return (void*)GetItemData(nIndex); }
  int SetItemDataPtr(int nIndex, void* pData) { return SetItemData(nIndex, (DWORD_PTR)pData); }
  int GetTopIndex() const { return (int)::SendMessage(m_hWnd, LB_GETTOPINDEX, 0, 0); }
  int SetTopIndex(int nIndex) { return (int)SendMessage(LB_SETTOPINDEX, nIndex); }
  int GetItemRect(int nIndex, LPRECT lpRect) const {
    return (int)::SendMessage(m_hWnd, LB_GETITEMRECT, nIndex, (LPARAM)lpRect);
  }
  /// The nearest item in the low word; bOutside is set when pt is not on it.
  UINT ItemFromPoint(CPoint pt, BOOL& bOutside) const;
  int GetItemHeight(int nIndex) const {
    return (int)::SendMessage(m_hWnd, LB_GETITEMHEIGHT, nIndex, 0);
  }
  int SetItemHeight(int nIndex, UINT cyItemHeight) {
    return (int)SendMessage(LB_SETITEMHEIGHT, nIndex, MAKELONG(cyItemHeight, 0));
  }

  /// Owner-drawn lists: a derived class overrides these.
  virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);
  virtual void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct);
  virtual int CompareItem(LPCOMPAREITEMSTRUCT lpCompareItemStruct);
  virtual void DeleteItem(LPDELETEITEMSTRUCT lpDeleteItemStruct);

 protected:
  /// Hands the reflected owner-draw messages to the virtual members.
  BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
};

class CComboBox : public CWnd {
  DECLARE_DYNAMIC(CComboBox)

 public:
  virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

  int GetCount() const { return (int)::SendMessage(m_hWnd, CB_GETCOUNT, 0, 0); }
  int AddString(LPCTSTR lpszString) {
    return (int)SendMessage(CB_ADDSTRING, 0, (LPARAM)lpszString);
  }
  int InsertString(int nIndex, LPCTSTR lpszString) {
    return (int)SendMessage(CB_INSERTSTRING, nIndex, (LPARAM)lpszString);
  }
  int DeleteString(UINT nIndex) { return (int)SendMessage(CB_DELETESTRING, nIndex); }
  void ResetContent() { SendMessage(CB_RESETCONTENT); }
  int GetLBText(int nIndex, LPTSTR lpszText) const {
    return (int)::SendMessage(m_hWnd, CB_GETLBTEXT, nIndex, (LPARAM)lpszText);
  }
  /// Empty for an index out of range.
  void GetLBText(int nIndex, CString& rString) const;
  int GetLBTextLen(int nIndex) const {
    return (int)::SendMessage(m_hWnd, CB_GETLBTEXTLEN, nIndex, 0);
  }
  int FindString(int nStartAfter, LPCTSTR lpszString) const {
    return (int)::SendMessage(m_hWnd, CB_FINDSTRING, nStartAfter, (LPARAM)lpszString);
  }
  int FindStringExact(int nIndexStart, LPCTSTR lpszFind) const {
    return (int)::SendMessage(m_hWnd, CB_FINDSTRINGEXACT, nIndexStart, (LPARAM)lpszFind);
  }
  /// Selects the first item starting with lpszString; returns its index or CB_ERR.
  int SelectString(int nStartAfter, LPCTSTR lpszString) {
    return (int)SendMessage(CB_SELECTSTRING, nStartAfter, (LPARAM)lpszString);
  }
  int GetCurSel() const { return (int)::SendMessage(m_hWnd, CB_GETCURSEL, 0, 0); }
  int SetCurSel(int nSelect) { return (int)SendMessage(CB_SETCURSEL, nSelect); }
  DWORD_PTR GetItemData(int nIndex) const {
    return ::SendMessage(m_hWnd, CB_GETITEMDATA, nIndex, 0);
  }
  int SetItemData(int nIndex, DWORD_PTR dwItemData) {
    return (int)SendMessage(CB_SETITEMDATA, nIndex, (LPARAM)dwItemData);
  }
  void* GetItemDataPtr(int nIndex) const { return (void*)GetItemData(nIndex); }
  int SetItemDataPtr(int nIndex, void* pData) { return SetItemData(nIndex, (DWORD_PTR)pData); }
  int GetTopIndex() const { return (int)::SendMessage(m_hWnd, CB_GETTOPINDEX, 0, 0); }
  int SetTopIndex(int nIndex) { return (int)SendMessage(CB_SETTOPINDEX, nIndex); }
  void ShowDropDown(BOOL bShowIt = TRUE) { SendMessage(CB_SHOWDROPDOWN, bShowIt); }
  BOOL GetDroppedState() const { return (BOOL)::SendMessage(m_hWnd, CB_GETDROPPEDSTATE, 0, 0); }
  void GetDroppedControlRect(LPRECT lprect) const {
    ::SendMessage(m_hWnd, CB_GETDROPPEDCONTROLRECT, 0, (LPARAM)lprect);
  }
  int GetDroppedWidth() const { return (int)::SendMessage(m_hWnd, CB_GETDROPPEDWIDTH, 0, 0); }
  int SetDroppedWidth(UINT nWidth) { return (int)SendMessage(CB_SETDROPPEDWIDTH, nWidth); }
  /// nIndex -1: the selection field; otherwise the list items.
  int GetItemHeight(int nIndex) const {
    return (int)::SendMessage(m_hWnd, CB_GETITEMHEIGHT, nIndex, 0);
  }
  int SetItemHeight(int nIndex, UINT cyItemHeight) {
    return (int)SendMessage(CB_SETITEMHEIGHT, nIndex, MAKELONG(cyItemHeight, 0));
  }
  BOOL LimitText(int nMaxChars) { return (BOOL)SendMessage(CB_LIMITTEXT, nMaxChars); }
  DWORD GetEditSel() const { return (DWORD)::SendMessage(m_hWnd, CB_GETEDITSEL, 0, 0); }
  BOOL SetEditSel(int nStartChar, int nEndChar) {
    return (BOOL)SendMessage(CB_SETEDITSEL, 0, MAKELONG(nStartChar, nEndChar));
  }
  void Clear() { SendMessage(WM_CLEAR); }
  void Copy() { SendMessage(WM_COPY); }
  void Cut() { SendMessage(WM_CUT); }
  void Paste() { SendMessage(WM_PASTE); }

  /// Owner-drawn combo boxes: a derived class overrides these.
  virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);
  virtual void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct);
  virtual int CompareItem(LPCOMPAREITEMSTRUCT lpCompareItemStruct);
  virtual void DeleteItem(LPDELETEITEMSTRUCT lpDeleteItemStruct);

 protected:
  /// Hands the reflected owner-draw messages to the virtual members.
  BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
};

class CScrollBar : public CWnd {
  DECLARE_DYNAMIC(CScrollBar)

 public:
  /// SBS_HORZ or SBS_VERT in dwStyle choose the direction.
  virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

  int GetScrollPos() const { return ::GetScrollPos(m_hWnd, SB_CTL); }
  int SetScrollPos(int nPos, BOOL bRedraw = TRUE) {
    return ::SetScrollPos(m_hWnd, SB_CTL, nPos, bRedraw);
  }
  void GetScrollRange(LPINT lpMinPos, LPINT lpMaxPos) const {
    ::GetScrollRange(m_hWnd, SB_CTL, lpMinPos, lpMaxPos);
  }
  void SetScrollRange(int nMinPos, int nMaxPos, BOOL bRedraw = TRUE) {
    ::SetScrollRange(m_hWnd, SB_CTL, nMinPos, nMaxPos, bRedraw);
  }
  void ShowScrollBar(BOOL bShow = TRUE) { ::ShowScrollBar(m_hWnd, SB_CTL, bShow); }
  BOOL EnableScrollBar(UINT nArrowFlags = ESB_ENABLE_BOTH) {
    return ::EnableScrollBar(m_hWnd, SB_CTL, nArrowFlags);
  }
  BOOL SetScrollInfo(LPSCROLLINFO lpScrollInfo, BOOL bRedraw = TRUE);
  /// nMask SIF_ALL by default; fills lpScrollInfo's size and mask itself.
  BOOL GetScrollInfo(LPSCROLLINFO lpScrollInfo, UINT nMask = SIF_ALL);
  /// The largest position the thumb can reach: max - max(page - 1, 0).
  int GetScrollLimit();
};
