// CColumnViewControl: the selection operations, hit testing and the text search.
#include "uilib/ColumnViewControl.h"

bool CColumnViewControl::DeselectAll() {
  CReentrantLockGuard guard(m_lock);
  if (m_entries.GetCount() < 1) return false;
  for (void* entry = m_entries.GetFirst(); entry != NULL; entry = m_entries.GetNext())
    static_cast<CColumnViewControlEntry*>(entry)->m_bSelected = false;
  m_entries.EndIteration();
  m_nSelectedCount = 0;
  return true;
}

bool CColumnViewControl::SelectAll() {
  CReentrantLockGuard guard(m_lock);
  if (!m_bMultiSelect || m_entries.GetCount() < 1) return false;
  for (void* entry = m_entries.GetFirst(); entry != NULL; entry = m_entries.GetNext())
    static_cast<CColumnViewControlEntry*>(entry)->m_bSelected = true;
  m_entries.EndIteration();
  m_nSelectedCount = m_entries.GetCount();
  OnSelectionChanged();
  return true;
}

bool CColumnViewControl::SelectById(int id) {
  CReentrantLockGuard guard(m_lock);
  if (!m_bMultiSelect) DeselectAll();
  CColumnViewControlEntry* entry = GetEntryById(id);
  if (m_displayList.GetCount() < 1 || entry == NULL) return false;
  if (!entry->m_bSelected) ++m_nSelectedCount;
  entry->m_bSelected = true;
  OnSelectionChanged();
  return true;
}

bool CColumnViewControl::ToggleSelection(CColumnViewControlEntry* entry) {
  if (entry == NULL) return false;
  CReentrantLockGuard guard(m_lock);
  entry->m_bSelected = !entry->m_bSelected;
  m_nSelectedCount += entry->m_bSelected ? 1 : -1;
  return true;
}

bool CColumnViewControl::ToggleSelectionAt(int index) {
  CReentrantLockGuard guard(m_lock);
  if (!m_bMultiSelect) DeselectAll();
  CColumnViewControlEntry* entry = GetEntryAt(index);
  if (entry == NULL) return false;
  ToggleSelection(entry);
  OnSelectionChanged();
  return true;
}

bool CColumnViewControl::SelectAt(int index) {
  CReentrantLockGuard guard(m_lock);
  if (!m_bMultiSelect) DeselectAll();
  CColumnViewControlEntry* entry = GetEntryAt(index);
  if (entry == NULL) return false;
  if (!entry->m_bSelected) ++m_nSelectedCount;
  entry->m_bSelected = true;
  OnSelectionChanged();
  return true;
}

CColumnViewControlEntry* CColumnViewControl::GetFirstSelectedEntry() {
  CReentrantLockGuard guard(m_lock);
  for (int i = 0; i < m_displayList.GetCount(); ++i)
    if (GetEntryAt(i)->m_bSelected) return GetEntryAt(i);
  return NULL;
}

bool CColumnViewControl::GetSelectedEntries(CTesselList* out) {
  if (out == NULL) return false;
  CReentrantLockGuard guard(m_lock);
  bool any = false;
  for (int i = 0; i < m_displayList.GetCount(); ++i) {
    if (!GetEntryAt(i)->m_bSelected) continue;
    out->AddTail(GetEntryAt(i));
    any = true;
  }
  return any;
}

// Shift-click selects the range between the row and the nearest selected
// row, looking upwards first.
bool CColumnViewControl::ExtendSelection(CColumnViewControlEntry* entry) {
  if (entry == NULL) return false;
  CReentrantLockGuard guard(m_lock);
  if (!entry->m_bSelected) ++m_nSelectedCount;
  entry->m_bSelected = true;
  int index = entry->GetDisplayIndex();
  int anchor = -1;
  for (int i = index - 1; i >= 0 && anchor < 0; --i)
    if (GetEntryAt(i)->m_bSelected) anchor = i;
  for (int i = index + 1; i < m_displayList.GetCount() && anchor < 0; ++i)
    if (GetEntryAt(i)->m_bSelected) anchor = i;
  if (anchor < 0) return false;
  for (int i = anchor < index ? anchor : index; i <= (anchor < index ? index : anchor); ++i) {
    CColumnViewControlEntry* row = GetEntryAt(i);
    if (!row->m_bSelected) ++m_nSelectedCount;
    row->m_bSelected = true;
  }
  return true;
}

CColumnViewControlEntry* CColumnViewControl::HitTest(POINT point) {
  for (int i = m_nFirstVisible; i <= m_nLastVisible; ++i) {
    CColumnViewControlEntry* entry = GetEntryAt(i);
    if (entry == NULL) break;
    const RECT& rect = entry->GetRowRect();
    if (point.x >= rect.left && point.x < rect.right && point.y >= rect.top &&
        point.y <= rect.bottom)
      return entry;
  }
  return NULL;
}

namespace {
bool CellContains(CTesselString& cell, CTesselString& text, bool matchCase) {
  if (cell.GetLength() < 1) return false;
  return (matchCase ? cell.FindString(text, 0) : cell.FindStringNoCase(text, 0)) >= 0;
}
}  // namespace

void CColumnViewControl::TakeRow(int index) {
  EnsureVisible(index);
  DeselectAll();
  SelectAt(index);
  m_nCaret = index;
}

void CColumnViewControl::TakeFoundCell(int row, int column) {
  TakeRow(row);
  m_bFindActive = true;
  m_nFindRow = row;
  m_nFindColumn = column;
  RedrawDisplay();
}

bool CColumnViewControl::FindTextForward(CTesselString text, int* row, int* column,
                                         bool matchCase) {
  m_bFindActive = false;
  m_nFindRow = 0;
  m_nFindColumn = 0;
  if (text.GetLength() < 1 || row == NULL || column == NULL) return false;
  int count = m_displayList.GetCount();
  for (; *row >= 0 && *row < count; ++*row, *column = 0) {
    CColumnViewControlEntry* entry = GetEntryAt(*row);
    for (int c = *column < 0 ? 0 : *column; c < m_columns.GetCount(); ++c) {
      CTesselString cell = entry->GetColumnText(c);
      if (!CellContains(cell, text, matchCase)) continue;
      *column = c;
      TakeFoundCell(*row, c);
      return true;
    }
  }
  *row = count;
  *column = 0;
  return false;
}

bool CColumnViewControl::FindTextBackward(CTesselString text, int* row, int* column,
                                          bool matchCase) {
  m_bFindActive = false;
  m_nFindRow = 0;
  m_nFindColumn = 0;
  if (text.GetLength() < 1 || row == NULL || column == NULL) return false;
  int count = m_displayList.GetCount();
  if (*row >= count) *row = count - 1;
  for (; *row >= 0; --*row, *column = m_columns.GetCount()) {
    CColumnViewControlEntry* entry = GetEntryAt(*row);
    int start = *column < m_columns.GetCount() ? *column : m_columns.GetCount() - 1;
    for (int c = start; c >= 0; --c) {
      CTesselString cell = entry->GetColumnText(c);
      if (!CellContains(cell, text, matchCase)) continue;
      *column = c;
      TakeFoundCell(*row, c);
      return true;
    }
  }
  *row = 0;
  *column = 0;
  return false;
}
