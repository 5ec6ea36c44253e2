// CAddStepDialog: the step dialog (template 3004) that adds a new step: a
// type button for each of the eighteen step types, the fields the chosen
// type uses, and the paused box. UI thread only.
#pragma once

#include <afxwin.h>

#include "app/VelmoranNonResizableDialog.h"
#include "foundation/TesselString.h"

class CBuildStepDataDefinition;
class CBuildStepDisplay;

/// A field's text as a step keeps it: narrow, control characters other than
/// tab, CR and LF made blanks, every line break one blank, trailing blanks,
/// tabs and line breaks removed.
CTesselString GetControlText(CWnd* pWnd);
/// Sets the window text from the string's narrow text.
void SetControlText(CWnd* pWnd, CTesselString text);

/// Opens with "DOS Command" checked and every field enabled; from the first
/// click on a type button on, the fields the type does not use are emptied
/// and disabled. OK is enabled only while the name is not empty. On OK the
/// step is appended to the target list; when the list refuses it, a message
/// says so and the dialog stays open.
class CAddStepDialog : public CVelmoranNonResizableDialog {
 public:
  CAddStepDialog(CWnd* pParent, UINT nIDTemplate);

  /// The list the new step goes to; not owned, set by the caller.
  CBuildStepDisplay* m_pStepDisplay;
  /// The type of the checked button, kept by GetSelectedStepType.
  int m_nStepType;

  /// The type of the first checked button in the dialog's test order;
  /// DOS Command when none is checked.
  int GetSelectedStepType();
  /// The button of a step type; 0 outside 0 to 17.
  static UINT ButtonOfStepType(int type);

  virtual void ShowHelpTopic();
  virtual void UpdateFieldStates();
  virtual void UpdateOkButton();

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  void OnOK() override;

  afx_msg void OnFieldChanged();
  afx_msg void OnStepTypeClicked(UINT nId);
  afx_msg void OnHelp();

  /// Type, the seven texts and the paused flag from the controls.
  void StoreFields(CBuildStepDataDefinition* step);

  CButton m_typeButtons[18];  // by button id, 2031 first
  CEdit m_name;
  CEdit m_description;
  CEdit m_executablePath;
  CEdit m_parameters;
  CEdit m_sourcePath;
  CEdit m_targetPath;
  CEdit m_fileSpec;
  CButton m_paused;

  DECLARE_MESSAGE_MAP()
};
