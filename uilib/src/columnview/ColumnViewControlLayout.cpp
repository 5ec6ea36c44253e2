// CColumnViewControl: geometry, the scroll bars, the visible range, the
// scroll handlers and the re-layout after a size or column change.
#include "uilib/ColumnViewControl.h"

namespace {
// A scroll bar's range is limited; taller lists scroll in steps of `scale` rows.
const int kMaxScrollRange = 30000;
const int kHorizontalStep = 50;
const int kPageRows = 10;
const int kWheelRows = 10;
// Room kept below the last row when the horizontal bar shows.
const int kRowsMargin = 7;

int Clamp(int value, int low, int high) { return value < low ? low : (value > high ? high : value); }
}  // namespace

bool CColumnViewControl::IsScrollBarShown(CScrollBar& bar) {
  return ::IsWindow(bar.m_hWnd) && (bar.GetStyle() & WS_VISIBLE) != 0 && bar.IsWindowEnabled();
}

RECT* CColumnViewControl::GetRowsRect(RECT* rect, bool withMargin) {
  if (rect == NULL) return rect;
  GetDisplayRect(rect);
  if (::IsWindow(m_header.m_hWnd)) {
    CRect header;
    m_header.GetWindowRect(&header);
    ScreenToClient(&header);
    rect->top = header.bottom;
  }
  if (IsScrollBarShown(m_horzScrollBar)) {
    CRect bar;
    m_horzScrollBar.GetWindowRect(&bar);
    rect->bottom -= bar.Height() + (withMargin ? kRowsMargin : 0);
  }
  if (IsScrollBarShown(m_vertScrollBar)) {
    CRect bar;
    m_vertScrollBar.GetWindowRect(&bar);
    rect->right -= bar.Width();
  }
  return rect;
}

int CColumnViewControl::GetRowsHeight() {
  CRect rows;
  GetRowsRect(&rows, true);
  return rows.Height();
}

int CColumnViewControl::GetRowExtent(int index) {
  CColumnViewControlEntry* entry = GetEntryAt(index);
  if (entry == NULL) return 0;
  int extent = entry->ComputeRowHeight();
  if (m_separatorLines.GetCount() > 0 && GetSeparatorLine(entry->GetId()) != NULL)
    extent += m_nLineHeight;
  return extent;
}

bool CColumnViewControl::RepositionScrollBars() {
  if (!::IsWindow(m_header.m_hWnd) || !::IsWindow(m_hWnd)) return false;
  CRect display;
  GetDisplayRect(&display);
  int headerRight = display.right;
  int barBottom = display.bottom;
  if (IsScrollBarShown(m_horzScrollBar)) {
    CRect bar;
    m_horzScrollBar.GetWindowRect(&bar);
    m_horzScrollBar.MoveWindow(display.left, display.bottom - bar.Height(), display.Width(),
                               bar.Height());
    barBottom -= bar.Height();
  }
  if (IsScrollBarShown(m_vertScrollBar)) {
    CRect bar;
    m_vertScrollBar.GetWindowRect(&bar);
    m_vertScrollBar.MoveWindow(display.right - bar.Width(), display.top, bar.Width(),
                               barBottom - display.top);
    headerRight = display.right - bar.Width();
  }
  m_header.m_headerRect = CRect(display.left, display.top, headerRight,
                                display.top + kColumnViewHeaderHeight);
  m_header.MoveWindow(&m_header.m_headerRect);
  FitLastColumn();
  Invalidate(TRUE);
  return true;
}

bool CColumnViewControl::GetContentExtent(int out[2]) {
  CReentrantLockGuard guard(m_lock);
  int columns = m_columns.GetCount();
  CColumnViewControlColumnEntry* last = columns > 0 ? GetColumn(columns - 1) : NULL;
  out[0] = last != NULL ? last->m_rect.right : 0;
  int displayed = m_displayList.GetCount(), entries = m_entries.GetCount();
  if (entries == 0)
    out[1] = 0;
  else if (displayed > 0 && displayed < entries)
    out[1] = displayed + 1;
  else
    out[1] = entries + 1;
  return columns > 0;
}

bool CColumnViewControl::CreateScrollBars() {
  CRect initial(0, 0, 0, 30);
  if (!m_horzScrollBar.Create(WS_CHILD | SBS_TOPALIGN, initial, this, kColumnViewHScrollId))
    return false;
  bool created = m_vertScrollBar.Create(WS_CHILD | WS_TABSTOP | SBS_VERT | SBS_LEFTALIGN, initial,
                                        this, kColumnViewVScrollId) != FALSE;
  m_horzScrollBar.ShowScrollBar(TRUE);
  if (created) m_vertScrollBar.ShowScrollBar(TRUE);
  UpdateScrollRanges(false);
  UpdateScrollPositions();
  return created;
}

namespace {
// Shows and enables, or hides and disables, a bar; true when its enabled state changed.
bool ShowBar(CScrollBar& bar, bool show) {
  bool wasEnabled = bar.IsWindowEnabled() != FALSE;
  bar.ShowScrollBar(show);
  bar.EnableWindow(show);
  bar.ShowWindow(show ? SW_SHOW : SW_HIDE);
  return wasEnabled != show;
}
}  // namespace

// A bar that appears or goes changes the rows rectangle, so a change is
// followed by one more pass that sees the new rectangle.
bool CColumnViewControl::UpdateScrollRanges(bool force) {
  CReentrantLockGuard guard(m_lock);
  FitEntriesToColumns();
  if (!::IsWindow(m_horzScrollBar.m_hWnd) || !::IsWindow(m_vertScrollBar.m_hWnd)) return false;
  CRect rows;
  GetRowsRect(&rows, true);
  int visible = GetVisibleRowCount();
  int extent[2] = {0, 0};
  GetContentExtent(extent);
  int width = extent[0], lines = extent[1] + CountSeparatorLines();
  bool changed = false;

  int horzMax = 0;
  if (rows.Width() < width) {
    changed = ShowBar(m_horzScrollBar, true) || changed;
    horzMax = width - rows.Width();
  } else {
    changed = ShowBar(m_horzScrollBar, false) || changed;
    m_nHorizontalOffset = 0;
  }
  m_horzScrollBar.SetScrollRange(0, horzMax, FALSE);
  if (m_nHorizontalOffset > horzMax) m_nHorizontalOffset = horzMax;

  m_nVerticalScale = 1;
  int vertMax = 0;
  if (visible < lines) {
    changed = ShowBar(m_vertScrollBar, true) || changed;
    vertMax = lines + 1 - CountRowsFittingFromBottom();
    if (vertMax > kMaxScrollRange) {
      m_nVerticalScale = vertMax / kMaxScrollRange + 1;
      vertMax /= m_nVerticalScale;
    }
  } else {
    changed = ShowBar(m_vertScrollBar, false) || changed;
  }
  m_vertScrollBar.SetScrollRange(0, vertMax, FALSE);

  if (!changed || force)
    m_header.RepositionHeader();
  else
    UpdateScrollRanges(true);
  return changed;
}

bool CColumnViewControl::UpdateScrollPositions() {
  CReentrantLockGuard guard(m_lock);
  if (!::IsWindow(m_horzScrollBar.m_hWnd) || !::IsWindow(m_vertScrollBar.m_hWnd)) return false;
  if (m_horzScrollBar.IsWindowEnabled()) {
    m_horzScrollBar.SetScrollPos(m_nHorizontalOffset);
    m_horzScrollBar.UpdateWindow();
  }
  if (m_vertScrollBar.IsWindowEnabled()) {
    m_vertScrollBar.SetScrollPos(m_nFirstVisible / m_nVerticalScale);
    m_vertScrollBar.UpdateWindow();
  }
  return true;
}

bool CColumnViewControl::UpdateScrollBars() {
  bool changed = UpdateScrollRanges(false);
  if (changed) RepositionScrollBars();
  UpdateScrollPositions();
  return changed;
}

int CColumnViewControl::GetVisibleRowCount() {
  int height = GetRowsHeight();
  int displayed = m_displayList.GetCount();
  if (m_bWrap && displayed > 0) {
    double perRow = static_cast<double>(GetTotalLineCount()) / displayed * m_nLineHeight;
    return perRow > 0 ? static_cast<int>(height / perRow) : 0;
  }
  return height / m_nLineHeight;
}

int CColumnViewControl::GetTotalLineCount() {
  int total = 0;
  for (int i = 0; i < m_displayList.GetCount(); ++i) {
    CColumnViewControlEntry* entry = GetEntryAt(i);
    entry->ComputeRowHeight();
    total += entry->GetLineCount();
  }
  return total;
}

// Walks up from the last visible row until the rows fill the rows area; the
// first visible row is the one below the row that overfilled it.
bool CColumnViewControl::ComputeFirstVisible() {
  int count = m_displayList.GetCount();
  if (count == 0) return false;
  if (m_nLastVisible >= count) m_nLastVisible = count - 1;
  int height = GetRowsHeight();
  int i = m_nLastVisible, sum = 0;
  bool finished = false;
  while (GetEntryAt(i) != NULL && sum < height && !finished) {
    sum += GetRowExtent(i);
    if (i > 0) {
      if (sum >= height) {
        ++i;
        finished = true;
      } else {
        --i;
      }
    } else {
      if (sum > height) i = 1;
      finished = true;
    }
  }
  m_nFirstVisible = i < m_nLastVisible ? i : m_nLastVisible;
  if (m_nFirstVisible < 0) m_nFirstVisible = 0;
  return true;
}

bool CColumnViewControl::ComputeLastVisible() {
  int count = m_displayList.GetCount();
  if (count == 0) return false;
  int height = GetRowsHeight();
  int i = Clamp(m_nFirstVisible, 0, count - 1), sum = 0;
  while (sum < height) {
    sum += GetRowExtent(i);
    if (i < count - 1 && sum < height)
      ++i;
    else
      break;
  }
  m_nLastVisible = i < count - 1 ? i : count - 1;
  return true;
}

// Rows from `start` in `step` direction until their heights reach the rows
// area (the row that reaches it counted), less the visible separator lines.
int CColumnViewControl::CountRowsFitting(int start, int step) {
  int height = GetRowsHeight(), count = m_displayList.GetCount();
  int rows = 0, sum = 0;
  for (int i = start; i >= 0 && i < count; i += step) {
    sum += GetEntryAt(i)->ComputeRowHeight();
    ++rows;
    if (sum >= height) break;
  }
  int separators = CountSeparatorLines();
  return separators > 0 ? rows - separators : rows;
}

int CColumnViewControl::CountRowsFittingFromTop() { return CountRowsFitting(m_nFirstVisible, 1); }

int CColumnViewControl::CountRowsFittingFromBottom() {
  return CountRowsFitting(m_displayList.GetCount() - 1, -1);
}

int CColumnViewControl::CountSeparatorLines() {
  if (m_nFirstVisible == 0 && m_nLastVisible == 0) m_nLastVisible = GetVisibleRowCount();
  if (m_separatorLines.GetCount() == 0) return 0;
  int lines = 0;
  for (int i = m_nFirstVisible; i <= m_nLastVisible; ++i) {
    CColumnViewControlEntry* entry = GetEntryAt(i);
    if (entry != NULL && GetSeparatorLine(entry->GetId()) != NULL) ++lines;
  }
  return lines;
}

int CColumnViewControl::GetRowCountWithSeparators() {
  int separators = CountSeparatorLines();
  return m_displayList.GetCount() + (separators > 0 ? separators : 0);
}

bool CColumnViewControl::EnsureVisible(int index) {
  bool moved = false;
  {
    CReentrantLockGuard guard(m_lock);
    int count = m_displayList.GetCount();
    if (count > 0 && index >= 0 && index < count &&
        (index < m_nFirstVisible || index > m_nLastVisible)) {
      m_nLastVisible = index;
      ComputeFirstVisible();
      int fitting = CountRowsFittingFromTop();
      int first = index - fitting / 2;
      if (first < 0) first = 0;
      if (first + fitting >= count) first = count - fitting > 0 ? count - fitting : 0;
      m_nFirstVisible = first;
      moved = true;
    }
  }
  UpdateScrollBars();
  return moved;
}

bool CColumnViewControl::IsCaretRowFullyVisible() {
  if (m_displayList.GetCount() == 0) return true;
  CColumnViewControlEntry* caret = GetEntryAt(m_nCaret);
  if (caret == NULL) return true;
  CRect rows;
  GetRowsRect(&rows, true);
  return caret->GetRowRect().bottom <= rows.bottom;
}

void CColumnViewControl::OnHScroll(UINT code, UINT position, CScrollBar*) {
  CReentrantLockGuard guard(m_lock);
  if (!IsInputEnabled()) return;
  switch (code) {
    case SB_LINERIGHT:
    case SB_PAGERIGHT:
      m_nHorizontalOffset += kHorizontalStep;
      break;
    case SB_LINELEFT:
    case SB_PAGELEFT:
      m_nHorizontalOffset -= kHorizontalStep;
      break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK:
      m_nHorizontalOffset = static_cast<int>(position);
      break;
    default:
      break;
  }
  int low = 0, high = 0;
  m_horzScrollBar.GetScrollRange(&low, &high);
  m_nHorizontalOffset = Clamp(m_nHorizontalOffset, low, high);
  UpdateScrollPositions();
  m_header.RepositionHeader();
  RedrawDisplay();
}

void CColumnViewControl::OnVScroll(UINT code, UINT position, CScrollBar*) {
  CReentrantLockGuard guard(m_lock);
  if (!IsInputEnabled()) return;
  int displayed = m_displayList.GetCount();
  int visible = GetVisibleRowCount();
  int low = 0, high = 0;
  m_vertScrollBar.GetScrollRange(&low, &high);
  high *= m_nVerticalScale;
  switch (code) {
    case SB_LINEUP:
      if (m_nFirstVisible > 0) --m_nFirstVisible;
      break;
    case SB_LINEDOWN:
      if (m_nFirstVisible < displayed - visible) {
        ++m_nFirstVisible;
      } else {
        // The last rows may be taller than a line: scroll by the last row.
        if (m_nLastVisible < displayed - 1) ++m_nLastVisible;
        ComputeFirstVisible();
      }
      break;
    case SB_PAGEUP:
      if (m_nFirstVisible > 0) m_nFirstVisible = m_nFirstVisible > kPageRows ? m_nFirstVisible - kPageRows : 0;
      break;
    case SB_PAGEDOWN:
      if (m_nFirstVisible < displayed - visible) {
        m_nFirstVisible += kPageRows;
        if (m_nFirstVisible > displayed - visible) m_nFirstVisible = displayed - visible;
      }
      break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK:
      m_nFirstVisible = static_cast<int>(position) * m_nVerticalScale;
      if (m_nFirstVisible < 0) m_nFirstVisible = 0;
      if (m_nFirstVisible > displayed - visible) {
        m_nLastVisible = displayed - 1;
        ComputeFirstVisible();
      }
      break;
    case SB_TOP:
      m_nFirstVisible = 0;
      break;
    case SB_BOTTOM:
      m_nFirstVisible = displayed - visible + 1;
      break;
    default:
      break;
  }
  m_nFirstVisible = Clamp(m_nFirstVisible, low, high);
  UpdateScrollPositions();
  RedrawDisplay();
}

BOOL CColumnViewControl::OnMouseWheel(UINT, short delta, CPoint) {
  CReentrantLockGuard guard(m_lock);
  if (!m_vertScrollBar.IsWindowEnabled()) return 1;
  int visible = GetVisibleRowCount();
  if (delta <= 0) {
    m_nFirstVisible += kWheelRows;
    if (m_nFirstVisible > GetRowCountWithSeparators() - visible) {
      m_nLastVisible = m_displayList.GetCount() - 1;
      ComputeFirstVisible();
    }
  } else if (m_nFirstVisible > 0) {
    m_nFirstVisible = m_nFirstVisible > kWheelRows ? m_nFirstVisible - kWheelRows : 0;
    ComputeLastVisible();
  }
  UpdateScrollPositions();
  RedrawDisplay();
  return 1;
}

bool CColumnViewControl::RecalcLayout(int) {
  CReentrantLockGuard guard(m_lock);
  if (!::IsWindow(m_header.m_hWnd) || m_bLayoutGuard) return false;
  m_bLayoutGuard = true;
  SetRedraw(FALSE);
  AutoSizeLastColumn();
  if (UpdateScrollBars())
    FitLastColumn();
  else
    RepositionScrollBars();
  m_header.RepositionHeader();
  UpdateColumnRects();
  FitEntriesToColumns();
  SetRedraw(TRUE);
  if (!m_bAutoSizing) {
    UpdateScrollBars();
    RedrawDisplay();
  }
  m_bLayoutGuard = false;
  return true;
}

void CColumnViewControl::OnSize(UINT type, int cx, int cy) {
  Default();
  SetRedraw(FALSE);
  AutoSizeLastColumn();
  if (UpdateScrollBars())
    FitLastColumn();
  else
    RepositionScrollBars();
  FitEntriesToColumns();
  SetRedraw(TRUE);
  RedrawDisplay();
}
