// CEditStepDialog: the step dialog on an existing row, for Edit Build Step
// and, with the copy flag, for Copy Build Step. UI thread only.
#pragma once

#include "app/AddStepDialog.h"

class CBuildStepDisplayEntry;

/// Opens filled from the row's step with its type checked and the field
/// states applied. OK writes the controls into that step and restarts its
/// clock; the caller refreshes the row afterwards.
class CEditStepDialog : public CAddStepDialog {
 public:
  explicit CEditStepDialog(CWnd* pParent);

  /// The row being edited; not owned, set by the caller.
  CBuildStepDisplayEntry* m_pEntry;
  /// Copy Build Step: the row is the fresh copy of a step.
  bool m_bCopy;

  void ShowHelpTopic() override;

 protected:
  BOOL OnInitDialog() override;
  void OnOK() override;

  DECLARE_MESSAGE_MAP()
};
