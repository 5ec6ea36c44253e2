// What a combo box drops down: a pop-up bar whose own window is a list box,
// or a pop-up that hosts one gallery. Both answer the combo box through one
// list-like interface (selection, find, item text, keys), so that the combo
// box never needs to know which kind it has. UI thread only.
#pragma once

#include "commandbars/TKControlComboBox.h"
#include "commandbars/TKPopupBar.h"

class CTKControlGallery;
class CTKPropExchange;

/// The list-like pop-up of a combo box; the base answers as an empty list.
class CTKControlComboBoxPopupBar : public CTKPopupBar {
  DECLARE_DYNCREATE(CTKControlComboBoxPopupBar)

 public:
  CTKControlComboBoxPopupBar();

  /// The combo box that opened the pop-up, null while closed.
  CTKControlComboBox* GetComboBox() const;

  virtual int GetCurSel() const { return -1; }
  /// The first item after `nStart` (wrapping) that begins with the text.
  virtual int FindString(int /*nStart*/, LPCSTR /*lpszText*/) const { return -1; }
  /// The first item after `nStart` (wrapping) whose whole text it is.
  virtual int FindStringExact(int /*nStart*/, LPCSTR /*lpszText*/) const { return -1; }
  virtual int SetTopIndex(int /*nIndex*/) { return -1; }
  virtual void SetCurSel(int /*nIndex*/) {}
  virtual void GetText(int /*nIndex*/, CString& /*strText*/) const {}
  /// A key the combo box passes on: 1 taken, 0 not.
  virtual int ProcessKey(CTKControlComboBox* pCombo, UINT nChar, LPARAM lParam);
  virtual int GetCount() const { return -1; }

  /// While tracking: 0 the key is not taken (the bars registered before
  /// ask), 1 taken, 2 it passes to the focus window.
  int OnHookKeyDown(UINT nChar, LPARAM lParam) override;
  int OnHookMessage(HWND hWnd, UINT nMessage, WPARAM& wParam, LPARAM& lParam,
                    LRESULT& lResult) override;

 protected:
  /// The keys of the list and the gallery pop-up: Esc is the focused combo's,
  /// Tab the bar's, Enter executes the combo (when `bEnterExecutes`).
  int OnListKeyDown(UINT nChar, LPARAM lParam, BOOL bEnterExecutes);
  /// After a key: a changed selection goes into the combo's field, wholly
  /// selected. Always 1.
  int ReportSelection(CTKControlComboBox* pCombo, int nOldSel);
  static BOOL IsAltDown();
};

/// The list box pop-up: its items (text and 32-bit data) live in its window.
class CTKControlComboBoxList : public CTKControlComboBoxPopupBar {
  DECLARE_DYNCREATE(CTKControlComboBoxList)

 public:
  /// With `bOwnItemHeight` the list sets its item height from its font or icons.
  explicit CTKControlComboBoxList(BOOL bOwnItemHeight = FALSE);

  int GetListIconId() const { return m_nListIconId; }
  void SetListIconId(int nId) { m_nListIconId = nId; }
  /// 0: as wide as the combo box.
  int GetListWidth() const { return m_nListWidth; }
  void SetListWidth(int nWidth) { m_nListWidth = nWidth; }

  /// Items; the window is made when missing.
  int AddString(LPCSTR lpszText);
  void SetItemData(int nIndex, DWORD_PTR dwData);
  DWORD_PTR GetItemData(int nIndex) const;
  void ResetContent();

  int GetCurSel() const override;
  int FindString(int nStart, LPCSTR lpszText) const override;
  int FindStringExact(int nStart, LPCSTR lpszText) const override;
  int SetTopIndex(int nIndex) override;
  void SetCurSel(int nIndex) override;
  void GetText(int nIndex, CString& strText) const override;
  int ProcessKey(CTKControlComboBox* pCombo, UINT nChar, LPARAM lParam) override;
  /// The list box's own count (the base answers -1 for the list as well,
  /// so callers that need the items ask here).
  int GetItemCount() const;

  /// Creates the list-box window once; TRUE when it exists.
  virtual BOOL CreateListBox();
  /// Owner-drawn items go to the opening combo box.
  virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);
  virtual void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct);

  BOOL Create() override { return CreateListBox(); }
  BOOL Popup(CTKControl* pControl, BOOL bSelectFirst = FALSE) override;
  BOOL SetTrackingMode(int bMode, BOOL bSelectFirst = TRUE, BOOL bKeyboard = FALSE) override;
  /// The items live in the window: closing only hides it.
  BOOL DestroyWindow() override;
  int OnHookKeyDown(UINT nChar, LPARAM lParam) override;
  int OnHookMessage(HWND hWnd, UINT nMessage, WPARAM& wParam, LPARAM& lParam,
                    LRESULT& lResult) override;
  void Copy(CTKPopupBar* pSource) override;
  /// "ListIconId" (from schema 24) and the section "Items" ("ItemData%i"
  /// from schema 37).
  virtual void DoPropExchange(CTKPropExchange* pPX);

 protected:
  BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
  void ApplyItemHeight();

  afx_msg void OnPaint();
  afx_msg void OnNcPaint();
  afx_msg BOOL OnEraseBkgnd(CDC* pDC);
  afx_msg void OnMouseMove(UINT nFlags, CPoint point);
  afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
  afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
  afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
  afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
  afx_msg void OnRButtonUp(UINT nFlags, CPoint point);
  afx_msg LRESULT OnNcHitTest(CPoint point);
  afx_msg LRESULT OnMouseLeave(WPARAM wParam, LPARAM lParam);
  DECLARE_MESSAGE_MAP()

  int m_nListIconId;
  int m_nListWidth;
  BOOL m_bOwnItemHeight;
};

/// The pop-up of a combo box that shows a gallery (its first control).
class CTKControlComboBoxGalleryPopupBar : public CTKControlComboBoxPopupBar {
  DECLARE_DYNCREATE(CTKControlComboBoxGalleryPopupBar)

 public:
  /// A new gallery pop-up with its command bars, owned by the caller.
  static CTKControlComboBoxGalleryPopupBar* AFX_CDECL CreateComboBoxGalleryPopupBar(
      CTKCommandBars* pCommandBars);
  CTKControlGallery* GetGallery() const;

  int GetCurSel() const override;
  int FindString(int nStart, LPCSTR lpszText) const override;
  int FindStringExact(int nStart, LPCSTR lpszText) const override;
  int SetTopIndex(int nIndex) override;
  void SetCurSel(int nIndex) override;
  void GetText(int nIndex, CString& strText) const override;
  int GetCount() const override;
  BOOL SetTrackingMode(int bMode, BOOL bSelectFirst = TRUE, BOOL bKeyboard = FALSE) override;
  int OnHookKeyDown(UINT nChar, LPARAM lParam) override;

 protected:
  afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
  DECLARE_MESSAGE_MAP()
};
