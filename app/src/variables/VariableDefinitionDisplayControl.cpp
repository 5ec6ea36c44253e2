// CVariableDefinitionDisplayControl: the rows of the variable list, the
// records behind them, and the list's keys, clicks and context menu.
#include "app/VariableDefinitionDisplay.h"

#include "app/AppResources.h"
#include "app/MainFrame.h"
#include "foundation/WindowUtilities.h"
#include "uilib/UIUtilities.h"

namespace {

const char* const kColumnTitles[] = {"Variable Name", "Value"};

}  // namespace

CVariableDefinitionDisplayControl::CVariableDefinitionDisplayControl()
    : m_pOwnerDisplay(nullptr), m_bModified(false) {
  m_bBorder = true;
  m_bTopAndBottomBorder = true;
  m_bMultiSelect = true;
}

CVariableDefinitionDisplayControl::~CVariableDefinitionDisplayControl() {
  RemoveAllEntries();
  m_bModified = false;
}

bool CVariableDefinitionDisplayControl::HasOwnerFrame() {
  return m_pOwnerDisplay != nullptr && m_pOwnerDisplay->m_pMainFrame != nullptr;
}

CBuildStepFileManager* CVariableDefinitionDisplayControl::GetFileManager() {
  return m_pOwnerDisplay != nullptr ? m_pOwnerDisplay->GetFileManager() : nullptr;
}

bool CVariableDefinitionDisplayControl::AddColumns() {
  bool added = true;
  for (const char* title : kColumnTitles) added = AddColumn(title, 0) && added;
  return added;
}

bool CVariableDefinitionDisplayControl::LoadImages() {
  HIMAGELIST images = NULL;
  CreateImageListFromBitmap(IDB_VARIABLE_ROW_ICON, &images, 16);
  if (images == NULL) return false;
  m_rowImages.DeleteImageList();
  return m_rowImages.Attach(images) != FALSE;
}

void CVariableDefinitionDisplayControl::FillRow(CVariableDefinitionDisplayControlEntry* row) {
  row->m_nImage = 1;
  row->SetColumnText(0, row->m_pVariable->m_name);
  row->SetColumnText(1, row->m_pVariable->m_value);
}

bool CVariableDefinitionDisplayControl::AddEntryForVariable(CVariableDefDataDefinition* variable) {
  if (variable == nullptr || !HasOwnerFrame()) return false;
  CReentrantLockGuard guard(m_lock);
  CVariableDefinitionDisplayControlEntry* row = new CVariableDefinitionDisplayControlEntry(variable);
  if (!AddEntry(row)) {
    delete row;
    return false;
  }
  FillRow(row);
  return true;
}

bool CVariableDefinitionDisplayControl::AddVariable(CVariableDefDataDefinition* variable) {
  CBuildStepFileManager* files = GetFileManager();
  if (files == nullptr || variable == nullptr) return false;
  CTesselList& variables = files->GetVariableList();
  if (!variables.AddTail(variable)) return false;
  if (!AddEntryForVariable(variable)) {
    // The caller keeps the record: the list must not point at it any more.
    variables.Remove(variable);
    return false;
  }
  RebuildDisplayList();
  AutoSizeColumns();
  m_bModified = true;
  RedrawDisplay();
  return true;
}

bool CVariableDefinitionDisplayControl::RefreshEntry(CVariableDefinitionDisplayControlEntry* row) {
  if (row == nullptr || row->m_pVariable == nullptr || !HasOwnerFrame()) return false;
  {
    CReentrantLockGuard guard(m_lock);
    FillRow(row);
  }
  AutoSizeColumns();
  RedrawDisplay();
  m_bModified = true;
  return true;
}

CVariableDefinitionDisplayControlEntry* CVariableDefinitionDisplayControl::FindEntryForVariable(
    CVariableDefDataDefinition* variable) {
  CReentrantLockGuard guard(m_lock);
  for (int i = 0; i < GetDisplayCount(); ++i) {
    CVariableDefinitionDisplayControlEntry* row = GetRow(i);
    if (row != nullptr && row->m_pVariable == variable) return row;
  }
  return nullptr;
}

bool CVariableDefinitionDisplayControl::DeleteVariable(CVariableDefDataDefinition* variable) {
  CBuildStepFileManager* files = GetFileManager();
  if (files == nullptr || variable == nullptr) return false;
  CVariableDefinitionDisplayControlEntry* row = FindEntryForVariable(variable);
  if (row == nullptr || !RemoveEntry(row->GetId(), true)) return false;
  if (!files->GetVariableList().Remove(variable)) return false;
  AutoSizeColumns();
  m_bModified = true;
  delete variable;
  return true;
}

bool CVariableDefinitionDisplayControl::RebuildEntries() {
  CBuildStepFileManager* files = GetFileManager();
  CColumnViewControl::DeselectAll();
  if (files == nullptr) return false;
  bool added = false;
  CTesselList& variables = files->GetVariableList();
  for (void* variable = variables.IterateFirst(); variable != nullptr;
       variable = variables.IterateNext())
    added = AddEntryForVariable(static_cast<CVariableDefDataDefinition*>(variable)) || added;
  variables.IterateEnd();
  RebuildDisplayList();
  return added;
}

void CVariableDefinitionDisplayControl::ClearVariables() {
  RemoveAllEntries();
  m_bModified = false;
  if (::IsWindow(m_hWnd)) RedrawDisplay();
}

bool CVariableDefinitionDisplayControl::AutoSizeColumns() {
  if (GetEntryCount() < 1) return EnsureMinimumColumnWidths();
  return AutoSizeAllColumns();
}

bool CVariableDefinitionDisplayControl::ResetColumnWidths() {
  if (GetEntryCount() < 1) return false;
  {
    CReentrantLockGuard guard(m_lock);
    if (GetColumnCount() > 0) AutoSizeAllColumns();
  }
  RedrawDisplay();
  return true;
}

int CVariableDefinitionDisplayControl::GetSelectedCount() {
  CTesselList selected;
  GetSelectedEntries(&selected);
  const int count = selected.GetCount();
  selected.RemoveAll();
  return count;
}

void CVariableDefinitionDisplayControl::OnKeyDown(UINT key, UINT repeat, UINT flags) {
  if (HasOwnerFrame() && key == 'W' && IsControlKeyDown()) ResetColumnWidths();
  CColumnViewControl::OnKeyDown(key, repeat, flags);
}

void CVariableDefinitionDisplayControl::OnDeleteKey() {
  if (m_pOwnerDisplay != nullptr) m_pOwnerDisplay->OnDeleteRequest();
}

void CVariableDefinitionDisplayControl::OnEntryDoubleClicked() {
  if (m_pOwnerDisplay != nullptr) m_pOwnerDisplay->OnEditRequest();
}

void CVariableDefinitionDisplayControl::OnEntryRightClicked() {
  if (!HasOwnerFrame()) return;
  IAppDisplayOwner* owner = m_pOwnerDisplay->GetOwner();
  if (owner == nullptr) return;
  CMenu menu;
  if (!menu.LoadMenu(IDR_POPUP_MENUS)) return;
  CMenu* popup = menu.GetSubMenu(POPUP_VARIABLE_DEFINITIONS);
  if (popup == nullptr) return;
  const struct {
    UINT command;
    bool enabled;
  } rules[] = {
      {ID_ADD_VARIABLE, m_pOwnerDisplay->CanAddVariable()},
      {ID_EDIT_VARIABLE, m_pOwnerDisplay->CanEditVariable()},
      {ID_DELETE_VARIABLES, m_pOwnerDisplay->CanDeleteVariables()},
  };
  for (const auto& rule : rules)
    if (!rule.enabled) popup->EnableMenuItem(rule.command, MF_BYCOMMAND | MF_DISABLED | MF_GRAYED);
  CPoint cursor;
  ::GetCursorPos(&cursor);
  const UINT command = owner->TrackPopupMenu(popup, TPM_RETURNCMD | TPM_NONOTIFY | TPM_RIGHTBUTTON,
                                             cursor.x, cursor.y, this);
  if (command != 0 && ::IsWindow(m_pOwnerDisplay->m_hWnd))
    m_pOwnerDisplay->PostMessage(WM_COMMAND, command, 0);
}
