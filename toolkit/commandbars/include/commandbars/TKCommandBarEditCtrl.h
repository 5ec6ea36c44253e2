// The edit window inside command-bar fields: a rich edit where the system has
// one, with the edit commands' states. Sites let a key typed into it through
// untranslated, so they know it by its run-time class.
#pragma once

#include <afxwin.h>
#include <richedit.h>

/// The edit window of every command-bar field; the frame and the command
/// bars tell a focused field by this class.
class CTKCommandBarEditCtrl : public CEdit {
  DECLARE_DYNAMIC(CTKCommandBarEditCtrl)

 public:
  CTKCommandBarEditCtrl();

  /// With TRUE, windows made afterwards are standard edits even where the
  /// system has a rich edit (the fall-back, for tests).
  static void AFX_CDECL UsePlainEdit(BOOL bPlain);

  /// A rich edit of the newest class the system has (plain text, single
  /// undo), else a standard edit; control id 0. FALSE when it fails.
  virtual BOOL CreateEdit(DWORD dwStyle, CWnd* pParentWnd);
  /// Whether the window is a rich edit, and of version 2.0 or later.
  BOOL IsRichEdit() const { return m_bRichEdit; }
  BOOL IsRichEdit20() const { return m_bRichEdit20; }
  /// Empties the window without reporting the change, then writes the text.
  void SetEditText(const CString& strText);
  BOOL IsImeComposing() const { return m_bComposing; }
  /// Makes the format the default of a rich edit (a standard edit has none).
  void ApplyCharFormat(CHARFORMAT2A& cf);
  BOOL IsChangeSuppressed() const { return m_bSuppressChange; }
  /// Set by the owning field at every layout: the field lies on desktop
  /// glass, so the window makes what it painted opaque.
  void SetOnGlass(BOOL bOnGlass) { m_bOnGlass = bOnGlass; }
  BOOL IsOnGlass() const { return m_bOnGlass; }

  /// Cut and Copy need a selection; Cut and Paste a writable, enabled
  /// window; Paste text on the clipboard. Other ids are enabled.
  BOOL IsEditCommandEnabled(UINT nId) const;
  /// Copy, Cut and Paste as the window's own messages; FALSE for others.
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
  BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
  /// Runs clipboard, undo, deletion and navigation keys through the window;
  /// 1 when it took the key, else 2 (pass it on).
  int TranslateEditKey(UINT nChar);

 protected:
  afx_msg LRESULT OnImeStartComposition(WPARAM wParam, LPARAM lParam);
  afx_msg LRESULT OnImeEndComposition(WPARAM wParam, LPARAM lParam);
  afx_msg void OnKillFocus(CWnd* pNewWnd);
  afx_msg void OnPaint();
  DECLARE_MESSAGE_MAP()

  BOOL m_bComposing;
  BOOL m_bSuppressChange;
  BOOL m_bRichEdit;
  BOOL m_bRichEdit20;
  BOOL m_bOnGlass;
};
