// CLogDisplayControl: scroll bars, their ranges and positions, and scrolling.
#include "app/LogDisplayControl.h"

bool CLogDisplayControl::CreateScrollBars() {
  const CRect rect(0, 0, 0, 30);
  m_horzBar.Create(WS_CHILD | SBS_HORZ | SBS_TOPALIGN, rect, this, kHorzBarId);
  if (!m_vertBar.Create(WS_CHILD | SBS_VERT | SBS_LEFTALIGN, rect, this, kVertBarId)) return false;
  if (::IsWindow(m_horzBar.m_hWnd)) m_horzBar.ShowScrollBar(TRUE);
  m_vertBar.ShowScrollBar(TRUE);
  UpdateScrollRanges();
  UpdateScrollPositions();
  return true;
}

namespace {

// A bar without range is disabled and hidden, so that it takes no room.
void ShowBar(CScrollBar& bar, bool show) {
  bar.EnableWindow(show ? TRUE : FALSE);
  bar.ShowWindow(show ? SW_SHOW : SW_HIDE);
}

}  // namespace

bool CLogDisplayControl::UpdateScrollRanges() {
  if (!::IsWindow(m_horzBar.m_hWnd) || !::IsWindow(m_vertBar.m_hWnd)) return false;
  CReentrantLockGuard guard(m_lock);
  int count = 0;
  int contentWidth = 0;
  MeasureEntries(&count, &contentWidth);
  CRect client;
  GetClientRect(&client);
  const int rows = client.Height() / kRowHeight;

  int range = count - rows > 0 ? count - rows : 0;
  m_scale = range <= kMaxScrollRange ? 1 : range / kMaxScrollRange + 1;
  range /= m_scale;
  m_vertBar.SetScrollRange(0, range, FALSE);
  const bool vertWasEnabled = m_vertBar.IsWindowEnabled() != FALSE;
  ShowBar(m_vertBar, range > 0);
  if (range <= 0) m_firstVisible = 0;
  bool changed = vertWasEnabled != (range > 0);

  int available = client.Width();
  if (m_vertBar.IsWindowEnabled()) {
    CRect bar;
    m_vertBar.GetWindowRect(&bar);
    available -= bar.Width();
  }
  const int horzRange = contentWidth >= available ? contentWidth - available : 0;
  m_horzBar.SetScrollRange(0, horzRange, FALSE);
  const bool horzWasEnabled = m_horzBar.IsWindowEnabled() != FALSE;
  if (horzRange > 0 && !horzWasEnabled) ExtendVerticalRange();
  ShowBar(m_horzBar, horzRange > 0);
  if (horzRange <= 0) m_offset = 0;
  changed = changed || horzWasEnabled != (horzRange > 0);
  if (changed) RepositionScrollBars();
  return true;
}

void CLogDisplayControl::ExtendVerticalRange() {
  if (!m_vertBar.IsWindowEnabled()) return;
  int low = 0;
  int high = 0;
  m_vertBar.GetScrollRange(&low, &high);
  CRect bar;
  m_horzBar.GetWindowRect(&bar);
  m_vertBar.SetScrollRange(low, high + bar.Height() + 2, FALSE);
}

bool CLogDisplayControl::RepositionScrollBars() {
  CRect client;
  GetClientRect(&client);
  int vertWidth = 0;
  if (::IsWindow(m_vertBar.m_hWnd) && m_vertBar.IsWindowEnabled()) {
    CRect bar;
    m_vertBar.GetWindowRect(&bar);
    vertWidth = bar.Width();
    m_vertBar.MoveWindow(client.right - vertWidth, 0, vertWidth, client.Height(), TRUE);
  }
  if (::IsWindow(m_horzBar.m_hWnd) && m_horzBar.IsWindowEnabled()) {
    CRect bar;
    m_horzBar.GetWindowRect(&bar);
    m_horzBar.MoveWindow(0, client.bottom - bar.Height(), client.Width() - vertWidth, bar.Height(),
                         TRUE);
  }
  return true;
}

bool CLogDisplayControl::UpdateScrollPositions() {
  if (!::IsWindow(m_horzBar.m_hWnd) || !::IsWindow(m_vertBar.m_hWnd)) return false;
  m_horzBar.SetScrollPos(m_offset, TRUE);
  m_vertBar.SetScrollPos(m_firstVisible / m_scale, TRUE);
  return true;
}

void CLogDisplayControl::OnSize(UINT, int, int) {
  Default();
  CRect client;
  GetClientRect(&client);
  m_clientHeight = client.Height();
  UpdateScrollRanges();
  UpdateScrollPositions();
  RepositionScrollBars();
}

void CLogDisplayControl::OnHScroll(UINT code, UINT position, CScrollBar*) {
  switch (code) {
    case SB_LINELEFT:
    case SB_PAGELEFT: m_offset -= 20; break;
    case SB_LINERIGHT:
    case SB_PAGERIGHT: m_offset += 20; break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK: m_offset = static_cast<int>(position); break;
    default: break;
  }
  int low = 0;
  int high = 0;
  m_horzBar.GetScrollRange(&low, &high);
  m_offset = m_offset < low ? low : (m_offset > high ? high : m_offset);
  UpdateScrollPositions();
  RedrawDisplay();
}

void CLogDisplayControl::OnVScroll(UINT code, UINT position, CScrollBar*) {
  int low = 0;
  int high = 0;
  m_vertBar.GetScrollRange(&low, &high);
  {
    CReentrantLockGuard guard(m_lock);
    switch (code) {
      case SB_LINEUP:
      case SB_PAGEUP: m_firstVisible -= 20; break;
      case SB_LINEDOWN:
      case SB_PAGEDOWN: m_firstVisible += 20; break;
      case SB_THUMBPOSITION:
      case SB_THUMBTRACK: m_firstVisible = static_cast<int>(position) * m_scale; break;
      case SB_TOP: m_firstVisible = 0; break;
      case SB_BOTTOM: m_firstVisible = high * m_scale; break;
      default: break;
    }
    if (m_firstVisible > high * m_scale) m_firstVisible = high * m_scale;
    if (m_firstVisible < low) m_firstVisible = low;
  }
  UpdateScrollPositions();
  RedrawDisplay();
}

BOOL CLogDisplayControl::OnMouseWheel(UINT, short delta, CPoint) {
  {
    CReentrantLockGuard guard(m_lock);
    int low = 0;
    int high = 0;
    if (::IsWindow(m_vertBar.m_hWnd)) m_vertBar.GetScrollRange(&low, &high);
    const int last = high * m_scale;
    if (delta > 0) {
      m_firstVisible = m_firstVisible > 2 ? m_firstVisible - 2 : 0;
    } else if (m_firstVisible < last) {
      m_firstVisible = m_firstVisible + 2 < last ? m_firstVisible + 2 : last;
    }
  }
  UpdateScrollPositions();
  RedrawDisplay();
  return TRUE;
}
