// CAddStepDialog: the type buttons, the field rules and adding the step.
#include "app/AddStepDialog.h"


#include "app/AppResources.h"
#include "app/BuildStepDisplay.h"
#include "app/MainFrame.h"
#include "engine/BuildStepDataDefinition.h"
#include "uilib/UIUtilities.h"

namespace {

const DWORD kAddStepTopic = 1004;

/// The type buttons in the order GetSelectedStepType tests them.
const struct {
  UINT button;
  int type;
} kTypeButtons[] = {
    {IDC_TYPE_INSTALLER_BUILD, StepAdvancedInstallerBuild},
    {IDC_TYPE_INSTALLER_EDIT, StepAdvancedInstallerEdit},
    {IDC_TYPE_BUILD_SCRIPT, StepBuildScript},
    {IDC_TYPE_VANTRELL, StepVantrell},
    {IDC_TYPE_LUMETH, StepLumeth},
    {IDC_TYPE_BRISANT, StepBrisant},
    {IDC_TYPE_QUORREL, StepQuorrel},
    {IDC_TYPE_SOLUTION, StepMSDevCompile},
    {IDC_TYPE_COPY_FILES, StepCopyFiles},
    {IDC_TYPE_COPY_TREE, StepCopyTree},
    {IDC_TYPE_CREATE_FOLDER, StepCreateFolder},
    {IDC_TYPE_DELETE_FILES, StepDeleteFiles},
    {IDC_TYPE_DELETE_FOLDER, StepDeleteFolder},
    {IDC_TYPE_DOS_COMMAND, StepDosCommand},
    {IDC_TYPE_EXECUTE_PROGRAM, StepExecuteProgram},
    {IDC_TYPE_MOVE_FILES, StepMoveFiles},
    {IDC_TYPE_RENAME_FILE, StepRenameFile},
    {IDC_TYPE_RENAME_FOLDER, StepRenameFolder},
};

// The fields that depend on the type, as bits of kFieldsOfType.
enum {
  kExecutable = 1,
  kParameters = 2,
  kSource = 4,
  kTarget = 8,
  kFileSpec = 16,
};

/// The fields each step type uses, by type number.
const int kFieldsOfType[StepTypeCount] = {
    kExecutable | kParameters,          // ExecuteProgram
    kParameters,                        // DOSCommand
    kParameters | kSource,              // AdvancedInstallerBuild
    kParameters | kSource,              // AdvancedInstallerEdit
    kParameters | kSource,              // MSDevCompile
    kSource,                            // BuildScript
    kSource | kTarget | kFileSpec,      // CopyFiles
    kSource | kTarget | kFileSpec,      // MoveFiles
    kSource | kFileSpec,                // DeleteFiles
    kSource | kFileSpec,                // RenameFile
    kTarget,                            // CreateFolder
    kSource,                            // DeleteFolder
    kSource | kTarget,                  // RenameFolder
    kSource | kTarget | kFileSpec,      // CopyTree
    kParameters,                        // Vantrell
    kParameters,                        // Lumeth
    kParameters,                        // Brisant
    kParameters,                        // Quorrel
};

}  // namespace

CTesselString GetControlText(CWnd* pWnd) {
  CTesselString text = GetWindowTextString(pWnd != NULL ? pWnd->m_hWnd : NULL);
  text.MakeNarrow(true);
  text.ReplaceAllText("\r\n", " ", false);
  text.ReplaceAllText("\r", " ", false);
  text.ReplaceAllText("\n", " ", false);
  text.TrimRight();
  return text;
}

void SetControlText(CWnd* pWnd, CTesselString text) {
  if (pWnd != NULL) SetWindowTextString(pWnd->m_hWnd, text);
}

BEGIN_MESSAGE_MAP(CAddStepDialog, CVelmoranNonResizableDialog)
  ON_EN_CHANGE(IDC_STEP_NAME, OnFieldChanged)
  ON_EN_CHANGE(IDC_STEP_DESCRIPTION, OnFieldChanged)
  ON_EN_CHANGE(IDC_STEP_EXECUTABLE, OnFieldChanged)
  ON_EN_CHANGE(IDC_STEP_FILE_SPEC, OnFieldChanged)
  ON_EN_CHANGE(IDC_STEP_PARAMETERS, OnFieldChanged)
  ON_EN_CHANGE(IDC_STEP_SOURCE, OnFieldChanged)
  ON_EN_CHANGE(IDC_STEP_TARGET, OnFieldChanged)
  ON_CONTROL_RANGE(BN_CLICKED, IDC_TYPE_INSTALLER_BUILD, IDC_TYPE_BRISANT, OnStepTypeClicked)
  ON_COMMAND(ID_DIALOG_HELP, OnHelp)
END_MESSAGE_MAP()

CAddStepDialog::CAddStepDialog(CWnd* pParent, UINT nIDTemplate)
    : CVelmoranNonResizableDialog(nIDTemplate, pParent), m_pStepDisplay(nullptr), m_nStepType(0) {}

void CAddStepDialog::DoDataExchange(CDataExchange* pDX) {
  CVelmoranNonResizableDialog::DoDataExchange(pDX);
  for (int i = 0; i < 18; ++i)
    DDX_Control(pDX, IDC_TYPE_INSTALLER_BUILD + i, m_typeButtons[i]);
  DDX_Control(pDX, IDC_STEP_NAME, m_name);
  DDX_Control(pDX, IDC_STEP_DESCRIPTION, m_description);
  DDX_Control(pDX, IDC_STEP_EXECUTABLE, m_executablePath);
  DDX_Control(pDX, IDC_STEP_PARAMETERS, m_parameters);
  DDX_Control(pDX, IDC_STEP_SOURCE, m_sourcePath);
  DDX_Control(pDX, IDC_STEP_TARGET, m_targetPath);
  DDX_Control(pDX, IDC_STEP_FILE_SPEC, m_fileSpec);
  DDX_Control(pDX, IDC_STEP_PAUSED, m_paused);
}

BOOL CAddStepDialog::OnInitDialog() {
  CVelmoranNonResizableDialog::OnInitDialog();
  ::CheckDlgButton(m_hWnd, IDC_TYPE_DOS_COMMAND, BST_CHECKED);
  m_paused.SetCheck(BST_UNCHECKED);
  UpdateOkButton();
  UpdateData(FALSE);
  // The fields follow the type from the first click on: a new step may be
  // typed in before its type is chosen.
  return FALSE;
}

int CAddStepDialog::GetSelectedStepType() {
  m_nStepType = StepDosCommand;
  for (const auto& entry : kTypeButtons)
    if (::IsDlgButtonChecked(m_hWnd, entry.button) == BST_CHECKED) {
      m_nStepType = entry.type;
      break;
    }
  return m_nStepType;
}

UINT CAddStepDialog::ButtonOfStepType(int type) {
  for (const auto& entry : kTypeButtons)
    if (entry.type == type) return entry.button;
  return 0;
}

void CAddStepDialog::UpdateFieldStates() {
  if (!::IsWindow(m_name.m_hWnd)) return;
  const struct {
    CEdit* field;
    int bit;
  } fields[] = {{&m_executablePath, kExecutable},
                {&m_parameters, kParameters},
                {&m_sourcePath, kSource},
                {&m_targetPath, kTarget},
                {&m_fileSpec, kFileSpec}};
  const int type = GetSelectedStepType();
  const int used = type >= 0 && type < StepTypeCount ? kFieldsOfType[type] : 0;
  for (const auto& entry : fields) {
    entry.field->EnableWindow(TRUE);
    if (used & entry.bit) continue;
    SetControlText(entry.field, CTesselString());
    entry.field->EnableWindow(FALSE);
  }
}

void CAddStepDialog::UpdateOkButton() {
  CWnd* pOk = GetDlgItem(IDOK);
  if (pOk != NULL) pOk->EnableWindow(!GetControlText(&m_name).IsEmpty());
}

void CAddStepDialog::OnFieldChanged() {
  UpdateData(TRUE);
  UpdateOkButton();
}

void CAddStepDialog::OnStepTypeClicked(UINT) {
  UpdateFieldStates();
  UpdateOkButton();
}

void CAddStepDialog::OnHelp() { ShowHelpTopic(); }

void CAddStepDialog::ShowHelpTopic() {
  if (m_pFrame != nullptr) m_pFrame->ShowHelp(kAddStepTopic);
}

void CAddStepDialog::StoreFields(CBuildStepDataDefinition* step) {
  step->m_stepType = GetSelectedStepType();
  step->SetStepName(GetControlText(&m_name));
  step->SetDescription(GetControlText(&m_description));
  step->SetExecutablePath(GetControlText(&m_executablePath));
  step->SetParameters(GetControlText(&m_parameters));
  step->SetSourcePath(GetControlText(&m_sourcePath));
  step->SetTargetPath(GetControlText(&m_targetPath));
  step->SetFileSpec(GetControlText(&m_fileSpec));
  step->m_paused = m_paused.GetCheck() == BST_CHECKED;
}

void CAddStepDialog::OnOK() {
  CTesselString name = GetControlText(&m_name);
  if (m_pStepDisplay != nullptr && m_pFrame != nullptr && !name.IsEmpty()) {
    CBuildStepDataDefinition* step = new CBuildStepDataDefinition;
    StoreFields(step);
    if (!m_pStepDisplay->AddStep(step, true)) {
      delete step;
      CTesselString format, message;
      format.LoadString(IDS_ADD_STEP_FAILED, AfxGetResourceHandle());
      message.Format(format.GetText(), name.GetText());
      m_pFrame->ShowMessage(this, message, MB_ICONHAND);
      return;
    }
  }
  CVelmoranNonResizableDialog::OnOK();
}
