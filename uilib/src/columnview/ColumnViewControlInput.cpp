// CColumnViewControl: mouse clicks, hovering, keys, type-ahead and focus.
#include "uilib/ColumnViewControl.h"

#include <ctype.h>

#include "foundation/WindowUtilities.h"

namespace {
// Ctrl+G, also on the keypad's 7, goes to the first selected row.
const UINT kGoToSelectionKey = 'G';
const UINT kGoToSelectionKeypadKey = 0x67;
}  // namespace

void CColumnViewControl::FinishChange() {
  UpdateScrollPositions();
  RedrawDisplay();
}

CColumnViewControlEntry* CColumnViewControl::BeginClick(CPoint point) {
  if (!IsInputEnabled()) return NULL;
  SetFocus();
  m_bHover = true;
  return HitTest(point);
}

void CColumnViewControl::OnLButtonDown(UINT, CPoint point) {
  CColumnViewControlEntry* entry = BeginClick(point);
  if (entry == NULL) return;
  m_nCaret = entry->GetDisplayIndex();
  bool control = IsControlKeyDown(), shift = IsShiftKeyDown();
  if (m_bMultiSelect && control) {
    ToggleSelection(entry);
  } else if (m_bMultiSelect && shift) {
    ExtendSelection(entry);
  } else {
    DeselectAll();
    ToggleSelection(entry);
  }
  RedrawDisplay();
  OnSelectionChanged();
  OnEntrySelected();
}

void CColumnViewControl::OnLButtonDblClk(UINT, CPoint point) {
  CColumnViewControlEntry* entry = BeginClick(point);
  if (entry == NULL) return;
  m_nCaret = entry->GetDisplayIndex();
  DeselectAll();
  SelectById(entry->GetId());
  RedrawDisplay();
  OnEntryDoubleClicked();
}

// A right click on a selected row of a multi-selection keeps the selection,
// so a context menu acts on all of it.
void CColumnViewControl::OnRButtonDown(UINT, CPoint point) {
  if (!IsInputEnabled()) return;
  CColumnViewControlEntry* entry = BeginClick(point);
  if (entry != NULL) {
    if (!m_bMultiSelect || !entry->m_bSelected) DeselectAll();
    m_nCaret = entry->GetDisplayIndex();
    if (!entry->m_bSelected) ++m_nSelectedCount;
    entry->m_bSelected = true;
    RedrawDisplay();
    OnSelectionChanged();
  }
  OnEntryRightClicked();
}

bool CColumnViewControl::StartHoverTracking() {
  if (m_bHoverTracking) return false;
  TRACKMOUSEEVENT track = {sizeof(track), TME_LEAVE, m_hWnd, HOVER_DEFAULT};
  m_bHoverTracking = ::TrackMouseEvent(&track) != FALSE;
  return m_bHoverTracking;
}

void CColumnViewControl::OnMouseMove(UINT, CPoint point) {
  if (!IsInputEnabled()) return;
  Default();
  if (!m_bHover) return;
  StartHoverTracking();
  CColumnViewControlEntry* entry = HitTest(point);
  if (entry == NULL) return;
  m_nCaret = entry->GetDisplayIndex();
  OnEntryHovered();
  RedrawDisplay();
}

LRESULT CColumnViewControl::OnMouseLeave(WPARAM, LPARAM) {
  if (IsInputEnabled()) {
    OnHoverEnd();
    m_bHoverTracking = false;
  }
  return 1;
}

void CColumnViewControl::OnSetFocus(CWnd*) { Default(); }

void CColumnViewControl::OnKillFocus(CWnd*) {
  Default();
  RedrawDisplay();
}

// In a multi-select list the navigation keys move only the caret; page up
// alone reselects.
void CColumnViewControl::OnKeyDown(UINT key, UINT, UINT) {
  if (!IsInputEnabled()) return;
  int displayed = m_displayList.GetCount();
  int visible = GetVisibleRowCount();
  bool navigation = key == VK_UP || key == VK_DOWN || key == VK_PRIOR || key == VK_NEXT ||
                    key == VK_END || key == VK_HOME || key == VK_LEFT || key == VK_RIGHT;
  if (navigation) m_bHover = false;
  auto selectCaret = [this]() {
    if (m_bMultiSelect) return;
    DeselectAll();
    SelectAt(m_nCaret);
  };
  auto moved = [this]() {
    OnCaretMoved();
    FinishChange();
  };
  if (navigation && displayed <= 1) {
    Default();
    return;
  }
  switch (key) {
    case VK_RETURN:
      if (CColumnViewControlEntry* first = GetFirstSelectedEntry()) {
        m_nCaret = first->GetDisplayIndex();
        DeselectAll();
        ToggleSelection(first);
        RedrawDisplay();
        OnSelectionChanged();
        OnEnterKey();
      }
      Default();
      return;
    case VK_UP:
      if (m_nCaret <= 0) break;
      --m_nCaret;
      if (m_nCaret < m_nFirstVisible) --m_nFirstVisible;
      selectCaret();
      moved();
      return;
    case VK_DOWN:
      if (m_nCaret >= displayed - 1) break;
      ++m_nCaret;
      if (m_nCaret > m_nLastVisible) {
        ++m_nLastVisible;
        ComputeFirstVisible();
      }
      selectCaret();
      moved();
      return;
    case VK_PRIOR:
      if (m_nFirstVisible <= 0) break;
      m_nLastVisible = m_nFirstVisible;
      ComputeFirstVisible();
      m_nCaret = m_nFirstVisible;
      DeselectAll();
      SelectAt(m_nCaret);
      moved();
      return;
    case VK_NEXT:
      if (m_nFirstVisible >= displayed - visible + 1) break;
      m_nFirstVisible = m_nLastVisible - 1 > 0 ? m_nLastVisible - 1 : 0;
      ComputeLastVisible();
      m_nCaret = m_nLastVisible;
      selectCaret();
      moved();
      return;
    case VK_END:
      m_nLastVisible = displayed - 1;
      ComputeFirstVisible();
      if (m_nFirstVisible < 0) m_nFirstVisible = 0;
      m_nCaret = displayed - 1;
      selectCaret();
      moved();
      return;
    case VK_HOME:
      m_nFirstVisible = m_nCaret = 0;
      selectCaret();
      moved();
      return;
    case VK_LEFT:
    case VK_RIGHT:
      if (!m_bMultiSelect) break;
      ToggleSelectionAt(m_nCaret);
      moved();
      return;
    case VK_DELETE:
      OnDeleteKey();
      FinishChange();
      return;
    case kGoToSelectionKey:
    case kGoToSelectionKeypadKey: {
      if (!IsControlKeyDown()) break;
      CReentrantLockGuard guard(m_lock);
      CColumnViewControlEntry* first = GetFirstSelectedEntry();
      if (first == NULL) break;
      m_nCaret = first->GetDisplayIndex();
      EnsureVisible(m_nCaret);
      SelectAt(m_nCaret);
      moved();
      return;
    }
    default:
      break;
  }
  Default();
}

bool CColumnViewControl::SelectByFirstLetter(UINT character) {
  CReentrantLockGuard guard(m_lock);
  if (character > 0xFF || !isprint(static_cast<int>(character))) return false;
  for (int i = 0; i < m_displayList.GetCount(); ++i) {
    CTesselString cell = GetEntryAt(i)->GetColumnText(0);
    if (cell.GetLength() < 1) continue;
    if (toupper(static_cast<unsigned char>(cell.GetText()[0])) != toupper(static_cast<int>(character)))
      continue;
    DeselectAll();
    m_nCaret = i;
    EnsureVisible(i);
    SelectAt(i);
    OnCaretMoved();
    FinishChange();
    return true;
  }
  return false;
}

void CColumnViewControl::OnChar(UINT character, UINT, UINT) {
  if (IsInputEnabled() && m_displayList.GetCount() > 0 && SelectByFirstLetter(character)) return;
  Default();
}
