// Dialogs from dialog templates, their modal loop, and the data exchange
// between a dialog's controls and its members.
#pragma once

#include "afxwnd.h"

class CDialog;

/// Ends an operation the user was already told about (a failed data
/// exchange); nothing more is reported.
class CUserException : public CSimpleException {
  DECLARE_DYNAMIC(CUserException)
 public:
  using CSimpleException::CSimpleException;

 protected:
  LPCSTR DefaultMessage() const override { return ""; }
};
[[noreturn]] void AFXAPI AfxThrowUserException();

/// One transfer between a dialog's controls and its members: to the
/// members (m_bSaveAndValidate) or to the controls.
class CDataExchange {
 public:
  CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate);

  BOOL m_bSaveAndValidate;
  CWnd* m_pDlgWnd;
  /// The control Fail puts the focus back on.
  UINT m_idLastControl;
  BOOL m_bEditLastControl;

  /// The control nIDC of the dialog; throws CNotSupportedException when missing.
  HWND PrepareCtrl(int nIDC);
  /// The same, and Fail selects the edit's text.
  HWND PrepareEditCtrl(int nIDC);
  /// Puts the focus on the last prepared control and ends the transfer
  /// (throws CUserException, which UpdateData catches).
  [[noreturn]] void Fail();
};

/// Binds the member to the control nIDC the first time (subclassing it).
void AFXAPI DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);
void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, CString& value);
/// A number that does not parse tells the user and fails the transfer.
void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, int& value);
void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, UINT& value);
/// 0 unchecked, 1 checked, 2 indeterminate.
void AFXAPI DDX_Check(CDataExchange* pDX, int nIDC, int& value);
/// nIDC is the first radio button of a group; value is the index of the
/// checked one, -1 for none.
void AFXAPI DDX_Radio(CDataExchange* pDX, int nIDC, int& value);

/// A dialog box from a dialog template: modal (DoModal, which disables
/// the owner and runs its own loop through the thread's PreTranslateMessage
/// chain) or modeless (Create). IDOK and IDCANCEL end it through OnOK and
/// OnCancel.
class CDialog : public CWnd {
  DECLARE_DYNAMIC(CDialog)

 public:
  CDialog();
  explicit CDialog(LPCTSTR lpszTemplateName, CWnd* pParentWnd = NULL);
  explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = NULL);
  ~CDialog() override;

  /// Modeless creation; the template must have WS_VISIBLE to show at once.
  virtual BOOL Create(LPCTSTR lpszTemplateName, CWnd* pParentWnd = NULL);
  virtual BOOL Create(UINT nIDTemplate, CWnd* pParentWnd = NULL);
  virtual BOOL CreateIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd = NULL);
  /// Makes the next DoModal use this template instead of a resource.
  BOOL InitModalIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd = NULL);

  /// Runs the dialog modally; the EndDialog result, or -1 when the
  /// template is missing or the dialog could not be created.
  virtual INT_PTR DoModal();
  /// Ends a modal loop with nResult (a modeless dialog is only hidden).
  void EndDialog(int nResult);

  /// Moves the focus the way Tab and Shift+Tab do.
  void NextDlgCtrl() const;
  void PrevDlgCtrl() const;
  void GotoDlgCtrl(CWnd* pWndCtrl);
  /// The default push button (DM_SETDEFID / DM_GETDEFID).
  void SetDefID(UINT nID);
  DWORD GetDefID() const;
  void MapDialogRect(LPRECT lpRect) const;
  /// The dialog manager's keyboard handling for the dialog.
  BOOL IsDialogMessage(LPMSG lpMsg);

  /// FALSE with bSaveAndValidate when a transfer failed (Fail).
  BOOL UpdateData(BOOL bSaveAndValidate = TRUE);

  /// WM_INITDIALOG: the controls get their data (UpdateData(FALSE)).
  /// Afterwards a modal dialog that is still hidden and unmoved is centred
  /// on its owner when CheckAutoCenter allows it.
  virtual BOOL OnInitDialog();
  /// FALSE when the dialog's template places the dialog itself (a position,
  /// DS_CENTER, DS_CENTERMOUSE or DS_ABSALIGN).
  virtual BOOL CheckAutoCenter();
  virtual void OnOK();
  virtual void OnCancel();

  BOOL PreTranslateMessage(MSG* pMsg) override;
  /// This dialog's map, then its parent's, then the thread's.
  BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

  UINT m_nIDHelp;
  LPCTSTR m_lpszTemplateName;
  LPCDLGTEMPLATE m_lpDialogTemplate;
  CWnd* m_pParentWnd;

 protected:
  virtual void DoDataExchange(CDataExchange* pDX);
  /// Key and mouse messages to the dialog or its controls go to the dialog manager.
  BOOL PreTranslateInput(LPMSG lpMsg);
  /// Control notifications are dropped while UpdateData sets the controls.
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

  INT_PTR RunModalLoop();
  BOOL ContinueModal() const { return m_bContinueModal; }
  void EndModalLoop(int nResult);

  afx_msg LRESULT HandleInitDialog(WPARAM wParam, LPARAM lParam);

  DECLARE_MESSAGE_MAP()

 private:
  /// Creates the window; the dialog's messages go through AfxWndProc.
  BOOL CreateDlgIndirect(LPCDLGTEMPLATE lpDialogTemplate, HWND hWndParent, HINSTANCE hInst);
  LPCDLGTEMPLATE LoadTemplate(HINSTANCE* phInst) const;

  int m_nModalResult;
  BOOL m_bContinueModal;
  BOOL m_bInModalLoop;
  BOOL m_bLockoutNotify;
  BOOL m_bTemplatePlaces;  // of the template being created
};

/// One page of a tabbed dialog: told when it becomes the current page and
/// asked before it stops being it.
class CPropertyPage : public CDialog {
  DECLARE_DYNAMIC(CPropertyPage)

 public:
  CPropertyPage();
  explicit CPropertyPage(UINT nIDTemplate, UINT nIDCaption = 0);
  explicit CPropertyPage(LPCTSTR lpszTemplateName, UINT nIDCaption = 0);

  /// The page became current; FALSE refuses.
  virtual BOOL OnSetActive();
  /// The page stops being current: stores its controls; FALSE keeps it.
  virtual BOOL OnKillActive();

  CString m_strCaption;
};
