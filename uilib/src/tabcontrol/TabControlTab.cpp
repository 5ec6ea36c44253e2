// CTabControlTab: one tab, measured and drawn into its owner's drawing DC.
#include "uilib/TabControl.h"

#include "uilib/UIUtilities.h"

namespace {

const COLORREF kFrameColor = RGB(189, 189, 189);
const COLORREF kFrameShadeColor = RGB(224, 224, 224);
const COLORREF kSelectedFill = RGB(254, 254, 254);

}  // namespace

CTabControlTab::CTabControlTab()
    : m_pOwner(NULL), m_pWindow(NULL), m_nId(0), m_bSelected(false), m_rect(0, 0, 0, 0) {}

CTabControlTab::~CTabControlTab() {}

void CTabControlTab::SetSelected(bool selected) {
  m_bSelected = selected;
  if (m_pWindow != NULL && ::IsWindow(m_pWindow->m_hWnd))
    m_pWindow->ShowWindow(selected ? SW_SHOWNORMAL : SW_HIDE);
}

bool CTabControlTab::Measure(int* x, int top) {
  if (m_pOwner == NULL) return false;
  SIZE size = {0, 0};
  if (!m_pOwner->GetTextExtent(m_caption, &size)) return false;
  m_rect = CRect(*x, top, *x + size.cx + 20, top + size.cy + 8);
  *x = m_rect.right;
  return true;
}

HDC CTabControlTab::GetDrawDC() const {
  if (m_pOwner == NULL) return NULL;
  CDC* dc = m_pOwner->GetOffScreenContext();
  return dc != NULL ? dc->m_hDC : NULL;
}

bool CTabControlTab::Draw() {
  HDC dc = GetDrawDC();
  if (dc == NULL || m_caption.IsEmpty()) return false;
  if (m_bSelected) DrawSelectedFrame(m_rect.left, m_rect.top, m_rect.right, m_rect.bottom);
  ::SetBkMode(dc, TRANSPARENT);
  CTesselString caption(m_caption);
  return ::TextOutA(dc, m_rect.left + 10, m_rect.top + 4, caption.GetText(), caption.GetLength()) !=
         FALSE;
}

bool CTabControlTab::FillSelectedBackground(int left, int top, int right, int bottom) {
  HDC dc = GetDrawDC();
  if (dc == NULL) return false;
  int height = bottom - top;
  double red, green, blue;
  ComputeGradientSteps(height, kSelectedFill, kSelectedFill, &red, &green, &blue);
  for (int i = 0; i < height; ++i) {
    COLORREF color = GetGradientColor(i, kSelectedFill, kSelectedFill, 0, red, green, blue);
    m_pOwner->DrawLine(left + 1, top + 1 + i, right + 1, top + 1 + i, color);
  }
  return true;
}

bool CTabControlTab::DrawPenLine(COLORREF color, int x, int y, int dx, int dy) {
  return GetDrawDC() != NULL && m_pOwner->DrawLine(x, y, x + dx, y + dy, color);
}

bool CTabControlTab::DrawSelectedFrame(int left, int top, int right, int bottom) {
  int width = right - left;
  int height = bottom - top;
  FillSelectedBackground(left, top, right, bottom);
  bool drawn = DrawPenLine(kFrameColor, left, top + 2, 0, height - 2);
  DrawPenLine(kFrameColor, left + 2, top, width - 3, 0);
  DrawPenLine(kFrameColor, right, top + 2, 0, height - 2);
  SetPixel(left + 1, top + 1, kFrameColor);
  SetPixel(right - 1, top + 1, kFrameColor);
  // The first tab stands at the strip's left end and has no shade before it.
  if (m_nId != 0) DrawPenLine(kFrameShadeColor, left - 1, top + 2, 0, height - 2);
  DrawPenLine(kFrameShadeColor, right + 1, top + 2, 0, height - 2);
  const POINT shade[] = {{left + 1, top},  {left, top + 1},      {right - 1, top},
                         {right, top + 1}, {right - 2, top + 1}, {right - 1, top + 2}};
  for (const POINT& p : shade) SetPixel(p.x, p.y, kFrameShadeColor);
  return drawn;
}

bool CTabControlTab::DrawLine(int x, int y, int dx, int dy) {
  HDC dc = GetDrawDC();
  if (dc == NULL) return false;
  ::MoveToEx(dc, x, y, NULL);
  return ::LineTo(dc, x + dx, y + dy) != FALSE;
}

bool CTabControlTab::SetPixel(int x, int y, COLORREF color) {
  HDC dc = GetDrawDC();
  if (dc == NULL) return false;
  ::SetPixel(dc, x, y, color);
  return true;
}
