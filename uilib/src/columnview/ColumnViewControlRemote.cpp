// CColumnViewControl: row selection driven by another program through window
// messages. A text request uses the text of the last WM_COPYDATA.
#include "uilib/ColumnViewControl.h"

#include <string>

#include "foundation/WindowUtilities.h"

namespace {
// Where the pointer goes on a right-clicked row, so a context menu opened at
// the mouse opens on the row.
const int kRightClickPointerX = 50;

bool IsAddingKeyDown() { return IsControlKeyDown() || IsShiftKeyDown(); }
}  // namespace

void CColumnViewControl::TakeFocus() { SetFocus(); }

// The sender's block is cbData bytes long and need not be terminated, so no
// more than that is read.
bool CColumnViewControl::SetRemoteText(const char* text, size_t maxBytes) {
  if (text == NULL) return false;
  size_t length = 0;
  while (length < maxBytes && text[length] != '\0') ++length;
  m_remoteText = std::string(text, length).c_str();
  return true;
}

BOOL CColumnViewControl::OnCopyData(CWnd*, COPYDATASTRUCT* data) {
  if (data == NULL || data->cbData == 0 || data->lpData == NULL) return 0;
  SetRemoteText(static_cast<const char*>(data->lpData), data->cbData);
  return 1;
}

CColumnViewControlEntry* CColumnViewControl::FindEntryByText(CTesselString text) {
  for (int i = 0; i < m_displayList.GetCount(); ++i) {
    CTesselString cell = GetEntryAt(i)->GetColumnText(0);
    if (cell.CompareNoCase(text) == 0) return GetEntryAt(i);
  }
  return NULL;
}

bool CColumnViewControl::SelectAndRightClick(CColumnViewControlEntry* entry) {
  if (entry == NULL) return false;
  m_nCaret = entry->GetDisplayIndex();
  if (!entry->m_bSelected) ++m_nSelectedCount;
  entry->m_bSelected = true;
  RedrawDisplay();
  const RECT& row = entry->GetRowRect();
  CPoint pointer(row.left + kRightClickPointerX, row.top + (row.bottom - row.top) / 2);
  ClientToScreen(&pointer);
  ::SetCursorPos(pointer.x, pointer.y);
  OnSelectionChanged();
  OnEntryRightClicked();
  return true;
}

LRESULT CColumnViewControl::OnSelectRowByIndex(WPARAM, LPARAM lParam) {
  bool adding = IsAddingKeyDown();
  TakeFocus();
  if (!adding) DeselectAll();
  int index = static_cast<int>(lParam);
  EnsureVisible(index);
  LRESULT result = SelectAt(index) ? 1 : 0;
  FinishChange();
  OnEntrySelected();
  return result;
}

LRESULT CColumnViewControl::OnAddRowByIndex(WPARAM, LPARAM lParam) {
  TakeFocus();
  int index = static_cast<int>(lParam);
  EnsureVisible(index);
  LRESULT result = SelectAt(index) ? 1 : 0;
  FinishChange();
  OnEntrySelected();
  return result;
}

LRESULT CColumnViewControl::OnAddRowByText(WPARAM, LPARAM) {
  CColumnViewControlEntry* entry = FindEntryByText(m_remoteText);
  if (m_remoteText.GetLength() < 1 || entry == NULL) return 0;
  TakeFocus();
  EnsureVisible(entry->GetDisplayIndex());
  LRESULT result = SelectById(entry->GetId()) ? 1 : 0;
  FinishChange();
  OnEntrySelected();
  return result;
}

LRESULT CColumnViewControl::OnSelectRowByText(WPARAM wParam, LPARAM lParam) {
  CColumnViewControlEntry* entry = FindEntryByText(m_remoteText);
  if (m_remoteText.GetLength() < 1 || entry == NULL) return 0;
  if (!IsAddingKeyDown()) DeselectAll();
  return OnAddRowByText(wParam, lParam);
}

LRESULT CColumnViewControl::OnDoubleClickRowByIndex(WPARAM, LPARAM lParam) {
  TakeFocus();
  DeselectAll();
  int index = static_cast<int>(lParam);
  EnsureVisible(index);
  LRESULT result = SelectAt(index) ? 1 : 0;
  FinishChange();
  OnEntryDoubleClicked();
  return result;
}

LRESULT CColumnViewControl::OnDoubleClickRowByText(WPARAM, LPARAM) {
  CColumnViewControlEntry* entry = FindEntryByText(m_remoteText);
  if (m_remoteText.GetLength() < 1 || entry == NULL) return 0;
  TakeFocus();
  DeselectAll();
  m_nCaret = entry->GetDisplayIndex();
  LRESULT result = SelectById(entry->GetId()) ? 1 : 0;
  EnsureVisible(entry->GetDisplayIndex());
  FinishChange();
  OnEntryDoubleClicked();
  return result;
}

LRESULT CColumnViewControl::OnRightClickRowByIndex(WPARAM, LPARAM lParam) {
  TakeFocus();
  int index = static_cast<int>(lParam);
  EnsureVisible(index);
  CColumnViewControlEntry* entry = GetEntryAt(index);
  if (entry == NULL) return 0;
  if (!entry->m_bSelected) DeselectAll();
  LRESULT result = SelectAndRightClick(entry) ? 1 : 0;
  FinishChange();
  return result;
}

LRESULT CColumnViewControl::OnRightClickRowByText(WPARAM, LPARAM) {
  CColumnViewControlEntry* entry = FindEntryByText(m_remoteText);
  if (m_remoteText.GetLength() < 1 || entry == NULL) return 0;
  TakeFocus();
  if (!entry->m_bSelected) DeselectAll();
  EnsureVisible(entry->GetDisplayIndex());
  LRESULT result = SelectAndRightClick(entry) ? 1 : 0;
  FinishChange();
  return result;
}
