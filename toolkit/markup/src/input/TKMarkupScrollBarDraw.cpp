// Drawing a markup scroll bar: through the "SCROLLBAR" visual style when the
// application is themed, else like the classic system scroll bar.
#include "TKMarkupScrollBarParts.h"

#include <uxtheme.h>
#include <vsstyle.h>

#include "common/TKWinThemeWrapper.h"

namespace {

/// The rectangles of the parts, already moved to the DC's coordinates.
struct PartRects {
  RECT first, second, track, before, thumb, after;
};

RECT Moved(RECT rc, POINT ptOffset) {
  ::OffsetRect(&rc, ptOffset.x, ptOffset.y);
  return rc;
}

PartRects LayOut(const TK_MARKUP_SCROLLBAR_POSINFO& p, POINT ptOffset, int nBefore, int nThumb) {
  PartRects r;
  r.first = Moved(TKMarkupScrollBarPartRect(p, p.pxTop, p.pxUpArrow), ptOffset);
  r.second = Moved(TKMarkupScrollBarPartRect(p, p.pxDownArrow, p.pxBottom), ptOffset);
  r.track = Moved(TKMarkupScrollBarPartRect(p, p.pxUpArrow, p.pxDownArrow), ptOffset);
  int nThumbStart = p.pxUpArrow + nBefore;
  int nThumbEnd = nThumbStart + nThumb;
  r.before = Moved(TKMarkupScrollBarPartRect(p, p.pxUpArrow, nThumbStart), ptOffset);
  r.thumb = Moved(TKMarkupScrollBarPartRect(p, nThumbStart, nThumbEnd), ptOffset);
  r.after = Moved(TKMarkupScrollBarPartRect(p, nThumbEnd, p.pxDownArrow), ptOffset);
  return r;
}

int ThemeState(const TK_MARKUP_SCROLLBAR_DRAWSTATE& s, int nPart) {
  if (!s.bEnabled) return SCRBS_DISABLED;
  if (s.nPressedPart == nPart) return SCRBS_PRESSED;
  if (s.nHotPart == nPart) return SCRBS_HOT;
  return SCRBS_NORMAL;
}

void DrawThemed(HDC hDC, const TK_MARKUP_SCROLLBAR_POSINFO& p, const PartRects& r,
                const TK_MARKUP_SCROLLBAR_DRAWSTATE& s) {
  CTKWinThemeWrapper* pTheme = s.pTheme;
  // Arrow states come in groups of four: up, down, left, right.
  int nFirstBase = p.fVert ? 0 : 8;
  pTheme->DrawThemeBackground(hDC, SBP_ARROWBTN, nFirstBase + ThemeState(s, TKMSB_HT_UP), &r.first,
                              nullptr);
  pTheme->DrawThemeBackground(hDC, SBP_ARROWBTN, nFirstBase + 4 + ThemeState(s, TKMSB_HT_DOWN),
                              &r.second, nullptr);
  if (::IsRectEmpty(&r.track)) return;
  if (!::IsRectEmpty(&r.before))
    pTheme->DrawThemeBackground(hDC, p.fVert ? SBP_LOWERTRACKVERT : SBP_LOWERTRACKHORZ,
                                ThemeState(s, TKMSB_HT_PAGEUP), &r.before, nullptr);
  if (!::IsRectEmpty(&r.thumb)) {
    int nState = ThemeState(s, TKMSB_HT_THUMB);
    pTheme->DrawThemeBackground(hDC, p.fVert ? SBP_THUMBBTNVERT : SBP_THUMBBTNHORZ, nState,
                                &r.thumb, nullptr);
    int nLength = p.fVert ? r.thumb.bottom - r.thumb.top : r.thumb.right - r.thumb.left;
    if (nLength > 13)
      pTheme->DrawThemeBackground(hDC, p.fVert ? SBP_GRIPPERVERT : SBP_GRIPPERHORZ, nState,
                                  &r.thumb, nullptr);
  }
  if (!::IsRectEmpty(&r.after))
    pTheme->DrawThemeBackground(hDC, p.fVert ? SBP_UPPERTRACKVERT : SBP_UPPERTRACKHORZ,
                                ThemeState(s, TKMSB_HT_PAGEDOWN), &r.after, nullptr);
}

void DrawClassic(HDC hDC, const TK_MARKUP_SCROLLBAR_POSINFO& p, PartRects r,
                 const TK_MARKUP_SCROLLBAR_DRAWSTATE& s) {
  UINT nInactive = s.bEnabled ? 0 : DFCS_INACTIVE;
  UINT nFirst = (p.fVert ? DFCS_SCROLLUP : DFCS_SCROLLLEFT) | nInactive;
  UINT nSecond = (p.fVert ? DFCS_SCROLLDOWN : DFCS_SCROLLRIGHT) | nInactive;
  if (s.nPressedPart == TKMSB_HT_UP) nFirst |= DFCS_PUSHED;
  if (s.nPressedPart == TKMSB_HT_DOWN) nSecond |= DFCS_PUSHED;
  ::DrawFrameControl(hDC, &r.first, DFC_SCROLL, nFirst);
  ::DrawFrameControl(hDC, &r.second, DFC_SCROLL, nSecond);

  if (::IsRectEmpty(&r.track)) return;
  COLORREF clrOldBack = ::SetBkColor(hDC, ::GetSysColor(COLOR_BTNHIGHLIGHT));
  COLORREF clrOldText = ::SetTextColor(hDC, ::GetSysColor(COLOR_BTNFACE));
  ::FillRect(hDC, &r.track, TKMarkupScrollBarTrackBrush(hDC));
  if (s.nPressedPart == TKMSB_HT_PAGEUP) ::InvertRect(hDC, &r.before);
  if (s.nPressedPart == TKMSB_HT_PAGEDOWN) ::InvertRect(hDC, &r.after);
  if (!::IsRectEmpty(&r.thumb)) {
    ::SetBkColor(hDC, ::GetSysColor(COLOR_BTNFACE));
    ::ExtTextOutA(hDC, 0, 0, ETO_OPAQUE, &r.thumb, nullptr, 0, nullptr);
    ::DrawEdge(hDC, &r.thumb, EDGE_RAISED, BF_RECT | BF_ADJUST);
  }
  ::SetBkColor(hDC, clrOldBack);
  ::SetTextColor(hDC, clrOldText);
}

}  // namespace

void TKMarkupDrawScrollBar(HDC hDC, POINT ptOffset, const TK_MARKUP_SCROLLBAR_POSINFO& p,
                           const TK_MARKUP_SCROLLBAR_DRAWSTATE& s) {
  if (p.pxRight - p.pxLeft < 1) return;
  int nBefore = p.pxThumbTop - p.pxUpArrow;
  int nThumb = p.pxThumbBottom - p.pxThumbTop;
  // No thumb when the bar is off or the thumb does not fit the track.
  if (!s.bEnabled || p.pxDownArrow < p.pxThumbBottom) nBefore = nThumb = 0;
  PartRects r = LayOut(p, ptOffset, nBefore, nThumb);
  if (s.pTheme != nullptr && s.pTheme->IsAppThemedAndOpen())
    DrawThemed(hDC, p, r, s);
  else
    DrawClassic(hDC, p, r, s);
}
