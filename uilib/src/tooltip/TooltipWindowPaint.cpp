// CTooltipWindow: the picture: gradient, rounded frame, white corners, lines.
#include "uilib/TooltipWindow.h"

#include "common/TKScopedHandle.h"
#include "uilib/UIUtilities.h"

namespace {

const int kCornerSize = 8;
const int kTextMargin = 5;

// The white corner pixels outside the rounded frame: each corner and the
// two pixels next to it along both edges.
void PaintCorners(HDC dc, const RECT& client) {
  const int right = client.right - 1, bottom = client.bottom - 1;
  const POINT corners[] = {{0, 0}, {right, 0}, {0, bottom}, {right, bottom}};
  for (const POINT& corner : corners) {
    const int dx = corner.x == 0 ? 1 : -1, dy = corner.y == 0 ? 1 : -1;
    for (int i = 0; i < 3; ++i) {
      ::SetPixel(dc, corner.x + i * dx, corner.y, RGB(255, 255, 255));
      ::SetPixel(dc, corner.x, corner.y + i * dy, RGB(255, 255, 255));
    }
  }
}

}  // namespace

void CTooltipWindow::PaintContent(HDC dc, const RECT& client) {
  const int height = client.bottom - client.top;
  double red = 0, green = 0, blue = 0;
  ComputeGradientSteps(height, RGB(255, 255, 255), kGradientBottom, &red, &green, &blue);
  for (int y = 0; y < height; ++y) {
    const COLORREF color =
        GetGradientColor(y, kGradientBottom, RGB(255, 255, 255), 0, -red, -green, -blue);
    CTKScopedPen pen(::CreatePen(PS_SOLID, 1, color));
    CTKSelectGuard select(dc, pen.Get());
    ::MoveToEx(dc, client.left, y, NULL);
    ::LineTo(dc, client.right, y);
  }
  {
    CTKScopedPen pen(::CreatePen(PS_SOLID, 1, kFrameColor));
    CTKSelectGuard selectPen(dc, pen.Get());
    CTKSelectGuard selectBrush(dc, ::GetStockObject(HOLLOW_BRUSH));
    ::RoundRect(dc, client.left, client.top, client.right, client.bottom, kCornerSize, kCornerSize);
  }
  PaintCorners(dc, client);
  ::SetBkMode(dc, TRANSPARENT);
  ::SetTextColor(dc, m_textColor);
  int y = kTextMargin;
  for (void* item = m_lines.IterateFirst(); item != nullptr; item = m_lines.IterateNext()) {
    CTesselString& line = *static_cast<CTesselString*>(item);
    const SIZE size = MeasureLine(dc, line);
    if (!line.IsEmpty()) {
      if (line.IsWide()) {
        const wchar_t* text = line.GetWideText();
        ::TextOutW(dc, kTextMargin, y, text, lstrlenW(text));
      } else {
        const char* text = line.GetText();
        ::TextOutA(dc, kTextMargin, y, text, lstrlenA(text));
      }
    }
    y += size.cy;
  }
  m_lines.IterateEnd();
}

void CTooltipWindow::OnPaint() {
  CPaintDC paint(this);
  if (m_lines.GetCount() < 1 || m_pOwnerWindow == nullptr || m_bVisible == 0) return;
  ::BringWindowToTop(m_hWnd);
  if (!m_offScreen.Create()) return;
  const RECT client = m_offScreen.GetClientRect();
  HDC dc = m_offScreen.GetMemoryDC();
  {
    CTKScopedFont font(CreateTooltipFont());
    CTKSelectGuard select(dc, font.Get());
    PaintContent(dc, client);
  }
  ::BitBlt(paint.m_hDC, 0, 0, client.right - client.left, client.bottom - client.top, dc, 0, 0,
           SRCCOPY);
  m_offScreen.Release();
  ValidateRect(NULL);
}
