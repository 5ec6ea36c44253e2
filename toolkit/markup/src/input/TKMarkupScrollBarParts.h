// Where the parts of a markup scroll bar lie, which part a point hits, and how
// the bar is drawn: pure computations over the bar's position data, shared by
// the scroll-bar element and its modal tracking.
#pragma once

#include <afxwin.h>

class CTKWinThemeWrapper;

/// Hit codes of the parts (the toolkit's own scroll bar uses the same 60..64).
enum {
  TKMSB_HT_NONE = 0,       ///< outside the bar, or the bar is disabled
  TKMSB_HT_UP = 60,        ///< first arrow (up or left)
  TKMSB_HT_DOWN = 61,      ///< second arrow (down or right)
  TKMSB_HT_PAGEUP = 62,    ///< track before the thumb
  TKMSB_HT_PAGEDOWN = 63,  ///< track after the thumb
  TKMSB_HT_THUMB = 64,
  TKMSB_HT_NOWHERE = -2,  ///< inside the bar but on no part
};

/// The repeat timer of a pressed arrow or page, on the tracking window.
#define TKMSB_TIMER_REPEAT 23345

/// The bar's layout. "Along" is y for a vertical bar and x for a horizontal
/// one; every pixel value is in the bar's own coordinates.
struct TK_MARKUP_SCROLLBAR_POSINFO {
  int posMin, posMax, page, pos;  ///< copied from the SCROLLINFO
  int pxTop, pxBottom;            ///< the bar's extent along the axis
  int pxLeft, pxRight;            ///< its extent across the axis
  int cpxThumb;                   ///< thumb length
  int pxUpArrow;                  ///< end of the first arrow
  int pxDownArrow;                ///< start of the second arrow
  int pxStart;                    ///< thumb start when a drag began
  int pxThumbBottom, pxThumbTop;
  int cpx;    ///< how far the thumb start can travel
  int pxMin;  ///< first pixel of the thumb start
  RECT rc;    ///< the bar rectangle
  int ht;     ///< the part under the pointer (or being tracked)
  int fVert;  ///< 1 for a vertical bar
};

/// One modal tracking, allocated zeroed when it starts.
struct TK_MARKUP_SCROLLBAR_TRACKINFO {
  int inside;    ///< the pointer is inside rcTrack
  RECT rcTrack;  ///< the pressed part, or where a dragged thumb stays active
  int cmd;       ///< SB_LINEUP .. SB_PAGEDOWN, 4 for the thumb, -1 for none
  UINT_PTR nTimerId;
  int dpxThumb;        ///< thumb start minus the pointer coordinate
  int pxOld;           ///< thumb start last applied
  int posOld, posNew;  ///< positions while dragging
  HWND hwnd;           ///< the window whose messages are pumped
  BOOL bThumbTracking;
  TK_MARKUP_SCROLLBAR_POSINFO* pPosInfo;  ///< not owned
};

/// Lays the bar out in `rc` from the SCROLLINFO (nMin, nMax, nPage, nPos).
/// `nArrowMetric` is the system's arrow length (SM_CYVSCROLL for a vertical
/// bar, SM_CXHSCROLL for a horizontal one). Leaves ht and pxStart alone.
void TKMarkupCalcScrollBarInfo(const RECT& rc, const SCROLLINFO& si, BOOL bVertical,
                               int nArrowMetric, TK_MARKUP_SCROLLBAR_POSINFO* pInfo);

/// Whether the range is larger than the page.
BOOL TKMarkupIsScrollBarEnabled(const SCROLLINFO& si);

/// The part at a point in the bar's coordinates: 0 when the bar is disabled
/// or the point is outside rc, -2 inside on no part, else 60..64.
int TKMarkupHitTestScrollBar(const TK_MARKUP_SCROLLBAR_POSINFO& info, BOOL bEnabled, POINT pt);

/// The scroll position for a thumb start pixel.
int TKMarkupScrollPosFromThumb(const TK_MARKUP_SCROLLBAR_POSINFO& info, int px);

/// The rectangle in which a dragged thumb stays active: the bar widened by
/// eight bar widths on both sides across the axis, lengthened by two system
/// thumb sizes at both ends along it.
RECT TKMarkupCalcTrackDragRect(const TK_MARKUP_SCROLLBAR_POSINFO& info);

/// A rectangle over the bar's whole cross extent and [nFrom, nTo) along it.
RECT TKMarkupScrollBarPartRect(const TK_MARKUP_SCROLLBAR_POSINFO& info, int nFrom, int nTo);

/// The brush that fills a classic track. The desktop window answers
/// WM_CTLCOLORSCROLLBAR where it belongs to this process; where it does not
/// (its brush would mean nothing here) and where it gives none, the system
/// scroll-bar brush.
HBRUSH TKMarkupScrollBarTrackBrush(HDC hDC);

/// How a bar is drawn: the pressed and the hot part (0 for none), whether it
/// is enabled, and the theme to draw with (classic when null or not themed).
struct TK_MARKUP_SCROLLBAR_DRAWSTATE {
  int nPressedPart;
  int nHotPart;
  BOOL bEnabled;
  CTKWinThemeWrapper* pTheme;
};

/// Draws the bar on `hDC` with every rectangle moved by `ptOffset`.
void TKMarkupDrawScrollBar(HDC hDC, POINT ptOffset, const TK_MARKUP_SCROLLBAR_POSINFO& info,
                           const TK_MARKUP_SCROLLBAR_DRAWSTATE& state);
