// CColumnViewControl: sorting the displayed rows by one column.
#include "uilib/ColumnViewControl.h"

int CColumnViewControlSortManager::Compare(void* a, void* b) {
  if (a == NULL || b == NULL || m_pOwner == NULL) return 0;
  CColumnTextSortContext* keyA = static_cast<CColumnViewControlEntry*>(a)->GetSortKey();
  CColumnTextSortContext* keyB = static_cast<CColumnViewControlEntry*>(b)->GetSortKey();
  switch (m_nSortKind) {
    case CColumnViewControlColumnEntry::kText:
    case CColumnViewControlColumnEntry::kNumber:
      return keyA->Compare(keyB);
    case CColumnViewControlColumnEntry::kDateTime: {
      FILETIME timeA = {static_cast<DWORD>(keyA->m_nTime), static_cast<DWORD>(keyA->m_nTime >> 32)};
      FILETIME timeB = {static_cast<DWORD>(keyB->m_nTime), static_cast<DWORD>(keyB->m_nTime >> 32)};
      return ::CompareFileTime(&timeA, &timeB);
    }
    default:
      return 0;
  }
}

// Keys are built once per sort, not per comparison, and dropped afterwards.
bool CColumnViewControl::SortEntries() {
  CReentrantLockGuard guard(m_lock);
  bool sorted = false;
  int count = m_displayList.GetCount();
  CSortManagerElementArray array;
  if (count >= 2 && array.Allocate(count)) {
    void** elements = array.GetElements();
    for (int i = 0; i < count; ++i) {
      CColumnViewControlEntry* entry = GetEntryAt(i);
      entry->PrepareSortKeys();
      elements[i] = entry;
    }
    m_sortManager.m_nSortKind = GetColumnKind(m_nSortColumn);
    m_sortManager.m_nDirection = m_nDescending != 0 ? 1 : 0;
    sorted = m_sortManager.HeapSort(&array);
    m_displayList.RemoveAll();
    for (int i = 0; i < count; ++i) {
      CColumnViewControlEntry* entry = static_cast<CColumnViewControlEntry*>(elements[i]);
      entry->m_nDisplayIndex = i;
      entry->ClearSortKeys();
      m_displayList.AddTail(entry);
    }
  }
  UpdateColumnRects();
  ShowSortArrow(m_nSortColumn);
  return sorted;
}

bool CColumnViewControl::SortByColumn(int column) {
  CReentrantLockGuard guard(m_lock);
  if (!::IsWindow(m_header.m_hWnd)) return false;
  CWaitCursor wait;
  m_nSortColumn = column;
  // Any title click flips the direction, so the first sort is descending.
  m_nDescending = m_nDescending != 0 ? 0 : 1;
  bool sorted = SortEntries();
  ShowSortArrow(column);
  RedrawDisplay();
  return sorted;
}

bool CColumnViewControl::SortByColumnDirection(int column, bool ascending) {
  CReentrantLockGuard guard(m_lock);
  if (!::IsWindow(m_header.m_hWnd)) return false;
  m_nSortColumn = column;
  m_nDescending = ascending ? 0 : 1;
  bool sorted = SortEntries();
  ShowSortArrow(column);
  RedrawDisplay();
  return sorted;
}

bool CColumnViewControl::ShowSortArrow(int column) {
  if (!::IsWindow(m_header.m_hWnd)) return false;
  m_header.SetSortImage(column, m_nDescending == 0);
  return true;
}
