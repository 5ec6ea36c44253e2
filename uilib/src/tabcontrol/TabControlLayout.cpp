// CTabControl: where the strip, the tabs and the page windows go.
#include "uilib/TabControl.h"

bool CTabControl::RecalcLayout() { return Layout(); }

bool CTabControl::Layout() {
  if (!::IsWindow(m_hWnd)) return false;
  CRect area;
  GetDisplayRect(&area);
  if (m_bMarginLayout) GetTextRect(&area);
  m_stripRect = CRect(area.left, area.top, area.right, area.top + 29);
  m_pageRect = CRect(area.left, area.top + 30, area.right, area.bottom - (m_bSquareFrame ? 1 : 3));
  MeasureTabs();
  PositionPages();
  Invalidate(TRUE);
  return true;
}

bool CTabControl::MeasureTabs() {
  bool any = false;
  int x = 12;
  for (CTabControlTab* tab = IterateFirst(); tab != NULL; tab = IterateNext()) {
    if (tab->Measure(&x, 8)) any = true;
    x += 10;
  }
  EndIteration();
  return any;
}

bool CTabControl::PositionPages() {
  CRect page;
  const CRect& m = m_pageMargins;
  const CRect& p = m_pageRect;
  if (m_bMarginLayout) {
    page = CRect(p.left + m.left, p.top + m.top, p.right - m.right, p.bottom - m.bottom);
  } else if (m_bCompactLayout) {
    page = CRect(p.left + 2, p.top + m.top / 2, p.right - 1, p.bottom - (m_bSquareFrame ? 0 : 12));
  } else {
    page = CRect(p.left + m.left, p.top + m.top / 2, p.right - m.right,
                 p.bottom + static_cast<int>(m.bottom / -1.5));
  }
  bool any = false;
  for (CTabControlTab* tab = IterateFirst(); tab != NULL; tab = IterateNext()) {
    if (tab->m_pWindow == NULL || !::IsWindow(tab->m_pWindow->m_hWnd)) continue;
    tab->m_pWindow->MoveWindow(&page, FALSE);
    any = true;
  }
  EndIteration();
  return any;
}

RECT* CTabControl::AdjustPageRect(RECT* rect) {
  if (HasBorder() && !m_bSquareFrame) rect->bottom -= 12;
  return rect;
}
