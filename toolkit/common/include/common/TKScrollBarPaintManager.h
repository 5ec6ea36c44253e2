// The paint managers of the toolkit's scroll bars: metrics, the part layout
// and the drawing order in the base, the look of each part in the themes.
#pragma once

#include <afxwin.h>

#include "common/TKScrollBase.h"

/// The part rectangles of one drawing. Across the axis every rectangle spans
/// the whole bar; without room or range the thumb is empty at the arrow end.
struct TK_SCROLLBAR_PARTS {
  BOOL bEnabled;
  RECT rcBar;
  RECT rcArrowFirst;   ///< up or left
  RECT rcArrowSecond;  ///< down or right
  RECT rcTrack;
  RECT rcPageBefore;
  RECT rcThumb;
  RECT rcPageAfter;
};

void CalcVertScrollBarParts(CTKScrollBase* pScroll, TK_SCROLLBAR_PARTS* pParts);
void CalcHorzScrollBarParts(CTKScrollBase* pScroll, TK_SCROLLBAR_PARTS* pParts);

/// Draws a CTKScrollBase from its layout: the background, arrow buttons,
/// arrow glyphs, track and thumb of its orientation in that order, or its
/// size box. The part operations of the base draw nothing; each theme
/// paints them its way. Owned by a command-bars paint manager.
class CTKScrollBarPaintManager {
 public:
  CTKScrollBarPaintManager();
  virtual ~CTKScrollBarPaintManager() = default;

  virtual void DrawScrollBar(CDC* pDC, CTKScrollBase* pScroll);
  /// The system metrics and colours.
  virtual void RefreshMetrics();

  virtual void DrawBackgroundH(CDC*, CTKScrollBase*, const TK_SCROLLBAR_PARTS&) {}
  virtual void DrawBackgroundV(CDC*, CTKScrollBase*, const TK_SCROLLBAR_PARTS&) {}
  virtual void DrawArrowButtonsH(CDC*, CTKScrollBase*, const TK_SCROLLBAR_PARTS&) {}
  virtual void DrawArrowButtonsV(CDC*, CTKScrollBase*, const TK_SCROLLBAR_PARTS&) {}
  virtual void DrawArrowGlyphsH(CDC*, CTKScrollBase*, const TK_SCROLLBAR_PARTS&) {}
  virtual void DrawArrowGlyphsV(CDC*, CTKScrollBase*, const TK_SCROLLBAR_PARTS&) {}
  virtual void DrawTrackH(CDC*, CTKScrollBase*, const TK_SCROLLBAR_PARTS&) {}
  virtual void DrawTrackV(CDC*, CTKScrollBase*, const TK_SCROLLBAR_PARTS&) {}
  virtual void DrawThumbH(CDC*, CTKScrollBase*, const TK_SCROLLBAR_PARTS&) {}
  virtual void DrawThumbV(CDC*, CTKScrollBase*, const TK_SCROLLBAR_PARTS&) {}
  virtual void DrawSizeGrip(CDC*, CTKScrollBase*) {}

  /// Glyph "0" + nCode of the toolkit's glyph font (0 left, 1 right, 2 up,
  /// 3 down) centred in the rectangle; nothing in a rectangle whose smaller
  /// side is below 6 scaled pixels. -1 is black, or the shadow colour when
  /// disabled.
  void DrawArrowGlyph(CDC* pDC, const RECT& rc, int nCode, BOOL bEnabled, COLORREF clr);

  int m_cxHScroll;  ///< horizontal arrow width
  int m_cyHScroll;  ///< horizontal bar height
  int m_cyVScroll;  ///< vertical arrow height
  int m_cxVScroll;  ///< vertical bar width
  /// A positive value is the thumb's length; such a thumb never snaps back.
  int m_nThumbSize;
  COLORREF m_clrFace;
  COLORREF m_clrButtonFace;
  COLORREF m_clrShadow;
  COLORREF m_clrButtonShadow;
  COLORREF m_clrThumbFace;
};
