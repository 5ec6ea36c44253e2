// Text measuring and the frames drawn around windows.
#include <string.h>

#include "common/TKScopedHandle.h"
#include "uilib/UIUtilities.h"

namespace {

/// A window's DC with its non-client area, released with it.
class CWholeWindowDC {
 public:
  explicit CWholeWindowDC(HWND hWnd) : m_hWnd(hWnd), m_hDC(::GetWindowDC(hWnd)) {}
  ~CWholeWindowDC() {
    if (m_hDC != NULL) ::ReleaseDC(m_hWnd, m_hDC);
  }
  CWholeWindowDC(const CWholeWindowDC&) = delete;
  CWholeWindowDC& operator=(const CWholeWindowDC&) = delete;
  HDC Get() const { return m_hDC; }

 private:
  HWND m_hWnd;
  HDC m_hDC;
};

/// The window rectangle moved to the origin.
RECT WindowRectAtOrigin(HWND hWnd) {
  RECT rc = {0, 0, 0, 0};
  ::GetWindowRect(hWnd, &rc);
  ::OffsetRect(&rc, -rc.left, -rc.top);
  return rc;
}

BOOL DrawLineInColor(HDC hDC, COLORREF color, int x1, int y1, int x2, int y2) {
  CTKScopedPen pen(::CreatePen(PS_SOLID, 1, color));
  CTKSelectGuard selectPen(hDC, pen.Get());
  ::MoveToEx(hDC, x1, y1, NULL);
  return ::LineTo(hDC, x2, y2);
}

/// White side columns, the top row white or in the colour, the bottom row in
/// the colour; whether the last line was drawn.
bool DrawFrameLines(HWND hWnd, COLORREF color, bool bColoredTop) {
  CWholeWindowDC dc(hWnd);
  if (dc.Get() == NULL) return false;
  const RECT rc = WindowRectAtOrigin(hWnd);
  const COLORREF white = RGB(255, 255, 255);
  DrawLineInColor(dc.Get(), white, rc.left, rc.top, rc.left, rc.bottom - 1);
  DrawLineInColor(dc.Get(), white, rc.right - 1, rc.top, rc.right - 1, rc.bottom - 1);
  DrawLineInColor(dc.Get(), bColoredTop ? color : white, rc.left, rc.top, rc.right, rc.top);
  return DrawLineInColor(dc.Get(), color, rc.left, rc.bottom - 1, rc.right, rc.bottom - 1) !=
         FALSE;
}

}  // namespace

int GetTextWidth(HDC hDC, const char* pszText) {
  SIZE size = {0, 0};
  if (hDC == NULL || pszText == nullptr ||
      !::GetTextExtentPoint32A(hDC, pszText, static_cast<int>(strlen(pszText)), &size))
    return 0;
  return size.cx;
}

int GetCharWidth(HDC hDC, const char* pszChar) {
  SIZE size = {0, 0};
  if (hDC == NULL || pszChar == nullptr || !::GetTextExtentPoint32A(hDC, pszChar, 1, &size))
    return 0;
  return size.cx;
}

bool TextFitsWidth(HDC hDC, CTesselString& text, int left, int /*top*/, int right,
                   int /*bottom*/, int nMargin) {
  if (text.IsEmpty() || hDC == NULL) return true;
  return GetTextWidth(hDC, text.GetText()) <= right - left - nMargin;
}

BOOL DrawWindowFrame(HWND hWnd, COLORREF color, int nPenWidth) {
  CWholeWindowDC dc(hWnd);
  if (dc.Get() == NULL) return FALSE;
  RECT rc = WindowRectAtOrigin(hWnd);
  if (nPenWidth > 1) {
    rc.top += nPenWidth - 1;
    rc.left += nPenWidth - 1;
  }
  if (nPenWidth > 2) {
    rc.right -= nPenWidth - 1;
    rc.bottom -= nPenWidth - 1;
  }
  CTKScopedPen pen(::CreatePen(PS_SOLID, nPenWidth, color));
  CTKSelectGuard selectPen(dc.Get(), pen.Get());
  CTKSelectGuard selectBrush(dc.Get(), ::GetStockObject(NULL_BRUSH));
  return ::Rectangle(dc.Get(), rc.left, rc.top, rc.right, rc.bottom);
}

bool DrawControlFrame(HWND hWnd, COLORREF color) { return DrawFrameLines(hWnd, color, true); }

bool DrawControlFrameBottomLine(HWND hWnd, COLORREF color) {
  return DrawFrameLines(hWnd, color, false);
}
