// CAddVariableDefDialog and CEditVariableDefDialog: template 3005, a name and
// a value. Names stay unique in the build file, compared without regard to
// case; the edited variable itself is skipped, so an edit may keep its name
// or change only its letter case.
#pragma once

#include "app/AppResources.h"
#include "foundation/TesselString.h"
#include "uilib/NonResizableDialog.h"

class CMainFrame;
class CVariableDefDataDefinition;
class CVariableDefinitionDisplayControl;

class CAddVariableDefDialog : public CNonResizableDialog {
 public:
  explicit CAddVariableDefDialog(CWnd* parent, UINT templateId = IDD_VARIABLE_DEFINITION);

  /// The control's text, narrow, control characters other than tab, CR and
  /// LF made blanks, trailing blanks, tabs, CR and LF removed (leading ones stay).
  static CTesselString GetControlText(CWnd* control);

  /// Help at the dialog's topic; nothing without a frame.
  virtual void ShowHelpTopic();
  /// OK exactly with a name, a value and a unique name.
  virtual void UpdateOkButton();
  /// The name is not empty and no other variable of the build file has it.
  virtual bool IsNameUnique();

  BOOL OnInitDialog() override;
  void OnOK() override;

  /// Set by the caller before the dialog runs; not owned.
  CMainFrame* m_pFrame;
  CVariableDefinitionDisplayControl* m_pList;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  afx_msg void OnFieldChanged();
  afx_msg void OnHelp() { ShowHelpTopic(); }
  /// Both edits' texts as GetControlText reads them.
  CTesselString GetName() { return GetControlText(&m_nameEdit); }
  CTesselString GetValue() { return GetControlText(&m_valueEdit); }
  /// Tells the user that `format` (a string id) failed for the name.
  void ReportFailure(int format);
  /// Whether another variable than `skip` has the name.
  bool IsNameUsed(CTesselString name, CVariableDefDataDefinition* skip);

  CButton m_okButton;
  CButton m_cancelButton;
  CButton m_helpButton;
  CEdit m_nameEdit;
  CEdit m_valueEdit;

  DECLARE_MESSAGE_MAP()
};

class CEditVariableDefDialog : public CAddVariableDefDialog {
 public:
  explicit CEditVariableDefDialog(CWnd* parent);

  void ShowHelpTopic() override;
  bool IsNameUnique() override;
  BOOL OnInitDialog() override;
  void OnOK() override;

  /// The record of the first selected row; not owned.
  CVariableDefDataDefinition* m_pVariable;

 protected:
  DECLARE_MESSAGE_MAP()
};
