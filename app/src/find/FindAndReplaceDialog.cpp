// CFindAndReplaceDialog: the replacement across the steps and its report.
#include "app/FindAndReplaceDialog.h"

#include "FindSettings.h"
#include "app/AppDisplayOwner.h"
#include "app/AppResources.h"
#include "app/AppText.h"
#include "app/BuildStepDisplay.h"
#include "app/MainFrame.h"

BEGIN_MESSAGE_MAP(CFindAndReplaceDialog, CNonResizableDialog)
  ON_EN_CHANGE(IDC_REPLACE_SEARCH_FOR, OnFieldChanged)
  ON_EN_CHANGE(IDC_REPLACE_WITH, OnFieldChanged)
  ON_COMMAND(ID_DIALOG_HELP, OnHelp)
END_MESSAGE_MAP()

namespace {

const DWORD kHelpTopic = 1006;

}  // namespace

CFindAndReplaceDialog::CFindAndReplaceDialog()
    : CNonResizableDialog(IDD_FIND_AND_REPLACE, NULL), m_pList(nullptr), m_pFrame(nullptr) {}

void CFindAndReplaceDialog::DoDataExchange(CDataExchange* pDX) {
  CNonResizableDialog::DoDataExchange(pDX);
  DDX_Control(pDX, IDOK, m_okButton);
  DDX_Control(pDX, IDCANCEL, m_cancelButton);
  DDX_Control(pDX, IDC_REPLACE_SEARCH_FOR, m_searchEdit);
  DDX_Control(pDX, IDC_REPLACE_WITH, m_replaceEdit);
  DDX_Control(pDX, IDC_REPLACE_CASE_SENSITIVE, m_caseSensitive);
  DDX_Control(pDX, ID_DIALOG_HELP, m_helpButton);
}

BOOL CFindAndReplaceDialog::OnInitDialog() {
  CNonResizableDialog::OnInitDialog();
  m_caseSensitive.SetCheck(BST_UNCHECKED);
  IAppDisplayOwner* owner = m_pList != nullptr ? m_pList->GetOwner() : nullptr;
  if (owner != nullptr) {
    find_settings::SetEditText(m_searchEdit, find_settings::Read(owner, find_settings::kFindAndReplace,
                                                                 find_settings::kLastSearchText));
    find_settings::SetEditText(m_replaceEdit, find_settings::Read(owner, find_settings::kFindAndReplace,
                                                                  find_settings::kLastReplaceText));
  }
  UpdateOkButton();
  UpdateData(FALSE);
  return FALSE;
}

void CFindAndReplaceDialog::OnFieldChanged() {
  UpdateData(TRUE);
  UpdateOkButton();
}

void CFindAndReplaceDialog::ShowHelpTopic() {
  if (m_pFrame != nullptr) m_pFrame->ShowHelp(kHelpTopic);
}

void CFindAndReplaceDialog::UpdateOkButton() {
  if (!::IsWindow(m_searchEdit.m_hWnd)) return;
  m_okButton.EnableWindow(find_settings::GetEditText(m_searchEdit).IsEmpty() ? FALSE : TRUE);
}

void CFindAndReplaceDialog::OnOK() {
  IAppDisplayOwner* owner = m_pList != nullptr ? m_pList->GetOwner() : nullptr;
  CTesselString search = find_settings::GetEditText(m_searchEdit);
  if (owner == nullptr || search.IsEmpty()) {
    CNonResizableDialog::OnOK();
    return;
  }
  CTesselString replacement = find_settings::GetEditText(m_replaceEdit);
  const bool ignoreCase = m_caseSensitive.GetCheck() != BST_CHECKED;
  find_settings::Write(owner, find_settings::kFindAndReplace, find_settings::kLastSearchText, search);
  find_settings::Write(owner, find_settings::kFindAndReplace, find_settings::kLastReplaceText,
                       replacement);

  m_pList->SendMessage(WM_SETREDRAW, FALSE, 0);
  // Without a selection every step counts, and the list is left unselected.
  const bool all = m_pList->GetSelectedCount() < 1;
  if (all) m_pList->SelectAll();
  CTesselList rows;
  m_pList->GetSelectedEntries(&rows);
  long total = 0, changed = 0;
  for (void* item = rows.IterateFirst(); item != nullptr; item = rows.IterateNext()) {
    CBuildStepDisplayEntry* row = static_cast<CBuildStepDisplayEntry*>(item);
    if (row->m_pStep == nullptr) continue;
    const int count = row->m_pStep->ReplaceText(search, replacement, ignoreCase);
    if (count <= 0) continue;
    m_pList->RefreshEntry(row, false);
    ++changed;
    total += count;
  }
  rows.IterateEnd();
  rows.RemoveAll();
  if (all) m_pList->DeselectAll();
  m_pList->SendMessage(WM_SETREDRAW, TRUE, 0);
  m_pList->RedrawDisplay();
  if (total > 0) m_pList->SetModified(true);

  CTesselString report;
  report.Format(LoadAppText(IDS_REPLACEMENTS_MADE).GetText(), total, changed);
  owner->ShowMessage(report, MB_ICONASTERISK, this);
  CNonResizableDialog::OnOK();
}
