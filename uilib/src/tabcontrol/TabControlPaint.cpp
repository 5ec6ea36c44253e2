// CTabControl: the strip's bands, the page frame with its shadow, the tabs.
#include "common/TKDCHelpers.h"
#include "common/TKScopedHandle.h"
#include "uilib/TabControl.h"
#include "uilib/UIUtilities.h"

namespace {

const COLORREF kFrameColor = RGB(189, 189, 189);
const COLORREF kBandTopColor = RGB(243, 245, 249);
const COLORREF kShadowColors[] = {RGB(195, 195, 200), RGB(217, 217, 222), RGB(231, 231, 236)};
const COLORREF kCornerShade = RGB(217, 217, 222);

}  // namespace

COLORREF CTabControl::GetBandColor() { return RGB(233, 236, 243); }

COLORREF CTabControl::GetPageColor() { return RGB(236, 238, 244); }

void CTabControl::OnPaint() {
  CPaintTarget target(this);
  if (::IsWindow(m_hWnd)) {
    CRect client;
    GetClientRect(&client);
    if (!client.IsRectEmpty()) {
      CTKBufferDC buffer(target.Get()->m_hDC, client);
      CDrawScope scope(this, &buffer);
      SelectDisplayFont();
      PaintTabs();
      DrawTabs();
      RestoreFont();
    }
  }
  ValidateRect(NULL);
}

bool CTabControl::DrawLine(int x1, int y1, int x2, int y2, COLORREF color) {
  CDC* dc = GetOffScreenContext();
  if (dc == NULL) return false;
  CTKScopedPen pen(::CreatePen(PS_SOLID, 1, color));
  if (pen.Get() == NULL) return false;
  CTKSelectGuard select(dc->m_hDC, pen.Get());
  ::MoveToEx(dc->m_hDC, x1, y1, NULL);
  return ::LineTo(dc->m_hDC, x2, y2) != FALSE;
}

CRect CTabControl::GetFrameRect() {
  CRect frame;
  GetDisplayRect(&frame);
  if (!m_bCompactLayout) frame.DeflateRect(12, 0);
  AdjustPageRect(&frame);
  frame.top = m_stripRect.bottom;
  return frame;
}

CRect CTabControl::GetBandRect() {
  CRect band;
  GetDisplayRect(&band);
  band.DeflateRect(12, 0);
  AdjustPageRect(&band);
  return band;
}

bool CTabControl::DrawGradientLines(const CRect& band, int y, int rows, COLORREF from, COLORREF to) {
  if (rows <= 0) return false;
  double red, green, blue;
  ComputeGradientSteps(rows, to, from, &red, &green, &blue);
  bool any = false;
  for (int i = 0; i < rows; ++i) {
    COLORREF color = GetGradientColor(i, to, from, 0, red, green, blue);
    if (DrawLine(band.left + 1, y + i, band.left + 1 + band.Width(), y + i, color)) any = true;
  }
  return any;
}

bool CTabControl::DrawTopBand() {
  return DrawGradientLines(GetBandRect(), m_stripRect.bottom + 1, 10, kBandTopColor, GetBandColor());
}

bool CTabControl::DrawPageGradient() {
  CRect band = GetBandRect();
  int top = m_stripRect.bottom + 11;
  return DrawGradientLines(band, top, band.bottom - (m_stripRect.bottom + 10), GetBandColor(),
                           GetPageColor());
}

bool CTabControl::PaintTabs() {
  CDC* dc = GetOffScreenContext();
  if (dc == NULL) return false;
  CRect client;
  GetClientRect(&client);
  dc->FillSolidRect(&client, GetPageColor());
  DrawTopBand();
  DrawPageGradient();
  HDC hdc = dc->m_hDC;
  CTKScopedPen pen(::CreatePen(PS_SOLID, 1, kFrameColor));
  CTKScopedBrush brush(::CreateSolidBrush(GetBackgroundColor()));
  CTKSelectGuard selectPen(hdc, pen.Get());
  CTKSelectGuard selectBrush(hdc, brush.Get());
  CRect f = GetFrameRect();
  if (m_bSquareFrame) return ::Rectangle(hdc, f.left, f.top, f.right, f.bottom) != FALSE;
  bool drawn = ::RoundRect(hdc, f.left, f.top, f.right, f.bottom, 8, 8) != FALSE;
  // The top-left corner joins the strip square; the other corners stay round.
  const POINT light[] = {{f.left + 1, f.top + 1}, {f.left + 2, f.top + 1}, {f.left + 1, f.top + 2}};
  for (const POINT& p : light) ::SetPixel(hdc, p.x, p.y, kBandTopColor);
  const POINT dark[] = {{f.left, f.top},     {f.left, f.top + 1}, {f.left, f.top + 2},
                        {f.left + 1, f.top}, {f.left + 2, f.top}};
  for (const POINT& p : dark) ::SetPixel(hdc, p.x, p.y, kFrameColor);
  for (int i = 0; i < 3; ++i)
    DrawLine(f.left + 4 + i, f.bottom + i, f.right - 4 - i, f.bottom + i, kShadowColors[i]);
  const POINT shade[] = {{f.left, f.bottom - 2},      {f.left, f.bottom - 3},
                         {f.left + 1, f.bottom - 1},  {f.left + 2, f.bottom - 1},
                         {f.left + 2, f.bottom},      {f.left + 3, f.bottom},
                         {f.left + 3, f.bottom + 1},  {f.left + 4, f.bottom + 1},
                         {f.right - 1, f.bottom - 2}, {f.right - 1, f.bottom - 3},
                         {f.right - 2, f.bottom - 1}, {f.right - 3, f.bottom - 1},
                         {f.right - 3, f.bottom},     {f.right - 4, f.bottom},
                         {f.right - 4, f.bottom + 1}, {f.right - 5, f.bottom + 1}};
  for (const POINT& p : shade) ::SetPixel(hdc, p.x, p.y, kCornerShade);
  return drawn;
}

bool CTabControl::DrawTabs() {
  if (GetOffScreenContext() == NULL || GetTabCount() == 0) return false;
  bool any = false;
  for (CTabControlTab* tab = IterateFirst(); tab != NULL; tab = IterateNext())
    if (tab->Draw()) any = true;
  EndIteration();
  return any;
}
