// CAddVariableDefDialog and CEditVariableDefDialog: the name rules, OK's
// state, and the record each adds or changes.
#include "app/AddVariableDefDialog.h"

#include <string>

#include "app/AppText.h"
#include "app/MainFrame.h"
#include "uilib/UIUtilities.h"
#include "app/VariableDefinitionDisplay.h"

BEGIN_MESSAGE_MAP(CAddVariableDefDialog, CNonResizableDialog)
  ON_EN_CHANGE(IDC_VARIABLE_NAME, OnFieldChanged)
  ON_EN_CHANGE(IDC_VARIABLE_VALUE, OnFieldChanged)
  ON_COMMAND(ID_DIALOG_HELP, OnHelp)
END_MESSAGE_MAP()

BEGIN_MESSAGE_MAP(CEditVariableDefDialog, CAddVariableDefDialog)
  ON_COMMAND(ID_DIALOG_HELP, OnHelp)
END_MESSAGE_MAP()

namespace {

const DWORD kAddHelpTopic = 1020;
const DWORD kEditHelpTopic = 1005;

void SetControlText(CWnd& control, CTesselString text) { SetWindowTextString(control.m_hWnd, text); }

}  // namespace

CAddVariableDefDialog::CAddVariableDefDialog(CWnd* parent, UINT templateId)
    : CNonResizableDialog(templateId, parent), m_pFrame(nullptr), m_pList(nullptr) {}

void CAddVariableDefDialog::DoDataExchange(CDataExchange* pDX) {
  CNonResizableDialog::DoDataExchange(pDX);
  DDX_Control(pDX, IDOK, m_okButton);
  DDX_Control(pDX, IDCANCEL, m_cancelButton);
  DDX_Control(pDX, ID_DIALOG_HELP, m_helpButton);
  DDX_Control(pDX, IDC_VARIABLE_NAME, m_nameEdit);
  DDX_Control(pDX, IDC_VARIABLE_VALUE, m_valueEdit);
}

CTesselString CAddVariableDefDialog::GetControlText(CWnd* control) {
  CTesselString text = GetWindowTextString(control != nullptr ? control->m_hWnd : NULL);
  text.MakeNarrow(true);
  text.TrimRight();
  return text;
}

BOOL CAddVariableDefDialog::OnInitDialog() {
  CNonResizableDialog::OnInitDialog();
  UpdateOkButton();
  UpdateData(FALSE);
  return FALSE;
}

void CAddVariableDefDialog::OnFieldChanged() {
  UpdateData(TRUE);
  UpdateOkButton();
}

void CAddVariableDefDialog::ShowHelpTopic() {
  if (m_pFrame != nullptr) m_pFrame->ShowHelp(kAddHelpTopic);
}

void CAddVariableDefDialog::UpdateOkButton() {
  if (!::IsWindow(m_okButton.m_hWnd)) return;
  const bool enabled = !GetName().IsEmpty() && !GetValue().IsEmpty() && IsNameUnique();
  m_okButton.EnableWindow(enabled ? TRUE : FALSE);
}

bool CAddVariableDefDialog::IsNameUsed(CTesselString name, CVariableDefDataDefinition* skip) {
  CBuildStepFileManager* files = m_pList->GetFileManager();
  if (files == nullptr) return false;
  CTesselList& variables = files->GetVariableList();
  bool used = false;
  for (void* item = variables.IterateFirst(); item != nullptr && !used;
       item = variables.IterateNext()) {
    CVariableDefDataDefinition* variable = static_cast<CVariableDefDataDefinition*>(item);
    used = variable != skip && name.CompareNoCase(variable->m_name) == 0;
  }
  variables.IterateEnd();
  return used;
}

bool CAddVariableDefDialog::IsNameUnique() {
  if (m_pList == nullptr) return false;
  CTesselString name = GetName();
  return !name.IsEmpty() && !IsNameUsed(name, nullptr);
}

void CAddVariableDefDialog::ReportFailure(int format) {
  if (m_pFrame != nullptr) m_pFrame->ShowMessage(this, FormatAppText(format, GetName()), MB_ICONHAND);
}

void CAddVariableDefDialog::OnOK() {
  CTesselString name = GetName();
  CTesselString value = GetValue();
  if (m_pList != nullptr && m_pFrame != nullptr && !name.IsEmpty() && !value.IsEmpty() &&
      IsNameUnique()) {
    CVariableDefDataDefinition* variable = new CVariableDefDataDefinition;
    variable->SetName(name);
    variable->SetValue(value);
    if (!m_pList->AddVariable(variable)) {
      delete variable;
      ReportFailure(IDS_ADD_VARIABLE_FAILED);
      return;
    }
  }
  CNonResizableDialog::OnOK();
}

CEditVariableDefDialog::CEditVariableDefDialog(CWnd* parent)
    : CAddVariableDefDialog(parent, IDD_VARIABLE_DEFINITION), m_pVariable(nullptr) {}

void CEditVariableDefDialog::ShowHelpTopic() {
  if (m_pFrame != nullptr) m_pFrame->ShowHelp(kEditHelpTopic);
}

bool CEditVariableDefDialog::IsNameUnique() {
  if (m_pList == nullptr) return false;
  CTesselString name = GetName();
  return !name.IsEmpty() && !IsNameUsed(name, m_pVariable);
}

BOOL CEditVariableDefDialog::OnInitDialog() {
  CNonResizableDialog::OnInitDialog();
  SetWindowText(LoadAppText(IDS_EDIT_VARIABLE).GetText());
  if (m_pVariable != nullptr) {
    SetControlText(m_nameEdit, m_pVariable->m_name);
    SetControlText(m_valueEdit, m_pVariable->m_value);
  }
  UpdateOkButton();
  UpdateData(FALSE);
  return FALSE;
}

void CEditVariableDefDialog::OnOK() {
  CTesselString name = GetName();
  CTesselString value = GetValue();
  if (m_pList != nullptr && m_pFrame != nullptr && m_pVariable != nullptr && !name.IsEmpty() &&
      !value.IsEmpty() && IsNameUnique()) {
    CVariableDefinitionDisplayControlEntry* row = m_pList->FindEntryForVariable(m_pVariable);
    if (row != nullptr) {
      m_pVariable->SetName(name);
      m_pVariable->SetValue(value);
      if (!m_pList->RefreshEntry(row)) {
        ReportFailure(IDS_UPDATE_VARIABLE_FAILED);
        return;
      }
    }
  }
  CNonResizableDialog::OnOK();
}
