// The working state of one layout pass over a bar's controls.
#pragma once

#include <afxwin.h>

#include <vector>

class CTKCommandBar;
class CTKControl;

/// One control during a pass.
struct TK_LAYOUT_RECORD {
  CRect rcControl;
  CRect rcRow;
  int cx;
  int cy;
  BOOL bVisible;  ///< visible apart from lack of room
  BOOL bWrap;     ///< starts a row or column
  BOOL bHide;     ///< no room
  BOOL bBeginGroup;
  int nStyle;          ///< the style the pass gives the control
  int nMeasuredStyle;  ///< the control's effective style when cx, cy were measured
  CTKControl* pControl;
};

struct TK_LAYOUT {
  std::vector<TK_LAYOUT_RECORD> items;
  CDC* pDC;
  CTKCommandBar* pBar;
  CSize szSeparator;  ///< between groups
  CSize szSpacing;    ///< between neighbours, along and across the bar
  DWORD dwWrapMode;   ///< the mode bits the shape searches wrap with
};

/// The extent along (or across) the bar's axis of a rectangle or size.
inline LONG& AxisLow(CRect& rc, BOOL bVertical) { return bVertical ? rc.top : rc.left; }
inline LONG& AxisHigh(CRect& rc, BOOL bVertical) { return bVertical ? rc.bottom : rc.right; }
inline LONG& CrossLow(CRect& rc, BOOL bVertical) { return bVertical ? rc.left : rc.top; }
inline LONG& CrossHigh(CRect& rc, BOOL bVertical) { return bVertical ? rc.right : rc.bottom; }
