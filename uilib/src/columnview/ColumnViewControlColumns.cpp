// CColumnViewControl: the columns, their widths (kept in the header's items)
// and automatic sizing.
#include "uilib/ColumnViewControl.h"

#include "common/TKDCHelpers.h"

namespace {
const int kNewColumnWidth = 50;
// Room around a measured text: cell padding, the first column's image, the
// header's sort arrow and padding.
const int kContentPadding = 14;
const int kImageAreaWidth = 21;
const int kTitlePadding = 31;
}  // namespace

CColumnViewControlColumnEntry::CColumnViewControlColumnEntry(CColumnViewControl* owner, int kind,
                                                             const CTesselString& title)
    : m_pOwner(owner), m_nKind(kind), m_title(title), m_rect() {}

bool CColumnViewControl::AddColumn(CTesselString title, int kind) {
  if (title.GetLength() < 1) return false;
  CColumnViewControlColumnEntry* column = new CColumnViewControlColumnEntry(this, kind, title);
  if (!m_columns.AddTail(column)) {
    delete column;
    return false;
  }
  m_header.InsertHeaderItem(m_columns.GetCount() - 1, title);
  return true;
}

bool CColumnViewControl::RemoveAllColumns() {
  bool had = m_columns.GetCount() > 0;
  for (int i = 0; i < m_columns.GetCount(); ++i) delete GetColumn(i);
  m_columns.RemoveAll();
  m_header.DeleteAllHeaderItems();
  return had;
}

int CColumnViewControl::GetColumnKind(int index) {
  CColumnViewControlColumnEntry* column = GetColumn(index);
  return column != NULL ? column->m_nKind : CColumnViewControlColumnEntry::kText;
}

int CColumnViewControl::GetColumnWidth(int index) {
  if (m_columns.GetCount() < 1 || !::IsWindow(m_header.m_hWnd)) return 0;
  HDITEM item = {};
  item.mask = HDI_WIDTH;
  if (!m_header.SendMessage(HDM_GETITEMA, index, reinterpret_cast<LPARAM>(&item))) return 0;
  return item.cxy > 0 ? item.cxy : 0;
}

int CColumnViewControl::SetColumnWidth(int index, int width) {
  if (m_columns.GetCount() < 1 || !::IsWindow(m_header.m_hWnd)) return 0;
  HDITEM item = {};
  item.mask = HDI_WIDTH;
  item.cxy = width;
  return m_header.SendMessage(HDM_SETITEMA, index, reinterpret_cast<LPARAM>(&item)) ? 1 : 0;
}

int CColumnViewControl::GetTotalColumnWidth() {
  int total = 0;
  for (int i = 0; i < m_columns.GetCount(); ++i) total += GetColumnWidth(i);
  return total;
}

int CColumnViewControl::GetLastColumnIndex() {
  return m_columns.GetCount() > 0 ? m_columns.GetCount() - 1 : 0;
}

bool CColumnViewControl::UpdateColumnRects() {
  if (m_columns.GetCount() < 1) return false;
  CRect display;
  GetDisplayRect(&display);
  int x = 0;
  bool any = false;
  for (int i = 0; i < m_columns.GetCount(); ++i) {
    int width = GetColumnWidth(i);
    if (width <= 0) continue;
    CColumnViewControlColumnEntry* column = GetColumn(i);
    column->m_rect = CRect(x, display.top, x + width, display.top + kColumnViewHeaderHeight);
    x += width;
    any = true;
  }
  return any;
}

int CColumnViewControl::MeasureColumnContentWidth(int index) {
  if (m_columns.GetCount() < 1 || !::IsWindow(m_hWnd)) return 0;
  CClientDC dc(this);
  CTKFontDC font(&dc, static_cast<HFONT>(m_displayFont.m_hObject));
  int widest = 0;
  for (int i = 0; i < m_displayList.GetCount(); ++i) {
    CTesselString text = GetEntryAt(i)->GetColumnText(index);
    SIZE size = {};
    ::GetTextExtentPoint32A(dc.m_hDC, text.GetText(), text.GetLength(), &size);
    if (size.cx > widest) widest = size.cx;
  }
  if (widest <= 0) return 0;
  return widest + kContentPadding + (index == 0 ? kImageAreaWidth : 0);
}

int CColumnViewControl::MeasureColumnTitleWidth(int index) {
  CColumnViewControlColumnEntry* column = GetColumn(index);
  if (!::IsWindow(m_header.m_hWnd) || column == NULL || column->m_title.GetLength() < 1) return 0;
  CTesselString title = column->m_title;
  title.MakeNarrow(true);
  CClientDC dc(&m_header);
  CTKFontDC font(&dc, reinterpret_cast<HFONT>(m_header.SendMessage(WM_GETFONT)));
  SIZE size = {};
  ::GetTextExtentPoint32A(dc.m_hDC, title.GetText(), title.GetLength(), &size);
  return size.cx + kTitlePadding;
}

bool CColumnViewControl::AutoSizeColumn(int index) {
  int title = MeasureColumnTitleWidth(index);
  int content = MeasureColumnContentWidth(index);
  int width = content > title ? content : title;
  int current = GetColumnWidth(index);
  if (m_displayList.GetCount() == 0) {
    // An empty list only widens a column to its title.
    if (current >= title) return false;
    return SetColumnWidth(index, title) != 0;
  }
  if (width == current) return false;
  return SetColumnWidth(index, width) != 0;
}

bool CColumnViewControl::AutoSizeLastColumn() {
  if (m_columns.GetCount() < 1) return false;
  return AutoSizeColumn(GetLastColumnIndex());
}

bool CColumnViewControl::FitLastColumn() {
  if (m_columns.GetCount() < 1) return false;
  CRect rows;
  GetRowsRect(&rows, false);
  int total = GetTotalColumnWidth();
  int last = GetLastColumnIndex();
  if (total < rows.Width()) {
    int width = GetColumnWidth(last);
    if (width > 0) {
      bool changed = SetColumnWidth(last, width + rows.Width() - total) != 0;
      FitEntriesToColumns();
      return changed;
    }
  } else if (total > rows.Width()) {
    return AutoSizeColumn(last);
  }
  FitEntriesToColumns();
  return false;
}

// Every width change re-lays out the view through the header's notice; the
// layout guard holds those back until the last column, so a bulk sizing
// costs one layout.
bool CColumnViewControl::SizeAllColumns(const std::function<bool(int)>& sizeColumn,
                                        bool updateScrollBars) {
  m_bAutoSizing = true;
  bool changed = false;
  int count = m_columns.GetCount();
  if (count > 0) {
    m_bLayoutGuard = true;
    for (int i = 0; i < count; ++i) {
      if (i == count - 1) m_bLayoutGuard = false;
      changed = sizeColumn(i) || changed;
    }
    FitLastColumn();
    UpdateColumnRects();
    FitEntriesToColumns();
    if (updateScrollBars) UpdateScrollBars();
  }
  m_bAutoSizing = false;
  return changed;
}

bool CColumnViewControl::AutoSizeAllColumns() {
  return SizeAllColumns([this](int i) { return AutoSizeColumn(i); }, true);
}

bool CColumnViewControl::EnsureMinimumColumnWidths() {
  return SizeAllColumns(
      [this](int i) {
        int title = MeasureColumnTitleWidth(i);
        return GetColumnWidth(i) < title && SetColumnWidth(i, title) != 0;
      },
      false);
}

void CColumnViewControl::ForwardToHeader(int menuResourceId, int subMenuIndex) {
  m_header.SetPopupMenu(menuResourceId, subMenuIndex);
}
