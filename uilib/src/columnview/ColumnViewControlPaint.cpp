// CColumnViewControl: the paint cycle, rows, cells, lines, the find box, the
// border, fitting cell texts and the separator lines above rows.
#include "uilib/ColumnViewControl.h"

#include "common/TKDCHelpers.h"
#include "common/TKScopedHandle.h"
#include "uilib/UIUtilities.h"

namespace {
// The rows start a little below the header.
const int kRowsTop = 5;
const int kCellTextIndent = 5;
const int kImageSize = 16;
const int kImageAreaWidth = 21;
const int kSeparatorIndent = 5;
// A band leaves room for the row image at the left and ends short of the
// last column's edge; it sits 2 pixels above the row's text.
const int kBandLeft = 22;
const int kBandRightInset = 2;
const int kBandRaise = 2;
const COLORREF kFindBoxColor = RGB(0, 255, 255);
const char kEllipsis[] = "...";

COLORREF FirstGradientColor(CTesselList* list, COLORREF fallback) {
  if (list->GetCount() == 0) return fallback;
  return static_cast<GradientColorRecord*>(list->GetAt(0))->color;
}

int TextWidth(HDC dc, CTesselString& text, int first, int count) {
  SIZE size = {};
  if (text.IsWide())
    ::GetTextExtentPoint32W(dc, text.GetWideTextAt(first), count, &size);
  else
    ::GetTextExtentPoint32A(dc, text.GetTextAt(first), count, &size);
  return size.cx;
}
}  // namespace

void CColumnViewControl::OnPaint() {
  CPaintTarget target(this);
  {
    CReentrantLockGuard guard(m_lock);
    if (::IsWindow(m_hWnd)) {
      CRect rows;
      GetRowsRect(&rows, false);
      if (rows.right > 0 && rows.bottom > rows.top) {
        // The buffer covers the client area down to the rows' bottom and
        // copies only the rows back.
        CTKBufferDC buffer(target.Get()->m_hDC, rows);
        CDrawScope scope(this, &buffer);
        LayoutVisibleRows();
        FillBackground();
        PaintRows();
        DrawColumnLines();
      }
      RepaintIfVisible(&m_header);
    }
  }
  ValidateRect(NULL);
}

bool CColumnViewControl::LayoutVisibleRows() {
  CRect rows;
  GetRowsRect(&rows, true);
  int y = rows.top + kRowsTop;
  for (int i = m_nFirstVisible; i >= 0 && i < m_displayList.GetCount() && y < rows.bottom; ++i) {
    CColumnViewControlEntry* entry = GetEntryAt(i);
    int height = entry->ComputeRowHeight();
    entry->m_rect = CRect(m_nHorizontalOffset, y, m_nHorizontalOffset, y + height - 1);
    y += entry->m_rect.bottom - entry->m_rect.top;
  }
  return true;
}

bool CColumnViewControl::FillBackground() {
  CDC* dc = GetOffScreenContext();
  if (dc == NULL) return false;
  CRect client;
  GetClientRect(&client);
  dc->FillSolidRect(&client, IsWindowEnabled() ? RGB(255, 255, 255) : kColumnViewDisabledColor);
  return true;
}

bool CColumnViewControl::PaintRows() {
  if (GetOffScreenContext() == NULL || m_displayList.GetCount() == 0) return false;
  CRect rows;
  GetRowsRect(&rows, true);
  int y = rows.top + kRowsTop;
  int extent[2] = {0, 0};
  GetContentExtent(extent);
  m_nLastVisible = m_nFirstVisible;
  for (int i = m_nFirstVisible; i >= 0 && i < m_displayList.GetCount(); ++i) {
    if (y >= rows.bottom) break;
    if (PaintRow(GetEntryAt(i), &y, extent[0], rows, i)) m_nLastVisible = i;
  }
  return true;
}

bool CColumnViewControl::PaintRow(CColumnViewControlEntry* entry, int* y, int contentWidth,
                                  RECT rows, int displayIndex) {
  CDC* dc = GetOffScreenContext();
  if (dc == NULL || entry == NULL || y == NULL) return false;
  int lineHeight = entry->GetLineHeight();
  DrawSeparatorLine(entry, y);
  if (*y >= rows.bottom) return false;
  int height = entry->GetRowHeight();
  entry->m_rect = CRect(-m_nHorizontalOffset, *y, -m_nHorizontalOffset, *y + height - 1);
  bool findRow = m_bFindActive && m_nFindRow == displayIndex;
  if (entry->m_bSelected)
    DrawSelectedRowBand(entry, contentWidth);
  else if (displayIndex == m_nCaret)
    DrawCaretRowBand(entry, contentWidth);
  if (findRow) DrawCaretRowBand(entry, contentWidth);
  for (int i = 0; i < m_columns.GetCount(); ++i) {
    const RECT& column = GetColumn(i)->m_rect;
    CTKScopedRgn clip(::CreateRectRgn(column.left - m_nHorizontalOffset, *y,
                                      column.right - m_nHorizontalOffset, *y + height));
    ::SelectClipRgn(dc->m_hDC, clip.Get());
    entry->m_rect.right = column.right;
    if (findRow && m_nFindColumn == i)
      DrawRowRect(CRect(column.left, *y, column.right, *y + height));
    int x = column.left - m_nHorizontalOffset + kCellTextIndent;
    if (i == 0 && m_rowImages.m_hImageList != NULL && m_rowImages.GetImageCount() > 0) {
      if (entry->m_nImage > 0)
        m_rowImages.DrawIndirect(dc, entry->m_nImage - 1, CPoint(x, *y),
                                 CSize(kImageSize, kImageSize), CPoint(0, 0), ILD_NORMAL, SRCCOPY,
                                 CLR_DEFAULT, CLR_DEFAULT);
      x += kImageAreaWidth;
    }
    dc->SetTextColor(entry->GetColumnTextColor(i));
    CColumnViewControlColumnText* fitted = entry->GetFittedText(i);
    for (int k = 0; fitted != NULL && k < fitted->GetLineCount(); ++k) {
      CTesselString* line = fitted->GetLineAt(k);
      if (line->IsWide())
        ::TextOutW(dc->m_hDC, x, *y + k * lineHeight, line->GetWideText(), line->GetLength());
      else
        ::TextOutA(dc->m_hDC, x, *y + k * lineHeight, line->GetText(), line->GetLength());
    }
    ::SelectClipRgn(dc->m_hDC, NULL);
  }
  *y += height;
  return true;
}

bool CColumnViewControl::DrawSelectedRowBand(CColumnViewControlEntry* entry, int contentWidth) {
  return DrawRowBand(entry, contentWidth, HasFocus() ? &m_selectedBand : &m_inactiveSelectedBand);
}

bool CColumnViewControl::DrawCaretRowBand(CColumnViewControlEntry* entry, int contentWidth) {
  if (entry == NULL || entry->m_bSelected || !HasFocus()) return false;
  return DrawRowBand(entry, contentWidth, &m_caretBand);
}

bool CColumnViewControl::DrawRowBand(CColumnViewControlEntry* entry, int contentWidth,
                                     CTesselList* colors) {
  CDC* dc = GetOffScreenContext();
  if (dc == NULL || entry == NULL) return false;
  CRect rows;
  GetRowsRect(&rows, true);
  int left = rows.left + kBandLeft, right = contentWidth - kBandRightInset;
  if (m_nHorizontalOffset > 0) {
    left -= m_nHorizontalOffset;
    right -= m_nHorizontalOffset;
  }
  const RECT& row = entry->GetRowRect();
  return DrawGradientBand(dc->m_hDC, left, row.top - kBandRaise, right, row.bottom - kBandRaise,
                          colors);
}

bool CColumnViewControl::BuildBandColors() {
  ClearBandColors();
  return BuildStandardRowGradients(&m_selectedBand, &m_caretBand, &m_inactiveSelectedBand);
}

bool CColumnViewControl::ClearBandColors() {
  bool had = false;
  for (CTesselList* list : {&m_selectedBand, &m_caretBand, &m_inactiveSelectedBand})
    had = ClearGradientColors(list) || had;
  return had;
}

bool CColumnViewControl::DrawRowRect(RECT cell) {
  CDC* dc = GetOffScreenContext();
  if (dc == NULL) return false;
  if (m_nHorizontalOffset > 0) {
    cell.left -= m_nHorizontalOffset;
    cell.right -= m_nHorizontalOffset;
  }
  cell.top -= 1;
  cell.bottom -= 4;
  CTKPenDC pen(dc->m_hDC, kFindBoxColor);
  CTKScopedBrush brushHandle(::CreateSolidBrush(kFindBoxColor));
  CTKSelectGuard brush(dc->m_hDC, brushHandle.Get());
  return ::Rectangle(dc->m_hDC, cell.left, cell.top, cell.right, cell.bottom) != FALSE;
}

bool CColumnViewControl::GetColumnLineX(int column, int* x) {
  const RECT& rect = GetColumn(column)->m_rect;
  *x = (column == m_columns.GetCount() - 1 ? rect.left : rect.right) - m_nHorizontalOffset;
  return *x >= 0;
}

bool CColumnViewControl::DrawColumnLines() {
  if (GetOffScreenContext() == NULL || m_displayList.GetCount() < 1 || m_columns.GetCount() < 2)
    return false;
  CRect client;
  GetClientRect(&client);
  for (int i = 0; i < m_columns.GetCount(); ++i) {
    int x = 0;
    if (GetColumnLineX(i, &x)) DrawLine(x, 0, x, client.bottom, m_gridColor);
  }
  DrawSelectionColumnLines();
  return true;
}

// Over a selected row the column lines take the band's edge colour; with no
// band colours the grid colour stays.
bool CColumnViewControl::DrawSelectionColumnLines() {
  if (GetOffScreenContext() == NULL || m_displayList.GetCount() < 1 || m_columns.GetCount() < 2)
    return false;
  COLORREF color =
      FirstGradientColor(HasFocus() ? &m_selectedBand : &m_inactiveSelectedBand, m_gridColor);
  for (int row = m_nFirstVisible; row <= m_nLastVisible; ++row) {
    CColumnViewControlEntry* entry = GetEntryAt(row);
    if (entry == NULL || !entry->m_bSelected) continue;
    const RECT& rect = entry->GetRowRect();
    for (int i = 0; i < m_columns.GetCount(); ++i) {
      int x = 0;
      if (GetColumnLineX(i, &x))
        DrawLine(x, rect.top - kBandRaise, x, rect.bottom - kBandRaise, color);
    }
  }
  return true;
}

bool CColumnViewControl::DrawLine(int x1, int y1, int x2, int y2, COLORREF color) {
  CDC* dc = GetOffScreenContext();
  if (dc == NULL) return false;
  CTKPenDC pen(dc->m_hDC, color);
  ::MoveToEx(dc->m_hDC, x1, y1, NULL);
  return ::LineTo(dc->m_hDC, x2, y2) != FALSE;
}

bool CColumnViewControl::DrawSeparatorLine(CColumnViewControlEntry* entry, int* y) {
  if (entry == NULL || y == NULL) return false;
  CColumnViewIndividualSeparatorLine* line = GetSeparatorLine(entry->GetId());
  if (line == NULL) return false;
  CRect client;
  GetClientRect(&client);
  int left = client.left + kSeparatorIndent, right = client.right - kSeparatorIndent;
  if (IsScrollBarShown(m_vertScrollBar)) {
    CRect bar;
    m_vertScrollBar.GetWindowRect(&bar);
    right -= bar.Width();
  }
  int middle = *y + m_nLineHeight / 2;
  DrawLine(left, middle - 1, right, middle - 1, line->m_firstColor);
  DrawLine(left, middle, right, middle, line->m_secondColor);
  *y += m_nLineHeight;
  return true;
}

void CColumnViewControl::OnNcPaint() { DrawBorder(); }

bool CColumnViewControl::DrawBorder() {
  if (!m_bBorder) {
    return IsWhiteFrame() && DrawWindowBorder(RGB(255, 255, 255));
  }
  if (!m_bTopAndBottomBorder) return DrawWindowBorder(kDisplayBorderColor);
  // White sides, coloured top and bottom lines.
  CWindowDC windowDC(this);
  HDC dc = m_hPrintDC != NULL ? m_hPrintDC : windowDC.m_hDC;
  CRect rect;
  GetWindowRect(&rect);
  rect.OffsetRect(-rect.left, -rect.top);
  struct Edge {
    int x1, y1, x2, y2;
    COLORREF color;
  } edges[] = {
      {rect.left, rect.top, rect.left, rect.bottom - 1, RGB(255, 255, 255)},
      {rect.right - 1, rect.top, rect.right - 1, rect.bottom - 1, RGB(255, 255, 255)},
      {rect.left, rect.top, rect.right, rect.top, kDisplayBorderColor},
      {rect.left, rect.bottom - 1, rect.right, rect.bottom - 1, kDisplayBorderColor},
  };
  bool drawn = false;
  for (const Edge& edge : edges) {
    CTKPenDC pen(dc, edge.color);
    ::MoveToEx(dc, edge.x1, edge.y1, NULL);
    drawn = ::LineTo(dc, edge.x2, edge.y2) != FALSE;
  }
  return drawn;
}

bool CColumnViewControl::FitEntriesToColumns() {
  if (m_displayList.GetCount() == 0 || !::IsWindow(m_hWnd)) return false;
  CClientDC windowDC(this);
  CDrawScope scope(this, &windowDC);
  bool added = false;
  for (int i = 0; i < m_displayList.GetCount(); ++i) added = GetEntryAt(i)->FitToColumns() || added;
  return added;
}

// The shortened text keeps one character more than fits before the "...".
bool CColumnViewControl::FitTextToWidth(CTesselString& text, int width) {
  CDC* dc = GetOffScreenContext();
  int length = text.GetLength();
  if (dc == NULL || length < 1) return false;
  if (TextWidth(dc->m_hDC, text, 0, length) <= width - 2) return false;
  CTesselString ellipsis(kEllipsis);
  int dots = TextWidth(dc->m_hDC, ellipsis, 0, 3);
  int limit = width - 4;
  int counted = 0, sum = 0;
  while (counted < length) {
    int next = sum + TextWidth(dc->m_hDC, text, counted, 1);
    if (next + dots > limit) break;
    sum = next;
    ++counted;
  }
  CTesselString shortened = text.Mid(0, counted);
  shortened.AddText(kEllipsis);
  text = shortened;
  return true;
}

bool CColumnViewControl::AddSeparatorLine(int entryId, COLORREF first, COLORREF second) {
  if (entryId < 0 || GetSeparatorLine(entryId) != NULL) return false;
  CColumnViewIndividualSeparatorLine* line =
      new CColumnViewIndividualSeparatorLine(entryId, first, second);
  if (m_separatorLines.AddKey(entryId, line)) return true;
  delete line;
  return false;
}

bool CColumnViewControl::RemoveAllSeparatorLines() {
  if (m_separatorLines.GetCount() == 0) return false;
  for (void* line = m_separatorLines.GetFirst(); line != NULL; line = m_separatorLines.GetNext())
    delete static_cast<CColumnViewIndividualSeparatorLine*>(line);
  m_separatorLines.EndIteration();
  m_separatorLines.RemoveAll();
  return true;
}

int CColumnViewControl::GetSeparatorLineCount() { return m_separatorLines.GetCount(); }

CColumnViewIndividualSeparatorLine* CColumnViewControl::GetFirstSeparatorLine() {
  return static_cast<CColumnViewIndividualSeparatorLine*>(m_separatorLines.GetFirst());
}

CColumnViewIndividualSeparatorLine* CColumnViewControl::GetNextSeparatorLine() {
  return static_cast<CColumnViewIndividualSeparatorLine*>(m_separatorLines.GetNext());
}

bool CColumnViewControl::EndSeparatorLineIteration() { return m_separatorLines.EndIteration(); }

CColumnViewIndividualSeparatorLine* CColumnViewControl::GetSeparatorLine(int entryId) {
  return static_cast<CColumnViewIndividualSeparatorLine*>(m_separatorLines.FindKey(entryId));
}
