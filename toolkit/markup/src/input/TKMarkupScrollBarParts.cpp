// The markup scroll bar's layout, hit test and position mapping.
#include "TKMarkupScrollBarParts.h"

#include <algorithm>

#include "common/TKScrollBase.h"

void TKMarkupCalcScrollBarInfo(const RECT& rc, const SCROLLINFO& si, BOOL bVertical,
                               int nArrowMetric, TK_MARKUP_SCROLLBAR_POSINFO* pInfo) {
  TK_MARKUP_SCROLLBAR_POSINFO& p = *pInfo;
  p.fVert = bVertical ? 1 : 0;
  p.rc = rc;
  if (bVertical) {
    p.pxTop = rc.top;
    p.pxBottom = rc.bottom;
    p.pxLeft = rc.left;
    p.pxRight = rc.right;
  } else {
    p.pxTop = rc.left;
    p.pxBottom = rc.right;
    p.pxLeft = rc.top;
    p.pxRight = rc.bottom;
  }
  const int A = nArrowMetric;
  p.cpxThumb = A;
  p.pos = si.nPos;
  p.page = static_cast<int>(si.nPage);
  p.posMin = si.nMin;
  p.posMax = si.nMax;

  // Arrows share a bar too short for both.
  int a = std::min(A, (p.pxBottom - p.pxTop) / 2);
  p.pxUpArrow = p.pxTop + a;
  p.pxDownArrow = p.pxBottom - a;

  int nRange = p.posMax - p.posMin + 1;
  if (p.page != 0 && nRange != 0)
    p.cpxThumb =
        std::max(MulDiv(p.pxBottom - p.pxTop - 2 * a, p.page, nRange), std::max(A / 2, 16));
  p.pxMin = p.pxTop + a;
  p.cpx = p.pxBottom - p.pxMin - p.cpxThumb - a;

  int nPage = p.page != 0 ? p.page : 1;
  if (nRange == nPage) {
    p.pxThumbTop = p.pxMin;
  } else {
    p.pxThumbTop = p.pxMin + MulDiv(p.pos - p.posMin, p.cpx, nRange - nPage);
  }
  p.pxThumbBottom = p.pxThumbTop + p.cpxThumb;
}

BOOL TKMarkupIsScrollBarEnabled(const SCROLLINFO& si) {
  return si.nMax - static_cast<int>(si.nPage) - si.nMin + 1 > 0;
}

int TKMarkupHitTestScrollBar(const TK_MARKUP_SCROLLBAR_POSINFO& info, BOOL bEnabled, POINT pt) {
  if (!bEnabled || !::PtInRect(&info.rc, pt)) return TKMSB_HT_NONE;
  int c = info.fVert ? pt.y : pt.x;
  if (c < info.pxUpArrow) return TKMSB_HT_UP;
  if (c >= info.pxDownArrow) return TKMSB_HT_DOWN;
  if (c < info.pxThumbTop) return TKMSB_HT_PAGEUP;
  if (c < info.pxThumbBottom) return TKMSB_HT_THUMB;
  if (c < info.pxDownArrow) return TKMSB_HT_PAGEDOWN;
  return TKMSB_HT_NOWHERE;
}

int TKMarkupScrollPosFromThumb(const TK_MARKUP_SCROLLBAR_POSINFO& info, int px) {
  // The toolkit's own scroll bar maps thumb pixels the same way.
  TK_SCROLLBAR_LAYOUT layout = {};
  layout.nMin = info.posMin;
  layout.nMax = info.posMax;
  layout.nPage = info.page;
  layout.nPos = info.pos;
  layout.pxThumbMin = info.pxMin;
  layout.pxThumbRange = info.cpx;
  return ScrollPosFromTrackOffset(&layout, px);
}

RECT TKMarkupScrollBarPartRect(const TK_MARKUP_SCROLLBAR_POSINFO& info, int nFrom, int nTo) {
  RECT rc;
  if (info.fVert)
    ::SetRect(&rc, info.pxLeft, nFrom, info.pxRight, nTo);
  else
    ::SetRect(&rc, nFrom, info.pxLeft, nTo, info.pxRight);
  return rc;
}

RECT TKMarkupCalcTrackDragRect(const TK_MARKUP_SCROLLBAR_POSINFO& info) {
  int nWidth = info.pxRight - info.pxLeft;
  int nThumb = ::GetSystemMetrics(info.fVert ? SM_CYVTHUMB : SM_CXHTHUMB);
  RECT rc = TKMarkupScrollBarPartRect(info, info.pxTop - 2 * nThumb, info.pxBottom + 2 * nThumb);
  if (info.fVert) {
    rc.left = info.pxLeft - 8 * nWidth;
    rc.right = info.pxRight + 8 * nWidth;
  } else {
    rc.top = info.pxLeft - 8 * nWidth;
    rc.bottom = info.pxRight + 8 * nWidth;
  }
  return rc;
}

HBRUSH TKMarkupScrollBarTrackBrush(HDC hDC) {
  HWND hDesktop = ::GetDesktopWindow();
  DWORD dwProcess = 0;
  ::GetWindowThreadProcessId(hDesktop, &dwProcess);
  if (dwProcess == ::GetCurrentProcessId()) {
    HBRUSH hBrush = reinterpret_cast<HBRUSH>(::SendMessageA(hDesktop, WM_CTLCOLORSCROLLBAR,
                                                            reinterpret_cast<WPARAM>(hDC),
                                                            reinterpret_cast<LPARAM>(hDesktop)));
    if (hBrush != nullptr) return hBrush;
  }
  return ::GetSysColorBrush(COLOR_SCROLLBAR);
}
