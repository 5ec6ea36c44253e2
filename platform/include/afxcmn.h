// The common controls: image lists and the comctl32 control classes. Each
// control member sends the control's own message; Create makes sure the
// control classes are registered first.
#pragma once

#include "afxwin.h"

#include <commctrl.h>

/// An image list. The object owns the list it created or attached and
/// destroys it with itself; FromHandle gives temporary wrappers otherwise.
class CImageList : public CObject {
  DECLARE_DYNCREATE(CImageList)

 public:
  CImageList();
  /// Destroys the owned list.
  ~CImageList() override;

  HIMAGELIST m_hImageList;

  HIMAGELIST GetSafeHandle() const { return this == nullptr ? nullptr : m_hImageList; }
  operator HIMAGELIST() const { return m_hImageList; }

  static CImageList* PASCAL FromHandle(HIMAGELIST hImageList);
  static void PASCAL DeleteTempMap();
  /// Makes this object the owner of hImageList; FALSE for a null handle.
  BOOL Attach(HIMAGELIST hImageList);
  HIMAGELIST Detach();
  /// Detaches and destroys the list; FALSE when there is none.
  BOOL DeleteImageList();

  /// nFlags: ILC_COLOR32, ILC_MASK, ...; nGrow images are added at a time.
  BOOL Create(int cx, int cy, UINT nFlags, int nInitial, int nGrow) {
    return Attach(ImageList_Create(cx, cy, nFlags, nInitial, nGrow));
  }
  /// From a bitmap resource cut into images cx wide; crMask (CLR_NONE: none)
  /// becomes transparent.
  BOOL Create(UINT nBitmapID, int cx, int nGrow, COLORREF crMask) {
    return Create(MAKEINTRESOURCE(nBitmapID), cx, nGrow, crMask);
  }
  BOOL Create(LPCTSTR lpszBitmapID, int cx, int nGrow, COLORREF crMask);
  /// A copy of another list.
  BOOL Create(CImageList* pImageList) {
    return Attach(ImageList_Duplicate(pImageList->m_hImageList));
  }

  int GetImageCount() const { return ImageList_GetImageCount(m_hImageList); }
  BOOL SetImageCount(UINT uNewCount) { return ImageList_SetImageCount(m_hImageList, uNewCount); }
  BOOL GetIconSize(int* cx, int* cy) const { return ImageList_GetIconSize(m_hImageList, cx, cy); }
  BOOL GetImageInfo(int nImage, IMAGEINFO* pImageInfo) const {
    return ImageList_GetImageInfo(m_hImageList, nImage, pImageInfo);
  }
  COLORREF SetBkColor(COLORREF cr) { return ImageList_SetBkColor(m_hImageList, cr); }
  COLORREF GetBkColor() const { return ImageList_GetBkColor(m_hImageList); }

  /// Each Add returns the index of the first new image, -1 on failure. A
  /// bitmap holds as many images as its width allows.
  int Add(CBitmap* pbmImage, CBitmap* pbmMask);
  int Add(CBitmap* pbmImage, COLORREF crMask);
  int Add(HICON hIcon) { return ImageList_AddIcon(m_hImageList, hIcon); }
  BOOL Replace(int nImage, CBitmap* pbmImage, CBitmap* pbmMask);
  /// nImage -1 appends; returns the index used.
  int Replace(int nImage, HICON hIcon) {
    return ImageList_ReplaceIcon(m_hImageList, nImage, hIcon);
  }
  /// -1 removes every image.
  BOOL Remove(int nImage) { return ImageList_Remove(m_hImageList, nImage); }
  /// A new icon of the image; the caller destroys it.
  HICON ExtractIcon(int nImage) { return ImageList_ExtractIcon(NULL, m_hImageList, nImage); }
  BOOL SetOverlayImage(int nImage, int nOverlay) {
    return ImageList_SetOverlayImage(m_hImageList, nImage, nOverlay);
  }

  /// nStyle: ILD_NORMAL, ILD_TRANSPARENT, ILD_BLEND50, ... and an overlay.
  BOOL Draw(CDC* pDC, int nImage, POINT pt, UINT nStyle) {
    return ImageList_Draw(m_hImageList, nImage, CDC::SafeHdc(pDC), pt.x, pt.y, nStyle);
  }
  BOOL DrawIndirect(IMAGELISTDRAWPARAMS* pimldp) { return ImageList_DrawIndirect(pimldp); }
  /// Draws the image at pt, sz big (0: the image size), from ptOrigin within it.
  BOOL DrawIndirect(CDC* pDC, int nImage, POINT pt, SIZE sz, POINT ptOrigin,
                    UINT fStyle = ILD_NORMAL, DWORD dwRop = SRCCOPY, COLORREF rgbBack = CLR_DEFAULT,
                    COLORREF rgbFore = CLR_DEFAULT);
};

class CHeaderCtrl : public CWnd {
  DECLARE_DYNAMIC(CHeaderCtrl)

 public:
  virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

  int GetItemCount() const { return Header_GetItemCount(m_hWnd); }
  BOOL GetItem(int nPos, HDITEM* pHeaderItem) const {
    return Header_GetItem(m_hWnd, nPos, pHeaderItem);
  }
  BOOL SetItem(int nPos, HDITEM* pHeaderItem) { return Header_SetItem(m_hWnd, nPos, pHeaderItem); }
  int InsertItem(int nPos, HDITEM* phdi) { return Header_InsertItem(m_hWnd, nPos, phdi); }
  BOOL DeleteItem(int nPos) { return Header_DeleteItem(m_hWnd, nPos); }
  BOOL GetItemRect(int nIndex, LPRECT lpRect) const {
    return Header_GetItemRect(m_hWnd, nIndex, lpRect);
  }
  BOOL Layout(HDLAYOUT* pHeaderLayout) { return Header_Layout(m_hWnd, pHeaderLayout); }
  int HitTest(LPHDHITTESTINFO pHeaderHitTestInfo) {
    return (int)SendMessage(HDM_HITTEST, 0, (LPARAM)pHeaderHitTestInfo);
  }
  int OrderToIndex(int nOrder) const { return Header_OrderToIndex(m_hWnd, nOrder); }
  BOOL GetOrderArray(LPINT piArray, int iCount) const {
    return Header_GetOrderArray(m_hWnd, iCount, piArray);
  }
  BOOL SetOrderArray(int iCount, LPINT piArray) {
    return Header_SetOrderArray(m_hWnd, iCount, piArray);
  }
  CImageList* GetImageList() const { return CImageList::FromHandle(Header_GetImageList(m_hWnd)); }
  /// Returns the previous list, a temporary wrapper.
  CImageList* SetImageList(CImageList* pImageList) {
    return CImageList::FromHandle(Header_SetImageList(m_hWnd, pImageList->GetSafeHandle()));
  }

  /// Draws an owner-drawn (HDF_OWNERDRAW) item; a derived class overrides it.
  virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);

 protected:
  BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
};

class CToolTipCtrl : public CWnd {
  DECLARE_DYNAMIC(CToolTipCtrl)

 public:
  /// A tooltip window (WS_POPUP | dwStyle) owned by pParentWnd.
  virtual BOOL Create(CWnd* pParentWnd, DWORD dwStyle = 0);

  void Activate(BOOL bActivate) { SendMessage(TTM_ACTIVATE, bActivate); }
  /// Tool nIDTool of pWnd covering lpRectTool; nIDTool 0 makes the window
  /// pWnd itself the tool (TTF_IDISHWND, whole window). The control watches
  /// the tool's mouse messages itself (TTF_SUBCLASS). LPSTR_TEXTCALLBACK asks
  /// the window for the text through TTN_GETDISPINFO.
  BOOL AddTool(CWnd* pWnd, LPCTSTR lpszText = LPSTR_TEXTCALLBACK, LPCRECT lpRectTool = NULL,
               UINT_PTR nIDTool = 0);
  /// The same with the text from string resource nIDText.
  BOOL AddTool(CWnd* pWnd, UINT nIDText, LPCRECT lpRectTool = NULL, UINT_PTR nIDTool = 0);
  void DelTool(CWnd* pWnd, UINT_PTR nIDTool = 0);
  void UpdateTipText(LPCTSTR lpszText, CWnd* pWnd, UINT_PTR nIDTool = 0);
  void UpdateTipText(UINT nIDText, CWnd* pWnd, UINT_PTR nIDTool = 0);
  void SetToolRect(CWnd* pWnd, UINT_PTR nIDTool, LPCRECT lpRect);
  /// The text of a tool; empty when there is no such tool.
  void GetText(CString& str, CWnd* pWnd, UINT_PTR nIDTool = 0) const;
  int GetToolCount() const { return (int)::SendMessage(m_hWnd, TTM_GETTOOLCOUNT, 0, 0); }
  /// Passes a mouse message of a tool window (for tools without TTF_SUBCLASS).
  void RelayEvent(LPMSG lpMsg) { SendMessage(TTM_RELAYEVENT, 0, (LPARAM)lpMsg); }
  /// Returns the previous width; -1 lets tips grow as wide as their text.
  int SetMaxTipWidth(int iWidth) { return (int)SendMessage(TTM_SETMAXTIPWIDTH, 0, iWidth); }
  int GetMaxTipWidth() const { return (int)::SendMessage(m_hWnd, TTM_GETMAXTIPWIDTH, 0, 0); }
  /// The initial delay in milliseconds (the others follow from it).
  void SetDelayTime(UINT nDelay) { SendMessage(TTM_SETDELAYTIME, TTDT_AUTOMATIC, nDelay); }
  /// dwDuration: TTDT_AUTOPOP, TTDT_INITIAL or TTDT_RESHOW; iTime -1 restores the default.
  void SetDelayTime(DWORD dwDuration, int iTime) {
    SendMessage(TTM_SETDELAYTIME, dwDuration, MAKELONG(iTime, 0));
  }
  int GetDelayTime(DWORD dwDuration) const {
    return (int)::SendMessage(m_hWnd, TTM_GETDELAYTIME, dwDuration, 0);
  }
  void SetTipBkColor(COLORREF clr) { SendMessage(TTM_SETTIPBKCOLOR, clr); }
  void SetTipTextColor(COLORREF clr) { SendMessage(TTM_SETTIPTEXTCOLOR, clr); }
  void SetMargin(LPRECT lprc) { SendMessage(TTM_SETMARGIN, 0, (LPARAM)lprc); }
  /// uIcon: TTI_NONE, TTI_INFO, TTI_WARNING, TTI_ERROR.
  BOOL SetTitle(UINT uIcon, LPCTSTR lpstrTitle) {
    return (BOOL)SendMessage(TTM_SETTITLE, uIcon, (LPARAM)lpstrTitle);
  }
  /// Hides the tip that is showing.
  void Pop() { SendMessage(TTM_POP); }
  /// Redraws the current tip.
  void Update() { SendMessage(TTM_UPDATE); }
  void TrackActivate(BOOL bActivate, LPTOOLINFO lpToolInfo) {
    SendMessage(TTM_TRACKACTIVATE, bActivate, (LPARAM)lpToolInfo);
  }
  void TrackPosition(int xPos, int yPos) {
    SendMessage(TTM_TRACKPOSITION, 0, MAKELPARAM(xPos, yPos));
  }

 private:
  /// The identity part of a TOOLINFO for tool nIDTool of pWnd (see AddTool).
  static void FillInToolInfo(TOOLINFO& ti, CWnd* pWnd, UINT_PTR nIDTool);
};

class CSpinButtonCtrl : public CWnd {
  DECLARE_DYNAMIC(CSpinButtonCtrl)

 public:
  virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

  void SetRange(short nLower, short nUpper) {
    SendMessage(UDM_SETRANGE, 0, MAKELPARAM(nUpper, nLower));
  }
  void SetRange32(int nLower, int nUpper) { SendMessage(UDM_SETRANGE32, nLower, nUpper); }
  void GetRange(int& lower, int& upper) const;
  void GetRange32(int& lower, int& upper) const {
    ::SendMessage(m_hWnd, UDM_GETRANGE32, (WPARAM)&lower, (LPARAM)&upper);
  }
  /// Returns the previous position.
  int SetPos(int nPos) { return (short)LOWORD(SendMessage(UDM_SETPOS, 0, MAKELPARAM(nPos, 0))); }
  /// The position in the low word; the high word is non-zero on error.
  int GetPos() const { return (int)::SendMessage(m_hWnd, UDM_GETPOS, 0, 0); }
  int SetPos32(int nPos) { return (int)SendMessage(UDM_SETPOS32, 0, nPos); }
  int GetPos32(LPBOOL lpbError = NULL) const {
    return (int)::SendMessage(m_hWnd, UDM_GETPOS32, 0, (LPARAM)lpbError);
  }
  CWnd* SetBuddy(CWnd* pWndBuddy) {
    return FromHandle((HWND)SendMessage(UDM_SETBUDDY, (WPARAM)pWndBuddy->GetSafeHwnd()));
  }
  CWnd* GetBuddy() const { return FromHandle((HWND)::SendMessage(m_hWnd, UDM_GETBUDDY, 0, 0)); }
  int SetBase(int nBase) { return (int)SendMessage(UDM_SETBASE, nBase); }
  UINT GetBase() const { return (UINT)LOWORD(::SendMessage(m_hWnd, UDM_GETBASE, 0, 0)); }
  BOOL SetAccel(int nAccel, UDACCEL* pAccel) {
    return (BOOL)SendMessage(UDM_SETACCEL, nAccel, (LPARAM)pAccel);
  }
  UINT GetAccel(int nAccel, UDACCEL* pAccel) const {
    return (UINT)::SendMessage(m_hWnd, UDM_GETACCEL, nAccel, (LPARAM)pAccel);
  }
};

class CListCtrl : public CWnd {
  DECLARE_DYNAMIC(CListCtrl)

 public:
  virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

  int GetItemCount() const { return ListView_GetItemCount(m_hWnd); }
  BOOL SetItemCount(int nItems) { return (BOOL)SendMessage(LVM_SETITEMCOUNT, nItems); }
  /// Column with the heading text; nWidth -1 and nSubItem -1 leave those unset.
  int InsertColumn(int nCol, LPCTSTR lpszColumnHeading, int nFormat = LVCFMT_LEFT, int nWidth = -1,
                   int nSubItem = -1);
  int InsertColumn(int nCol, const LVCOLUMN* pColumn) {
    return (int)SendMessage(LVM_INSERTCOLUMN, nCol, (LPARAM)pColumn);
  }
  BOOL DeleteColumn(int nCol) { return ListView_DeleteColumn(m_hWnd, nCol); }
  BOOL GetColumn(int nCol, LVCOLUMN* pColumn) const {
    return ListView_GetColumn(m_hWnd, nCol, pColumn);
  }
  BOOL SetColumn(int nCol, const LVCOLUMN* pColumn) {
    return (BOOL)SendMessage(LVM_SETCOLUMN, nCol, (LPARAM)pColumn);
  }
  int GetColumnWidth(int nCol) const { return ListView_GetColumnWidth(m_hWnd, nCol); }
  BOOL SetColumnWidth(int nCol, int cx) { return ListView_SetColumnWidth(m_hWnd, nCol, cx); }
  BOOL GetColumnOrderArray(LPINT piArray, int iCount = -1) const;
  BOOL SetColumnOrderArray(int iCount, LPINT piArray) {
    return ListView_SetColumnOrderArray(m_hWnd, iCount, piArray);
  }
  /// Each InsertItem returns the new item's index, -1 on failure.
  int InsertItem(const LVITEM* pItem) { return (int)SendMessage(LVM_INSERTITEM, 0, (LPARAM)pItem); }
  int InsertItem(int nItem, LPCTSTR lpszItem) {
    return InsertItem(LVIF_TEXT, nItem, lpszItem, 0, 0, 0, 0);
  }
  int InsertItem(int nItem, LPCTSTR lpszItem, int nImage) {
    return InsertItem(LVIF_TEXT | LVIF_IMAGE, nItem, lpszItem, 0, 0, nImage, 0);
  }
  int InsertItem(UINT nMask, int nItem, LPCTSTR lpszItem, UINT nState, UINT nStateMask, int nImage,
                 LPARAM lParam);
  BOOL DeleteItem(int nItem) { return ListView_DeleteItem(m_hWnd, nItem); }
  BOOL DeleteAllItems() { return ListView_DeleteAllItems(m_hWnd); }
  BOOL GetItem(LVITEM* pItem) const { return ListView_GetItem(m_hWnd, pItem); }
  BOOL SetItem(const LVITEM* pItem) { return (BOOL)SendMessage(LVM_SETITEM, 0, (LPARAM)pItem); }
  int GetItemText(int nItem, int nSubItem, LPTSTR lpszText, int nLen) const;
  /// The whole text of a cell, however long.
  CString GetItemText(int nItem, int nSubItem) const;
  BOOL SetItemText(int nItem, int nSubItem, LPCTSTR lpszText);
  DWORD_PTR GetItemData(int nItem) const;
  BOOL SetItemData(int nItem, DWORD_PTR dwData);
  UINT GetItemState(int nItem, UINT nMask) const {
    return ListView_GetItemState(m_hWnd, nItem, nMask);
  }
  /// nItem -1 changes every item.
  BOOL SetItemState(int nItem, UINT nState, UINT nMask);
  int GetNextItem(int nItem, int nFlags) const {
    return ListView_GetNextItem(m_hWnd, nItem, nFlags);
  }
  UINT GetSelectedCount() const { return ListView_GetSelectedCount(m_hWnd); }
  int GetSelectionMark() const { return ListView_GetSelectionMark(m_hWnd); }
  int SetSelectionMark(int iIndex) { return ListView_SetSelectionMark(m_hWnd, iIndex); }
  /// Walk the selected items: pos stays null when none is selected.
  POSITION GetFirstSelectedItemPosition() const {
    return reinterpret_cast<POSITION>(static_cast<INT_PTR>(1 + GetNextItem(-1, LVNI_SELECTED)));
  }
  int GetNextSelectedItem(POSITION& pos) const {
    int nItem = static_cast<int>(reinterpret_cast<INT_PTR>(pos)) - 1;
    pos = reinterpret_cast<POSITION>(static_cast<INT_PTR>(1 + GetNextItem(nItem, LVNI_SELECTED)));
    return nItem;
  }
  BOOL GetItemRect(int nItem, LPRECT lpRect, UINT nCode) const {
    return ListView_GetItemRect(m_hWnd, nItem, lpRect, nCode);
  }
  BOOL GetSubItemRect(int iItem, int iSubItem, int nArea, CRect& ref) const {
    return ListView_GetSubItemRect(m_hWnd, iItem, iSubItem, nArea, &ref);
  }
  int HitTest(LVHITTESTINFO* pHitTestInfo) const { return ListView_HitTest(m_hWnd, pHitTestInfo); }
  int HitTest(CPoint pt, UINT* pFlags = NULL) const;
  int SubItemHitTest(LPLVHITTESTINFO pInfo) { return ListView_SubItemHitTest(m_hWnd, pInfo); }
  BOOL EnsureVisible(int nItem, BOOL bPartialOK) {
    return ListView_EnsureVisible(m_hWnd, nItem, bPartialOK);
  }
  BOOL Scroll(CSize size) { return ListView_Scroll(m_hWnd, size.cx, size.cy); }
  BOOL RedrawItems(int nFirst, int nLast) { return ListView_RedrawItems(m_hWnd, nFirst, nLast); }
  BOOL Update(int nItem) { return ListView_Update(m_hWnd, nItem); }
  int GetTopIndex() const { return ListView_GetTopIndex(m_hWnd); }
  int GetCountPerPage() const { return ListView_GetCountPerPage(m_hWnd); }
  int FindItem(LVFINDINFO* pFindInfo, int nStart = -1) const {
    return ListView_FindItem(m_hWnd, nStart, pFindInfo);
  }
  /// pfnCompare gets the items' data values and dwData.
  BOOL SortItems(PFNLVCOMPARE pfnCompare, DWORD_PTR dwData) {
    return (BOOL)SendMessage(LVM_SORTITEMS, dwData, (LPARAM)pfnCompare);
  }
  COLORREF GetBkColor() const { return ListView_GetBkColor(m_hWnd); }
  BOOL SetBkColor(COLORREF cr) { return ListView_SetBkColor(m_hWnd, cr); }
  COLORREF GetTextColor() const { return ListView_GetTextColor(m_hWnd); }
  BOOL SetTextColor(COLORREF cr) { return ListView_SetTextColor(m_hWnd, cr); }
  BOOL SetTextBkColor(COLORREF cr) { return ListView_SetTextBkColor(m_hWnd, cr); }
  DWORD GetExtendedStyle() const { return ListView_GetExtendedListViewStyle(m_hWnd); }
  /// Returns the previous extended style.
  DWORD SetExtendedStyle(DWORD dwNewStyle) {
    return (DWORD)SendMessage(LVM_SETEXTENDEDLISTVIEWSTYLE, 0, dwNewStyle);
  }
  int SetHotItem(int iIndex) { return ListView_SetHotItem(m_hWnd, iIndex); }
  /// nImageList: LVSIL_NORMAL, LVSIL_SMALL or LVSIL_STATE; returns the previous list.
  CImageList* SetImageList(CImageList* pImageList, int nImageList) {
    return CImageList::FromHandle(
        ListView_SetImageList(m_hWnd, pImageList->GetSafeHandle(), nImageList));
  }
  CImageList* GetImageList(int nImageList) const {
    return CImageList::FromHandle(ListView_GetImageList(m_hWnd, nImageList));
  }
  /// A temporary object of the report view's header.
  CHeaderCtrl* GetHeaderCtrl() const {
    return static_cast<CHeaderCtrl*>(FromHandle(ListView_GetHeader(m_hWnd)));
  }
};

class CTabCtrl : public CWnd {
  DECLARE_DYNAMIC(CTabCtrl)

 public:
  virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

  int GetItemCount() const { return TabCtrl_GetItemCount(m_hWnd); }
  LONG InsertItem(int nItem, TCITEM* pTabCtrlItem) {
    return TabCtrl_InsertItem(m_hWnd, nItem, pTabCtrlItem);
  }
  LONG InsertItem(int nItem, LPCTSTR lpszItem) {
    return InsertItem(TCIF_TEXT, nItem, lpszItem, 0, 0);
  }
  LONG InsertItem(int nItem, LPCTSTR lpszItem, int nImage) {
    return InsertItem(TCIF_TEXT | TCIF_IMAGE, nItem, lpszItem, nImage, 0);
  }
  LONG InsertItem(UINT nMask, int nItem, LPCTSTR lpszItem, int nImage, LPARAM lParam);
  BOOL DeleteItem(int nItem) { return TabCtrl_DeleteItem(m_hWnd, nItem); }
  BOOL DeleteAllItems() { return TabCtrl_DeleteAllItems(m_hWnd); }
  BOOL GetItem(int nItem, TCITEM* pTabCtrlItem) const {
    return TabCtrl_GetItem(m_hWnd, nItem, pTabCtrlItem);
  }
  BOOL SetItem(int nItem, TCITEM* pTabCtrlItem) {
    return TabCtrl_SetItem(m_hWnd, nItem, pTabCtrlItem);
  }
  int GetCurSel() const { return TabCtrl_GetCurSel(m_hWnd); }
  /// Returns the previous selection, -1 for none.
  int SetCurSel(int nItem) { return TabCtrl_SetCurSel(m_hWnd, nItem); }
  int GetCurFocus() const { return TabCtrl_GetCurFocus(m_hWnd); }
  void SetCurFocus(int nItem) { TabCtrl_SetCurFocus(m_hWnd, nItem); }
  BOOL GetItemRect(int nItem, LPRECT lpRect) const {
    return TabCtrl_GetItemRect(m_hWnd, nItem, lpRect);
  }
  /// bLarger: display area to window rectangle; else the reverse.
  void AdjustRect(BOOL bLarger, LPRECT lpRect) { TabCtrl_AdjustRect(m_hWnd, bLarger, lpRect); }
  int HitTest(TCHITTESTINFO* pHitTestInfo) const { return TabCtrl_HitTest(m_hWnd, pHitTestInfo); }
  int GetRowCount() const { return TabCtrl_GetRowCount(m_hWnd); }
  CSize SetItemSize(CSize size) {
    return CSize((DWORD)TabCtrl_SetItemSize(m_hWnd, size.cx, size.cy));
  }
  void SetPadding(CSize size) { TabCtrl_SetPadding(m_hWnd, size.cx, size.cy); }
  int SetMinTabWidth(int cx) { return TabCtrl_SetMinTabWidth(m_hWnd, cx); }
  CImageList* SetImageList(CImageList* pImageList) {
    return CImageList::FromHandle(TabCtrl_SetImageList(m_hWnd, pImageList->GetSafeHandle()));
  }
  CImageList* GetImageList() const { return CImageList::FromHandle(TabCtrl_GetImageList(m_hWnd)); }
};

class CProgressCtrl : public CWnd {
  DECLARE_DYNAMIC(CProgressCtrl)

 public:
  virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

  void SetRange(short nLower, short nUpper) {
    SendMessage(PBM_SETRANGE, 0, MAKELPARAM(nLower, nUpper));
  }
  void SetRange32(int nLower, int nUpper) { SendMessage(PBM_SETRANGE32, nLower, nUpper); }
  void GetRange(int& nLower, int& nUpper) const;
  /// Each returns the previous position.
  int SetPos(int nPos) { return (int)SendMessage(PBM_SETPOS, nPos); }
  int GetPos() const { return (int)::SendMessage(m_hWnd, PBM_GETPOS, 0, 0); }
  int OffsetPos(int nPos) { return (int)SendMessage(PBM_DELTAPOS, nPos); }
  int SetStep(int nStep) { return (int)SendMessage(PBM_SETSTEP, nStep); }
  int StepIt() { return (int)SendMessage(PBM_STEPIT); }
  COLORREF SetBarColor(COLORREF clrBar) {
    return (COLORREF)SendMessage(PBM_SETBARCOLOR, 0, clrBar);
  }
  COLORREF SetBkColor(COLORREF clrNew) { return (COLORREF)SendMessage(PBM_SETBKCOLOR, 0, clrNew); }
};

class CSliderCtrl : public CWnd {
  DECLARE_DYNAMIC(CSliderCtrl)

 public:
  virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

  int GetRangeMin() const { return (int)::SendMessage(m_hWnd, TBM_GETRANGEMIN, 0, 0); }
  int GetRangeMax() const { return (int)::SendMessage(m_hWnd, TBM_GETRANGEMAX, 0, 0); }
  void GetRange(int& nMin, int& nMax) const {
    nMin = GetRangeMin();
    nMax = GetRangeMax();
  }
  void SetRangeMin(int nMin, BOOL bRedraw = FALSE) { SendMessage(TBM_SETRANGEMIN, bRedraw, nMin); }
  void SetRangeMax(int nMax, BOOL bRedraw = FALSE) { SendMessage(TBM_SETRANGEMAX, bRedraw, nMax); }
  void SetRange(int nMin, int nMax, BOOL bRedraw = FALSE) {
    SetRangeMin(nMin, FALSE);
    SetRangeMax(nMax, bRedraw);
  }
  int GetPos() const { return (int)::SendMessage(m_hWnd, TBM_GETPOS, 0, 0); }
  void SetPos(int nPos) { SendMessage(TBM_SETPOS, TRUE, nPos); }
  int GetLineSize() const { return (int)::SendMessage(m_hWnd, TBM_GETLINESIZE, 0, 0); }
  int SetLineSize(int nSize) { return (int)SendMessage(TBM_SETLINESIZE, 0, nSize); }
  int GetPageSize() const { return (int)::SendMessage(m_hWnd, TBM_GETPAGESIZE, 0, 0); }
  int SetPageSize(int nSize) { return (int)SendMessage(TBM_SETPAGESIZE, 0, nSize); }
  void SetTicFreq(int nFreq) { SendMessage(TBM_SETTICFREQ, nFreq); }
  BOOL SetTic(int nTic) { return (BOOL)SendMessage(TBM_SETTIC, 0, nTic); }
  void ClearTics(BOOL bRedraw = FALSE) { SendMessage(TBM_CLEARTICS, bRedraw); }
  void GetChannelRect(LPRECT lprc) const {
    ::SendMessage(m_hWnd, TBM_GETCHANNELRECT, 0, (LPARAM)lprc);
  }
  void GetThumbRect(LPRECT lprc) const { ::SendMessage(m_hWnd, TBM_GETTHUMBRECT, 0, (LPARAM)lprc); }
};

/// A rebar common control: bands that each hold a child window. The band
/// index runs from 0 in display order; band ids are the caller's.
class CReBarCtrl : public CWnd {
  DECLARE_DYNAMIC(CReBarCtrl)

 public:
  virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

  UINT GetBandCount() const { return (UINT)::SendMessage(m_hWnd, RB_GETBANDCOUNT, 0, 0); }
  /// prbbi's cbSize and fMask say what to read.
  BOOL GetBandInfo(UINT uBand, REBARBANDINFO* prbbi) const {
    return (BOOL)::SendMessage(m_hWnd, RB_GETBANDINFO, uBand, (LPARAM)prbbi);
  }
  BOOL SetBandInfo(UINT uBand, REBARBANDINFO* prbbi) {
    return (BOOL)SendMessage(RB_SETBANDINFO, uBand, (LPARAM)prbbi);
  }
  /// uIndex -1 appends.
  BOOL InsertBand(UINT uIndex, REBARBANDINFO* prbbi) {
    return (BOOL)SendMessage(RB_INSERTBAND, uIndex, (LPARAM)prbbi);
  }
  BOOL DeleteBand(UINT uBand) { return (BOOL)SendMessage(RB_DELETEBAND, uBand); }
  /// The index of the band with that id, or -1.
  int IDToIndex(UINT uBandID) const { return (int)::SendMessage(m_hWnd, RB_IDTOINDEX, uBandID, 0); }
  BOOL GetBarInfo(REBARINFO* prbi) const {
    return (BOOL)::SendMessage(m_hWnd, RB_GETBARINFO, 0, (LPARAM)prbi);
  }
  BOOL SetBarInfo(REBARINFO* prbi) { return (BOOL)SendMessage(RB_SETBARINFO, 0, (LPARAM)prbi); }
  UINT GetBarHeight() const { return (UINT)::SendMessage(m_hWnd, RB_GETBARHEIGHT, 0, 0); }
  UINT GetRowCount() const { return (UINT)::SendMessage(m_hWnd, RB_GETROWCOUNT, 0, 0); }
  UINT GetRowHeight(UINT uRow) const {
    return (UINT)::SendMessage(m_hWnd, RB_GETROWHEIGHT, uRow, 0);
  }
  /// The band's rectangle in the rebar's client coordinates.
  BOOL GetRect(UINT uBand, LPRECT prc) const {
    return (BOOL)::SendMessage(m_hWnd, RB_GETRECT, uBand, (LPARAM)prc);
  }
  void GetBandBorders(UINT uBand, LPRECT prc) const {
    ::SendMessage(m_hWnd, RB_GETBANDBORDERS, uBand, (LPARAM)prc);
  }
  BOOL ShowBand(UINT uBand, BOOL fShow = TRUE) {
    return (BOOL)SendMessage(RB_SHOWBAND, uBand, fShow);
  }
  BOOL MoveBand(UINT uFrom, UINT uTo) { return (BOOL)SendMessage(RB_MOVEBAND, uFrom, uTo); }
  void MinimizeBand(UINT uBand) { SendMessage(RB_MINIMIZEBAND, uBand); }
  void MaximizeBand(UINT uBand, BOOL bIdeal = FALSE) {
    SendMessage(RB_MAXIMIZEBAND, uBand, bIdeal);
  }
  /// Fits the bands to the rectangle; TRUE when the layout changed.
  BOOL SizeToRect(CRect& rect) { return (BOOL)SendMessage(RB_SIZETORECT, 0, (LPARAM)&rect); }
  int HitTest(RBHITTESTINFO* prbht) { return (int)SendMessage(RB_HITTEST, 0, (LPARAM)prbht); }
  COLORREF GetBkColor() const { return (COLORREF)::SendMessage(m_hWnd, RB_GETBKCOLOR, 0, 0); }
  COLORREF SetBkColor(COLORREF clr) { return (COLORREF)SendMessage(RB_SETBKCOLOR, 0, clr); }
  COLORREF GetTextColor() const { return (COLORREF)::SendMessage(m_hWnd, RB_GETTEXTCOLOR, 0, 0); }
  COLORREF SetTextColor(COLORREF clr) { return (COLORREF)SendMessage(RB_SETTEXTCOLOR, 0, clr); }
  /// A temporary object of the rebar's tool tip, or null.
  CToolTipCtrl* GetToolTips() const {
    return static_cast<CToolTipCtrl*>(
        FromHandle(reinterpret_cast<HWND>(::SendMessage(m_hWnd, RB_GETTOOLTIPS, 0, 0))));
  }
  void SetToolTips(CToolTipCtrl* pToolTip) {
    SendMessage(RB_SETTOOLTIPS, reinterpret_cast<WPARAM>(pToolTip->GetSafeHwnd()));
  }
};
