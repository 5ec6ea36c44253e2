// The edit field of command bars: a control that owns a real edit window on
// its bar, with a label, a grey hint in an empty field, spin buttons that
// step a number and a buddy button; and the edit window base that every
// command-bar field uses (a rich edit where the system has one). UI thread
// only; the spin and buddy loops pump messages while they hold the capture.
#pragma once

#include <afxwin.h>
#include <richedit.h>

#include "commandbars/TKCommandBarEditCtrl.h"
#include "commandbars/TKControl.h"
#include "commandbars/TKFieldText.h"

class CTKControlEdit;
class CTKPropExchange;

/// The window of one edit control.
class CTKControlEditCtrl : public CTKCommandBarEditCtrl {
 public:
  explicit CTKControlEditCtrl(CTKControlEdit* pControl) : m_pControl(pControl) {}
  CTKControlEdit* GetControl() const { return m_pControl; }
  void SetControl(CTKControlEdit* pControl) { m_pControl = pControl; }
  /// The control's colours for normal, grey (hint, disabled) text.
  void UpdateCharFormat();

 protected:
  afx_msg void OnSetFocus(CWnd* pOldWnd);
  afx_msg void OnKillFocus(CWnd* pNewWnd);
  afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
  afx_msg void OnDestroy();
  afx_msg void OnChange();
  DECLARE_MESSAGE_MAP()

  CTKControlEdit* m_pControl;
};

/// Notifications of an edit field beyond the edit window's own.
enum {
  TKN_EDIT_SPINUP = 0x1008,    ///< before a step up; the record carries the delta
  TKN_EDIT_SPINDOWN = 0x1009,  ///< before a step down
  TKN_EDIT_BUDDY = 0x100A,     ///< the buddy button was released over itself
};

/// The record of the spin notifications.
struct NMTKSPIN {
  NMTKCONTROL control;
  int nDelta;
};

class CTKControlEdit : public CTKControl {
  DECLARE_DYNCREATE(CTKControlEdit)

 public:
  CTKControlEdit();
  ~CTKControlEdit() override;

  // Text ----------------------------------------------------------------------------

  /// The user's text: empty while the field shows the hint.
  CString GetEditText();
  /// An empty text brings the hint back.
  void SetEditText(const CString& strText);
  /// The window's text, the hint included.
  CString GetRawText();
  void SetRawText(const CString& strText);
  /// Its own hint, else the action's.
  CString GetEditHint() const;
  void SetEditHint(LPCSTR lpszHint);
  /// A hint of the action's own is taken out before it changes and put in
  /// an empty field after.
  void OnActionChanging(int nProperty) override;
  void OnActionChanged(int nProperty) override;

  // Options ---------------------------------------------------------------------------

  BOOL GetReadOnly() const { return m_bReadOnly; }
  void SetReadOnly(BOOL bReadOnly);
  BOOL GetHasLabel() const { return m_bHasLabel; }
  void SetHasLabel(BOOL bHasLabel) { m_bHasLabel = bHasLabel; }
  BOOL IsSpinButtonsVisible() const { return m_bShowSpinButtons; }
  void ShowSpinButtons(BOOL bShow) { m_bShowSpinButtons = bShow; }
  int GetBuddyButtonId() const { return m_nBuddyButtonId; }
  void SetBuddyButtonId(int nId) { m_nBuddyButtonId = nId; }
  int GetEditIconId() const { return m_nEditIconId; }
  void SetEditIconId(int nId) { m_nEditIconId = nId; }
  int GetTextLimit() const { return m_nTextLimit; }
  void SetTextLimit(int nLimit) { m_nTextLimit = nLimit; }
  DWORD GetEditStyle() const { return m_dwEditStyle; }
  void SetEditStyle(DWORD dwStyle) { m_dwEditStyle = dwStyle; }
  int GetLabelWidth() const { return m_nLabelWidth; }
  /// Written by the paint manager's measuring.
  void SetLabelWidth(int nWidth);
  CTKControlEditCtrl* GetEditCtrl() const { return m_pEdit; }

  // Parts ------------------------------------------------------------------------------

  CRect GetSpinButtonsRect() const;
  CRect GetBuddyButtonRect() const;

  // Layout and state -------------------------------------------------------------------

  virtual CTKControlEditCtrl* CreateEditControl();
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
  BOOL IsFocusable() const override;
  BOOL IsCustomizeResizeAllow() const override { return TRUE; }
  int GetCustomizeMinWidth() const override { return m_nLabelWidth + 10; }
  void UpdateEditWindowVisibility();
  /// The colour format: normal or grey text, the paint manager's back colour.
  virtual void GetEditCharFormat(CHARFORMAT2A& cf);

  // Focus, keys and mouse ------------------------------------------------------------------

  virtual void OnSetFocus(CWnd* pOldWnd);
  virtual void OnKillFocus();
  void SetFocused(BOOL bFocused) override;
  BOOL IsFocused() const override { return m_bFocused; }
  BOOL SetSelected(int nSelected) override;
  int OnHookKeyDown(UINT nChar, LPARAM lParam) override;
  void OnClick(BOOL bKeyboard = FALSE, CPoint pt = CPoint(0, 0)) override;
  void OnMouseMove(CPoint pt) override;
  void OnUnderlineActivate() override;
  virtual void OnEditChanged();
  /// One step: offers it to the site, else adds it to the number in the
  /// field, snapped to a multiple of the step in its direction.
  virtual void Spin(int nStep, int nDirection);

  // Copying and persistence ----------------------------------------------------------------

  void Copy(CTKControl* pSource, BOOL bRecursive = FALSE) override;
  BOOL Compare(CTKControl* pOther) override;
  void DoPropExchange(CTKPropExchange* pPX) override;

  /// The spin loop's timer and its delays.
  static constexpr UINT_PTR kTimerSpin = 435;
  static constexpr UINT kSpinFirstDelay = 530;
  static constexpr UINT kSpinRepeat = 100;

 protected:
  void TrackSpinButton(CPoint pt);
  void TrackBuddyButton();
  /// The edit window's rectangle in the bar for the control's rectangle.
  CRect CalcEditWindowRect() const;
  BOOL HasEditWindow() const { return m_pEdit != nullptr && m_pEdit->GetSafeHwnd() != NULL; }
  void RedrawEdit();

  CTKControlEditCtrl* m_pEdit;
  BOOL m_bHasLabel;
  BOOL m_bReadOnly;
  int m_nLabelWidth;
  BOOL m_bLayoutPending;
  CString m_strEditHint;
  BOOL m_bFocused;
  CString m_strTextAtFocus;
  CTKFieldText m_text;
  DWORD m_dwShellAutoCompleteFlags;
  DWORD m_dwEditStyle;
  BOOL m_bShowSpinButtons;
  int m_nEditIconId;
  int m_nTextLimit;
  int m_nBuddyButtonId;

  friend class CTKControlEditCtrl;
};
