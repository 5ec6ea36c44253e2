// The combo box of command bars: a field with a drop-down button that opens a
// list of items (a list box, or a gallery). Editable, it owns an edit window
// on its bar that completes typed text from the list; list-only, it draws the
// selected item's text itself. It tells its site of the selection, the focus
// and the list opening and closing with the combo-box notification codes of
// Windows. UI thread only.
#pragma once

#include <afxwin.h>
#include <richedit.h>

#include "commandbars/TKCommandBarEditCtrl.h"
#include "commandbars/TKControlClasses.h"
#include "commandbars/TKFieldText.h"

class CTKControlComboBox;
class CTKControlComboBoxAutoCompleteWnd;
class CTKControlComboBoxPopupBar;
class CTKPropExchange;

/// Posted to a field's edit window when the shell shows its suggestions.
#define TK_WM_SHELLDROPDOWN 0x2872

/// The edit window of an editable combo box.
class CTKControlComboBoxEditCtrl : public CTKCommandBarEditCtrl {
 public:
  explicit CTKControlComboBoxEditCtrl(CTKControlComboBox* pCombo) : m_pCombo(pCombo) {}
  CTKControlComboBox* GetComboBox() const { return m_pCombo; }
  void SetComboBox(CTKControlComboBox* pCombo) { m_pCombo = pCombo; }
  /// The combo's colours for normal and grey text.
  void UpdateCharFormat();
  /// Writes the text without reporting the change.
  void SetTextQuietly(const CString& strText);

 protected:
  afx_msg void OnSetFocus(CWnd* pOldWnd);
  afx_msg void OnKillFocus(CWnd* pNewWnd);
  afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
  afx_msg void OnDestroy();
  afx_msg void OnEnable(BOOL bEnable);
  afx_msg void OnChange();
  afx_msg LRESULT OnShellDropDown(WPARAM wParam, LPARAM lParam);
  DECLARE_MESSAGE_MAP()

  CTKControlComboBox* m_pCombo;
};

class CTKControlComboBox : public CTKControlPopup {
  DECLARE_DYNCREATE(CTKControlComboBox)

 public:
  /// With `bListItemHeight` the list sets its item height from its font or icons.
  explicit CTKControlComboBox(BOOL bListItemHeight = TRUE);
  ~CTKControlComboBox() override;

  // List and selection -----------------------------------------------------------

  /// The pop-up bar as a list-like bar (list or gallery pop-up), else null.
  CTKControlComboBoxPopupBar* GetListBox() const;
  /// The list's selection, else the one kept without a list.
  int GetCurSel() const;
  /// Selects, writes the item's text into the field and tells the site.
  void SetCurSel(int nIndex);
  /// The selected item's text; empty without list or selection.
  virtual CString GetListBoxText() const;
  virtual CString GetDropDownText() const { return GetListBoxText(); }
  /// The list's "ListIconId", -1 without a list.
  int GetListIconId() const;
  /// Puts the list's selection on the item that equals the field's text.
  void UpdateListSelection();
  BOOL IsListOpen() const { return m_bPopup; }

  // Text ---------------------------------------------------------------------------

  /// The user's text: empty while the field shows the hint.
  CString GetEditText();
  void SetEditText(const CString& strText);
  /// The field's text, the hint included.
  CString GetRawText();
  void SetRawText(const CString& strText);
  CString GetEditHint() const;
  void SetEditHint(LPCSTR lpszHint);
  void OnActionChanging(int nProperty) override;
  void OnActionChanged(int nProperty) override;

  // Options ------------------------------------------------------------------------

  BOOL GetDropDown() const { return m_bDropDown; }
  /// Editable (with an edit window) or list-only.
  void SetDropDown(BOOL bDropDown);
  int GetComboStyle() const { return m_nComboStyle; }
  void SetComboStyle(int nStyle) { m_nComboStyle = nStyle; }
  BOOL GetAutoComplete() const { return m_bAutoComplete; }
  void SetAutoComplete(BOOL bAutoComplete) { m_bAutoComplete = bAutoComplete; }
  DWORD GetShellAutoCompleteFlags() const { return m_dwShellAutoCompleteFlags; }
  /// The shell's completion (SHACF_* flags, 0 none) on the edit window.
  void SetShellAutoComplete(DWORD dwFlags);
  CTKControlComboBoxAutoCompleteWnd* GetAutoCompleteWnd() const { return m_pAutoComplete; }
  int GetEditIconId() const { return m_nEditIconId; }
  void SetEditIconId(int nId) { m_nEditIconId = nId; }
  int GetDropDownItemCount() const { return m_nDropDownItemCount; }
  void SetDropDownItemCount(int nCount) { m_nDropDownItemCount = nCount; }
  int GetTextLimit() const { return m_nTextLimit; }
  void SetTextLimit(int nLimit) { m_nTextLimit = nLimit; }
  DWORD GetEditStyle() const { return m_dwEditStyle; }
  void SetEditStyle(DWORD dwStyle) { m_dwEditStyle = dwStyle; }
  /// Written by the paint manager's measuring.
  int GetLabelWidth() const { return m_nLabelWidth; }
  void SetLabelWidth(int nWidth);
  int GetDropDownButtonWidth() const { return m_nDropDownButtonWidth; }
  void SetDropDownButtonWidth(int nWidth);
  CTKControlComboBoxEditCtrl* GetEditCtrl() const { return m_pEdit; }

  // Layout, state and drawing ---------------------------------------------------------

  virtual CTKControlComboBoxEditCtrl* CreateEditControl();
  /// Makes room for the edit icon.
  virtual void AdjustEditRect(CRect& rc);
  void SetRect(CRect rcControl) override;
  void SetParent(CTKCommandBar* pParent) override;
  BOOL SetHideFlags(DWORD dwFlags) override;
  void OnCalcDynamicSize(DWORD dwMode) override;
  void OnEnabledChanged() override;
  void OnThemeChanged() override { m_bLayoutPending = TRUE; }
  void OnRemoved() override;
  BOOL IsCaptionVisible() const override;
  BOOL IsFocusable() const override { return TRUE; }
  BOOL IsCustomizeResizeAllow() const override { return TRUE; }
  int GetCustomizeMinWidth() const override;
  void UpdateEditWindowVisibility();
  virtual void GetEditCharFormat(CHARFORMAT2A& cf);
  /// The field of a list-only combo: the selection or the hint, in the
  /// field's colours; the edit icon.
  virtual void DrawEditText(CDC* pDC, CRect rcText);
  /// An owner-drawn list item, handed on by the list.
  virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);
  virtual void MeasureItem(LPMEASUREITEMSTRUCT) {}

  // Focus, keys and mouse --------------------------------------------------------------

  virtual void OnSetFocus(CWnd* pOldWnd);
  virtual void OnKillFocus();
  void SetFocused(BOOL bFocused) override;
  BOOL IsFocused() const override { return m_bFocused; }
  BOOL SetSelected(int nSelected) override;
  int OnHookKeyDown(UINT nChar, LPARAM lParam) override;
  BOOL OnHookMouseWheel(UINT nMessage, WPARAM wParam, LPARAM lParam) override;
  void OnClick(BOOL bKeyboard = FALSE, CPoint pt = CPoint(0, 0)) override;
  void OnMouseMove(CPoint pt) override;
  void OnMouseHover() override {}
  void OnUnderlineActivate() override;
  BOOL OnSetPopup(BOOL bPopup) override;
  void OnExecute() override;
  /// Typed text: completes it from the list, follows it with the list's
  /// selection and tells the site.
  virtual void OnEditChanged();
  /// Writes the selected item's text into the field and tells the site.
  virtual void OnSelChanged();

  // Copying and persistence ----------------------------------------------------------------

  void Copy(CTKControl* pSource, BOOL bRecursive = FALSE) override;
  BOOL Compare(CTKControl* pOther) override;
  /// "DropDown" (1 when missing), "Width", "ComboStyle", "EditHint",
  /// "ShellAutoCompleteFlags", "AutoComplete", "EditIconId",
  /// "DropDownItemCount", "EditStyle", "TextLimit", then the list's items.
  virtual void DoPropExchange(CTKPropExchange* pPX);

 protected:
  BOOL HasEditWindow() const { return m_pEdit != nullptr && m_pEdit->GetSafeHwnd() != NULL; }
  BOOL IsEditFocused() const;
  BOOL IsImeComposing() const { return HasEditWindow() && m_pEdit->IsImeComposing(); }
  CRect CalcEditWindowRect() const;
  /// Closes the open list (through the parent bar).
  void CloseList();
  void RedrawEdit();
  /// Completes the field's text from the first item that begins with it.
  void CompleteTypedText();

  CTKControlComboBoxEditCtrl* m_pEdit;
  BOOL m_bDropDown;
  int m_nComboStyle;
  int m_nSelAtFocus;
  CString m_strTextAtFocus;
  BOOL m_bLayoutPending;
  int m_nLabelWidth;
  int m_nDropDownButtonWidth;
  CString m_strEditHint;
  BOOL m_bAutoComplete;
  BOOL m_bDeleting;
  DWORD m_dwShellAutoCompleteFlags;
  BOOL m_bFocused;
  int m_nEditIconId;
  BOOL m_bSelEnded;
  int m_nDropDownItemCount;
  CTKFieldText m_text;
  int m_nTextLimit;
  CTKControlComboBoxAutoCompleteWnd* m_pAutoComplete;
  DWORD m_dwEditStyle;
  int m_nKeptSel;
  BOOL m_bInSelChange;

  friend class CTKControlComboBoxEditCtrl;
};
