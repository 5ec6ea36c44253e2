// CColumnViewControlEntry: cells, fitting the cells to their columns, row
// height and the sort key.
#include "uilib/ColumnViewControlEntry.h"

#include "uilib/ColumnViewControl.h"

namespace {
// The image area of the first column is kept free of text.
const int kTextMargin = 10;
const int kFirstColumnTextMargin = 32;

int CharWidth(HDC dc, CTesselString& text, int index) {
  SIZE size = {};
  if (text.IsWide())
    ::GetTextExtentPoint32W(dc, text.GetWideTextAt(index), 1, &size);
  else
    ::GetTextExtentPoint32A(dc, text.GetTextAt(index), 1, &size);
  return size.cx;
}
}  // namespace

CColumnViewControlColumnText::CColumnViewControlColumnText(CColumnViewControlEntry* owner)
    : m_pOwner(owner), m_nFittedWidth(0), m_bDirty(false) {
  m_lines.SetElementTypeString();
}

CColumnViewControlColumnText::~CColumnViewControlColumnText() { m_lines.DeleteAll(); }

CTesselString CColumnViewControlColumnText::GetLine(int index) {
  CTesselString* line = GetLineAt(index);
  return line != NULL ? CTesselString(*line) : CTesselString();
}

CColumnViewControlEntry::CColumnViewControlEntry()
    : m_bSelected(false),
      m_bShown(true),
      m_nImage(0),
      m_pOwner(NULL),
      m_nId(0),
      m_nDisplayIndex(0),
      m_rect(),
      m_nLineCount(1),
      m_nRowHeight(0) {
  m_cells.SetElementTypeString();
  m_colors.SetElementTypeInt32();
}

CColumnViewControlEntry::~CColumnViewControlEntry() {
  DeleteFittedTexts();
  m_cells.DeleteAll();
  m_colors.DeleteAll();
}

void CColumnViewControlEntry::DeleteFittedTexts() {
  for (int i = 0; i < m_fittedTexts.GetCount(); ++i) delete GetFittedText(i);
  m_fittedTexts.RemoveAll();
}

bool CColumnViewControlEntry::SetColumnText(int column, CTesselString text) {
  if (column < 0) return false;
  CTesselString empty;
  while (m_cells.GetCount() <= column) m_cells.AddCopy(&empty);
  static_cast<CTesselString*>(m_cells.GetAt(column))->Assign(text);
  if (m_fittedTexts.GetCount() <= column) {
    while (m_fittedTexts.GetCount() <= column)
      m_fittedTexts.AddTail(new CColumnViewControlColumnText(this));
    AddFittedLine(column, text);
  }
  GetFittedText(column)->m_bDirty = true;
  return true;
}

bool CColumnViewControlEntry::SetColumnCharacter(int column, const char* text) {
  if (text == NULL) return false;
  return SetColumnText(column, CTesselString(text[0]));
}

bool CColumnViewControlEntry::SetColumnTextColor(int column, COLORREF color) {
  if (column < 0) return false;
  int32_t black = 0;
  while (m_colors.GetCount() <= column) m_colors.AddCopy(&black);
  int32_t* cell = static_cast<int32_t*>(m_colors.GetAt(column));
  if (cell == NULL) return false;
  *cell = static_cast<int32_t>(color);
  return true;
}

CTesselString CColumnViewControlEntry::GetColumnText(int column) {
  CTesselString* cell = static_cast<CTesselString*>(m_cells.GetAt(column));
  return cell != NULL ? CTesselString(*cell) : CTesselString();
}

COLORREF CColumnViewControlEntry::GetColumnTextColor(int column) {
  int32_t* cell = static_cast<int32_t*>(m_colors.GetAt(column));
  return cell != NULL ? static_cast<COLORREF>(*cell) : RGB(0, 0, 0);
}

bool CColumnViewControlEntry::EnsureFittedTexts() {
  if (m_fittedTexts.GetCount() > 0) return false;
  for (int i = 0; i < m_cells.GetCount(); ++i)
    m_fittedTexts.AddTail(new CColumnViewControlColumnText(this));
  return m_fittedTexts.GetCount() > 0;
}

bool CColumnViewControlEntry::AddFittedLine(int column, CTesselString text) {
  CColumnViewControlColumnText* fitted = GetFittedText(column);
  if (fitted == NULL || text.GetLength() < 1) return false;
  return fitted->m_lines.AddCopy(&text);
}

// The character that overflows a line still ends it, so every line holds at
// least one character and the walk always advances.
void CColumnViewControlEntry::WrapText(HDC dc, CTesselString& text, int width, int column) {
  int length = text.GetLength();
  int start = 0, sum = 0;
  for (int j = 0; j < length; ++j) {
    sum += CharWidth(dc, text, j);
    if (sum <= width) continue;
    AddFittedLine(column, text.Mid(start, j));
    start = j + 1;
    sum = 0;
  }
  if (start < length) AddFittedLine(column, text.Mid(start, -1));
}

bool CColumnViewControlEntry::FitToColumns() {
  if (m_pOwner == NULL) return false;
  EnsureFittedTexts();
  CDC* dc = m_pOwner->GetOffScreenContext();
  if (dc == NULL || m_cells.GetCount() < 1) return false;
  bool added = false;
  for (int i = 0; i < m_cells.GetCount(); ++i) {
    CColumnViewControlColumnEntry* column = m_pOwner->GetColumn(i);
    CColumnViewControlColumnText* fitted = GetFittedText(i);
    if (column == NULL || fitted == NULL) continue;
    int width = column->m_rect.right - column->m_rect.left;
    if (!fitted->m_bDirty && fitted->m_nFittedWidth == width) continue;
    int available = width - (i == 0 ? kFirstColumnTextMargin : kTextMargin);
    fitted->m_nFittedWidth = width;
    fitted->m_bDirty = false;
    fitted->m_lines.DeleteAll();
    CTesselString text = GetColumnText(i);
    int before = fitted->GetLineCount();
    if (m_pOwner->m_bWrap) {
      WrapText(dc->m_hDC, text, available, i);
    } else {
      m_pOwner->FitTextToWidth(text, available);
      AddFittedLine(i, text);
    }
    added = fitted->GetLineCount() > before || added;
  }
  return added;
}

int CColumnViewControlEntry::GetLineHeight() {
  return m_pOwner != NULL ? m_pOwner->m_nLineHeight : kColumnViewLineHeight;
}

int CColumnViewControlEntry::ComputeRowHeight() {
  int lineHeight = GetLineHeight();
  int lines = 1;
  if (m_pOwner != NULL && m_pOwner->m_bWrap) {
    for (int i = 0; i < m_fittedTexts.GetCount(); ++i)
      if (GetFittedText(i)->GetLineCount() > lines) lines = GetFittedText(i)->GetLineCount();
  }
  m_nLineCount = lines;
  m_nRowHeight = lineHeight * lines;
  return m_nRowHeight;
}

bool CColumnViewControlEntry::PrepareSortKeys() {
  if (m_pOwner == NULL) return false;
  ClearSortKeys();
  int column = m_pOwner->m_nSortColumn;
  CTesselString text = GetColumnText(column);
  int kind = m_pOwner->GetColumnKind(column);
  if (kind == CColumnViewControlColumnEntry::kNumber && text.GetLength() > 0) {
    // Only the digits count: "1,234.5 KB" sorts as 12345.
    CTesselString digits;
    const char* narrow = text.GetText();
    for (int i = 0; i < text.GetLength(); ++i)
      if (narrow[i] >= '0' && narrow[i] <= '9') digits.AddText(CTesselString(narrow[i]).GetText());
    text = digits;
  }
  bool parsed = m_sortKey.Parse(text);
  if (kind == CColumnViewControlColumnEntry::kDateTime) m_sortKey.SetTimeFromText(text);
  return parsed;
}

bool CColumnViewControlEntry::ClearSortKeys() {
  m_sortKey.Reset();
  return true;
}
