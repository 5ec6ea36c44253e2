// CEditStepDialog: the step dialog filled from a row, writing into its step.
#include "app/EditStepDialog.h"

#include "app/AppResources.h"
#include "app/BuildStepDisplay.h"
#include "app/MainFrame.h"
#include "engine/BuildStepDataDefinition.h"
#include "foundation/TimeUtilities.h"

namespace {

const DWORD kCopyStepTopic = 1008;
const DWORD kEditStepTopic = 1009;

}  // namespace

BEGIN_MESSAGE_MAP(CEditStepDialog, CAddStepDialog)
  ON_COMMAND(ID_DIALOG_HELP, OnHelp)
END_MESSAGE_MAP()

CEditStepDialog::CEditStepDialog(CWnd* pParent)
    : CAddStepDialog(pParent, IDD_BUILD_STEP), m_pEntry(nullptr), m_bCopy(false) {}

BOOL CEditStepDialog::OnInitDialog() {
  CAddStepDialog::OnInitDialog();
  CTesselString caption;
  caption.LoadString(m_bCopy ? IDS_COPY_BUILD_STEP : IDS_EDIT_BUILD_STEP, AfxGetResourceHandle());
  SetWindowText(caption.GetText());
  if (m_pEntry != nullptr && m_pEntry->m_pStep != nullptr) {
    CBuildStepDataDefinition* step = m_pEntry->m_pStep;
    SetControlText(&m_name, step->m_stepName);
    SetControlText(&m_description, step->m_description);
    SetControlText(&m_executablePath, step->m_executablePath);
    SetControlText(&m_parameters, step->m_parameters);
    SetControlText(&m_sourcePath, step->m_sourcePath);
    SetControlText(&m_targetPath, step->m_targetPath);
    SetControlText(&m_fileSpec, step->m_fileSpec);
    for (CButton& button : m_typeButtons) button.SetCheck(BST_UNCHECKED);
    const UINT button = ButtonOfStepType(step->m_stepType);
    if (button != 0) ::CheckDlgButton(m_hWnd, button, BST_CHECKED);
    m_paused.SetCheck(step->m_paused ? BST_CHECKED : BST_UNCHECKED);
  }
  UpdateFieldStates();
  UpdateOkButton();
  UpdateData(FALSE);
  return FALSE;
}

void CEditStepDialog::OnOK() {
  if (m_pStepDisplay != nullptr && m_pFrame != nullptr && m_pEntry != nullptr &&
      m_pEntry->m_pStep != nullptr && !GetControlText(&m_name).IsEmpty()) {
    CBuildStepDataDefinition* step = m_pEntry->m_pStep;
    StoreFields(step);
    step->SetStartTime(GetCurrentUtcTime());
    step->m_elapsedTime = 0;
  }
  CVelmoranNonResizableDialog::OnOK();
}

void CEditStepDialog::ShowHelpTopic() {
  if (m_pFrame != nullptr) m_pFrame->ShowHelp(m_bCopy ? kCopyStepTopic : kEditStepTopic);
}
