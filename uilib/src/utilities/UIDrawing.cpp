// Text measuring and the frames drawn around windows.
#include <string.h>

#include <afxwin.h>

#include "common/TKScopedHandle.h"
#include "uilib/UIUtilities.h"

namespace {

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
  if (!::IsWindow(hWnd)) return false;
  CWindowDC dc(CWnd::FromHandle(hWnd));
  const RECT rc = WindowRectAtOrigin(hWnd);
  const COLORREF white = RGB(255, 255, 255);
  DrawLineInColor(dc.GetSafeHdc(), white, rc.left, rc.top, rc.left, rc.bottom - 1);
  DrawLineInColor(dc.GetSafeHdc(), white, rc.right - 1, rc.top, rc.right - 1, rc.bottom - 1);
  DrawLineInColor(dc.GetSafeHdc(), bColoredTop ? color : white, rc.left, rc.top, rc.right, rc.top);
  return DrawLineInColor(dc.GetSafeHdc(), color, rc.left, rc.bottom - 1, rc.right, rc.bottom - 1) !=
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
  if (!::IsWindow(hWnd)) return FALSE;
  CWindowDC dc(CWnd::FromHandle(hWnd));
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
  CTKSelectGuard selectPen(dc.GetSafeHdc(), pen.Get());
  CTKSelectGuard selectBrush(dc.GetSafeHdc(), ::GetStockObject(NULL_BRUSH));
  return ::Rectangle(dc.GetSafeHdc(), rc.left, rc.top, rc.right, rc.bottom);
}

bool DrawControlFrame(HWND hWnd, COLORREF color) { return DrawFrameLines(hWnd, color, true); }

bool DrawControlFrameBottomLine(HWND hWnd, COLORREF color) {
  return DrawFrameLines(hWnd, color, false);
}
