// CFindAndReplaceDialog: template 3006, "Find and Replace". Replaces a text
// by another in every text field of the selected steps, or of all steps
// when none is selected, and tells how many replacements it made in how
// many steps (also when there were none).
#pragma once

#include "uilib/NonResizableDialog.h"

class CBuildStepDisplay;
class CMainFrame;

class CFindAndReplaceDialog : public CNonResizableDialog {
 public:
  CFindAndReplaceDialog();

  /// Help at the dialog's topic; nothing without a frame.
  virtual void ShowHelpTopic();
  /// OK exactly with a search text.
  virtual void UpdateOkButton();
  BOOL OnInitDialog() override;
  /// Replaces across the steps, reports, closes with IDOK.
  void OnOK() override;

  /// The list changed; its owner (the frame) keeps the settings and shows
  /// the messages. Set by the creator; not owned.
  CBuildStepDisplay* m_pList;
  /// Help; null: none.
  CMainFrame* m_pFrame;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  afx_msg void OnFieldChanged();
  afx_msg void OnHelp() { ShowHelpTopic(); }

  CButton m_okButton;
  CButton m_cancelButton;
  CEdit m_searchEdit;
  CEdit m_replaceEdit;
  CButton m_caseSensitive;
  CButton m_helpButton;

  DECLARE_MESSAGE_MAP()
};
