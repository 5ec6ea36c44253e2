// CColumnViewControl: the message map, creation and destruction, the rows
// and the display list.
#include "uilib/ColumnViewControl.h"

// The handlers are virtual, so each entry reaches a derived list's override.
BEGIN_MESSAGE_MAP(CColumnViewControl, CNativeDisplayControl)
  ON_WM_SIZE()
  ON_WM_SETFOCUS()
  ON_WM_KILLFOCUS()
  ON_WM_HSCROLL()
  ON_WM_VSCROLL()
  ON_WM_KEYDOWN()
  ON_WM_CHAR()
  ON_WM_LBUTTONDOWN()
  ON_WM_LBUTTONDBLCLK()
  ON_WM_RBUTTONDOWN()
  ON_WM_MOUSEMOVE()
  ON_WM_MOUSEWHEEL()
  ON_MESSAGE(WM_MOUSELEAVE, OnMouseLeave)
  ON_MESSAGE(WM_COLUMNVIEW_SELECTROW, OnSelectRowByIndex)
  ON_MESSAGE(WM_COLUMNVIEW_ADDROW, OnAddRowByIndex)
  ON_MESSAGE(WM_COLUMNVIEW_ADDROWBYTEXT, OnAddRowByText)
  ON_MESSAGE(WM_COLUMNVIEW_SELECTROWBYTEXT, OnSelectRowByText)
  ON_MESSAGE(WM_COLUMNVIEW_DOUBLECLICKROW, OnDoubleClickRowByIndex)
  ON_MESSAGE(WM_COLUMNVIEW_DOUBLECLICKROWBYTEXT, OnDoubleClickRowByText)
  ON_MESSAGE(WM_COLUMNVIEW_RIGHTCLICKROW, OnRightClickRowByIndex)
  ON_MESSAGE(WM_COLUMNVIEW_RIGHTCLICKROWBYTEXT, OnRightClickRowByText)
  ON_WM_COPYDATA()
END_MESSAGE_MAP()

CColumnViewControl::CColumnViewControl()
    : m_bMultiSelect(false),
      m_bWrap(false),
      m_bTopAndBottomBorder(false),
      m_bHover(true),
      m_nDescending(0),
      m_nSortColumn(0),
      m_nFirstVisible(0),
      m_nLastVisible(0),
      m_nCaret(0),
      m_nHorizontalOffset(0),
      m_nLineHeight(kColumnViewLineHeight),
      m_nSelectedCount(0),
      m_nVerticalScale(1),
      m_nFindRow(0),
      m_nFindColumn(0),
      m_bFindActive(false),
      m_bLayoutGuard(false),
      m_bAutoSizing(false),
      m_gridColor(kColumnViewGridColor),
      m_bBorder(true),
      m_nNextId(0),
      m_bHoverTracking(false) {
  m_sortManager.m_pOwner = this;
  BuildBandColors();
}

CColumnViewControl::~CColumnViewControl() {
  RemoveAllEntries();
  RemoveAllColumns();
  RemoveAllSeparatorLines();
  ClearBandColors();
  // The window goes before the members its messages use.
  if (::IsWindow(m_hWnd)) DestroyWindow();
}

bool CColumnViewControl::CreateControl(CWnd* parent) {
  if (parent == NULL || !CreateDisplay(parent, kColumnViewControlId)) return false;
  m_header.m_pOwner = this;
  m_header.CreateHeader();
  LoadImages();
  AddColumns();
  CreateScrollBars();
  return true;
}

bool CColumnViewControl::AddEntry(CColumnViewControlEntry* entry) {
  if (entry == NULL) return false;
  CReentrantLockGuard guard(m_lock);
  entry->m_pOwner = this;
  entry->m_nId = m_nNextId++;
  if (!m_entries.AddKey(entry->m_nId, entry)) return false;
  m_displayList.AddTail(entry);
  return true;
}

bool CColumnViewControl::RemoveEntry(int id, bool rebuild) {
  CReentrantLockGuard guard(m_lock);
  if (m_entries.GetCount() < 1) return false;
  CColumnViewControlEntry* entry = GetEntryById(id);
  if (entry == NULL) return false;
  m_entries.RemoveKey(id);
  delete entry;
  if (rebuild) RebuildDisplayList();
  return true;
}

bool CColumnViewControl::RemoveAllEntries() {
  CReentrantLockGuard guard(m_lock);
  RemoveAllSeparatorLines();
  ClearDisplayList();
  bool had = m_entries.GetCount() > 0;
  for (void* entry = m_entries.GetFirst(); entry != NULL; entry = m_entries.GetNext())
    delete static_cast<CColumnViewControlEntry*>(entry);
  m_entries.EndIteration();
  m_entries.RemoveAll();
  m_nSortColumn = 0;
  m_nNextId = 0;
  m_nFirstVisible = 0;
  m_nLastVisible = 0;
  m_nHorizontalOffset = 0;
  m_nSelectedCount = 0;
  return had;
}

CColumnViewControlEntry* CColumnViewControl::GetEntryAt(int index) {
  if (index < 0 || index >= m_displayList.GetCount()) return NULL;
  return static_cast<CColumnViewControlEntry*>(m_displayList.GetAt(index));
}

CColumnViewControlEntry* CColumnViewControl::GetEntryById(int id) {
  return static_cast<CColumnViewControlEntry*>(m_entries.FindKey(id));
}

CColumnViewControlEntry* CColumnViewControl::GetFirstEntry() {
  return static_cast<CColumnViewControlEntry*>(m_displayList.IterateFirst());
}

CColumnViewControlEntry* CColumnViewControl::GetNextEntry() {
  return static_cast<CColumnViewControlEntry*>(m_displayList.IterateNext());
}

bool CColumnViewControl::EndEntryIteration() { return m_displayList.IterateEnd(); }

bool CColumnViewControl::RebuildDisplayListUnsorted() {
  CReentrantLockGuard guard(m_lock);
  m_displayList.RemoveAll();
  if (m_entries.GetCount() < 1) return false;
  int index = 0;
  for (void* data = m_entries.GetFirst(); data != NULL; data = m_entries.GetNext()) {
    CColumnViewControlEntry* entry = static_cast<CColumnViewControlEntry*>(data);
    if (!entry->m_bShown) continue;
    entry->m_nDisplayIndex = index++;
    m_displayList.AddTail(entry);
  }
  m_entries.EndIteration();
  return true;
}

bool CColumnViewControl::RebuildDisplayList() {
  CReentrantLockGuard guard(m_lock);
  if (!RebuildDisplayListUnsorted()) return false;
  SortEntries();
  return true;
}

bool CColumnViewControl::ClearDisplayList() {
  CReentrantLockGuard guard(m_lock);
  return m_displayList.RemoveAll();
}
