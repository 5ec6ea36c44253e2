// The looks of the toolkit's scroll bars: classic Windows, visual styles,
// theme images, and the flat looks with fixed or theme colours.
#pragma once

#include "common/TKScrollBarPaintManager.h"

class CTKWinThemeWrapper;

/// The classic Windows look: frame-control arrows, the scroll-bar brush of
/// the parent window, a raised thumb, the frame-control size grip.
class CTKScrollBarThemeWindowsClassic : public CTKScrollBarPaintManager {
 public:
  void DrawArrowButtonsH(CDC* pDC, CTKScrollBase* pScroll, const TK_SCROLLBAR_PARTS& p) override;
  void DrawArrowButtonsV(CDC* pDC, CTKScrollBase* pScroll, const TK_SCROLLBAR_PARTS& p) override;
  void DrawTrackH(CDC* pDC, CTKScrollBase* pScroll, const TK_SCROLLBAR_PARTS& p) override;
  void DrawTrackV(CDC* pDC, CTKScrollBase* pScroll, const TK_SCROLLBAR_PARTS& p) override;
  void DrawSizeGrip(CDC* pDC, CTKScrollBase* pScroll) override;

  /// The classic drawing routines; the visual-styles look falls back to them.
  void DrawClassicVertArrows(CDC* pDC, CTKScrollBase* pScroll, const TK_SCROLLBAR_PARTS& p);
  void DrawClassicHorzArrows(CDC* pDC, CTKScrollBase* pScroll, const TK_SCROLLBAR_PARTS& p);
  /// The track in the parent's scroll-bar brush, the pressed page inverted,
  /// and the thumb.
  void DrawClassicTrack(CDC* pDC, CTKScrollBase* pScroll, const TK_SCROLLBAR_PARTS& p);
  void DrawClassicSizeGrip(CDC* pDC, CTKScrollBase* pScroll);

 protected:
  /// The part held down while tracking, else 0.
  static int PressedPart(const CTKScrollBase* pScroll);
};

/// The system's visual style "SCROLLBAR" when it is available, the classic
/// routines otherwise.
class CTKScrollBarThemeWindowsUx : public CTKScrollBarThemeWindowsClassic {
 public:
  CTKScrollBarThemeWindowsUx();
  ~CTKScrollBarThemeWindowsUx() override;

  /// The base metrics, then the style reopened.
  void RefreshMetrics() override;
  void DrawArrowButtonsH(CDC* pDC, CTKScrollBase* pScroll, const TK_SCROLLBAR_PARTS& p) override;
  void DrawArrowButtonsV(CDC* pDC, CTKScrollBase* pScroll, const TK_SCROLLBAR_PARTS& p) override;
  void DrawTrackH(CDC* pDC, CTKScrollBase* pScroll, const TK_SCROLLBAR_PARTS& p) override;
  void DrawTrackV(CDC* pDC, CTKScrollBase* pScroll, const TK_SCROLLBAR_PARTS& p) override;
  void DrawThumbH(CDC* pDC, CTKScrollBase* pScroll, const TK_SCROLLBAR_PARTS& p) override;
  void DrawThumbV(CDC* pDC, CTKScrollBase* pScroll, const TK_SCROLLBAR_PARTS& p) override;
  void DrawSizeGrip(CDC* pDC, CTKScrollBase* pScroll) override;

 protected:
  void DrawThemedArrows(CDC* pDC, CTKScrollBase* pScroll, const TK_SCROLLBAR_PARTS& p);
  void DrawThemedTrack(CDC* pDC, CTKScrollBase* pScroll, const TK_SCROLLBAR_PARTS& p);
  void DrawThemedThumb(CDC* pDC, CTKScrollBase* pScroll, const TK_SCROLLBAR_PARTS& p);

  CTKWinThemeWrapper* m_pTheme;
};

/// The images of the resource theme; scroll-base style 6 takes the dark ones.
class CTKScrollBarThemeResource : public CTKScrollBarPaintManager {
 public:
  /// Nothing without loaded images or a cross extent.
  void DrawScrollBar(CDC* pDC, CTKScrollBase* pScroll) override;
  void DrawBackgroundH(CDC* pDC, CTKScrollBase* pScroll, const TK_SCROLLBAR_PARTS& p) override;
  void DrawBackgroundV(CDC* pDC, CTKScrollBase* pScroll, const TK_SCROLLBAR_PARTS& p) override;
  void DrawArrowButtonsH(CDC* pDC, CTKScrollBase* pScroll, const TK_SCROLLBAR_PARTS& p) override;
  void DrawArrowButtonsV(CDC* pDC, CTKScrollBase* pScroll, const TK_SCROLLBAR_PARTS& p) override;
  void DrawArrowGlyphsH(CDC* pDC, CTKScrollBase* pScroll, const TK_SCROLLBAR_PARTS& p) override;
  void DrawArrowGlyphsV(CDC* pDC, CTKScrollBase* pScroll, const TK_SCROLLBAR_PARTS& p) override;
  void DrawTrackH(CDC* pDC, CTKScrollBase* pScroll, const TK_SCROLLBAR_PARTS& p) override;
  void DrawTrackV(CDC* pDC, CTKScrollBase* pScroll, const TK_SCROLLBAR_PARTS& p) override;
  void DrawThumbH(CDC* pDC, CTKScrollBase* pScroll, const TK_SCROLLBAR_PARTS& p) override;
  void DrawThumbV(CDC* pDC, CTKScrollBase* pScroll, const TK_SCROLLBAR_PARTS& p) override;
  void DrawSizeGrip(CDC* pDC, CTKScrollBase* pScroll) override;

  /// The state slice of an arrow: 0 disabled or idle, 1 another part active,
  /// 2 hot, 3 pressed.
  int GetArrowState(int nArrowPart) const;

 protected:
  void DrawBackground(CDC* pDC, const TK_SCROLLBAR_PARTS& p, BOOL bVertical);
  void DrawArrows(CDC* pDC, const TK_SCROLLBAR_PARTS& p, BOOL bVertical);
  void DrawGlyphs(CDC* pDC, const TK_SCROLLBAR_PARTS& p, BOOL bVertical);
  void DrawTrack(CDC* pDC, const TK_SCROLLBAR_PARTS& p, BOOL bVertical);
  void DrawThumb(CDC* pDC, const TK_SCROLLBAR_PARTS& p, BOOL bVertical);
  /// The parts with the bar's cross extent adjusted to the images.
  TK_SCROLLBAR_PARTS AdjustParts(const TK_SCROLLBAR_PARTS& p, BOOL bVertical) const;

  // The state of the bar being drawn.
  BOOL m_bLight = TRUE;
  int m_nPressed = -1;
  int m_nHot = -1;
  BOOL m_bEnabled = FALSE;
};

/// Flat colours, light or (scroll-base style 9) dark.
class CTKScrollBarThemeVisualStudio2012 : public CTKScrollBarPaintManager {
 public:
  /// The flat colours of one state.
  struct COLORS {
    COLORREF clrBackground, clrArrowDisabled, clrArrowNormal, clrArrowHot, clrArrowPressed,
        clrThumbNormal, clrThumbHot, clrThumbPressed;
  };

  /// Nothing without a cross extent. The pressed part counts only while the
  /// mouse stays over it (or the thumb is dragged).
  void DrawScrollBar(CDC* pDC, CTKScrollBase* pScroll) override;
  void DrawBackgroundH(CDC* pDC, CTKScrollBase* pScroll, const TK_SCROLLBAR_PARTS& p) override;
  void DrawBackgroundV(CDC* pDC, CTKScrollBase* pScroll, const TK_SCROLLBAR_PARTS& p) override;
  void DrawArrowButtonsH(CDC* pDC, CTKScrollBase* pScroll, const TK_SCROLLBAR_PARTS& p) override;
  void DrawArrowButtonsV(CDC* pDC, CTKScrollBase* pScroll, const TK_SCROLLBAR_PARTS& p) override;
  void DrawArrowGlyphsH(CDC* pDC, CTKScrollBase* pScroll, const TK_SCROLLBAR_PARTS& p) override;
  void DrawArrowGlyphsV(CDC* pDC, CTKScrollBase* pScroll, const TK_SCROLLBAR_PARTS& p) override;
  void DrawThumbH(CDC* pDC, CTKScrollBase* pScroll, const TK_SCROLLBAR_PARTS& p) override;
  void DrawThumbV(CDC* pDC, CTKScrollBase* pScroll, const TK_SCROLLBAR_PARTS& p) override;
  void DrawSizeGrip(CDC* pDC, CTKScrollBase* pScroll) override;

 protected:
  /// The colours of this drawing (the look's fixed colours by style).
  virtual void LoadColors(const CTKScrollBase* pScroll);
  COLORREF ArrowColor(int nArrowPart) const;
  void DrawThumb(CDC* pDC, const TK_SCROLLBAR_PARTS& p, BOOL bVertical);

  COLORS m_colors = {};
  int m_nPressed = -1;
  int m_nHot = -1;
  BOOL m_bEnabled = FALSE;
};

/// As Visual Studio 2012, with the colours of the theme text's section
/// "Common.ScrollBar" read on every drawing.
class CTKScrollBarThemeVisualStudio2015 : public CTKScrollBarThemeVisualStudio2012 {
 protected:
  void LoadColors(const CTKScrollBase* pScroll) override;
};

/// Flat parts with borders, 24 colours from "Common.ScrollBar".
class CTKScrollBarThemeOffice2013 : public CTKScrollBarPaintManager {
 public:
  /// The colours of one drawing.
  struct PART_COLORS {
    COLORREF clrBarBack;
    COLORREF clrFirstArrowBack, clrFirstArrowGlyph, clrFirstArrowBorder;
    COLORREF clrThumbBack, clrThumbBorder;
    COLORREF clrSecondArrowBack, clrSecondArrowGlyph, clrSecondArrowBorder;
  };
  enum { STATE_NORMAL, STATE_PRESSED, STATE_SELECTED, STATE_DISABLED, STATE_COUNT };
  enum {
    COL_BACK,
    COL_SCROLLBORDER,
    COL_SCROLLBACK,
    COL_SCROLLARROW,
    COL_THUMBBORDER,
    COL_THUMBBACK,
    COL_COUNT
  };

  void RefreshMetrics() override;
  void DrawScrollBar(CDC* pDC, CTKScrollBase* pScroll) override;
  void DrawBackgroundH(CDC* pDC, CTKScrollBase* pScroll, const TK_SCROLLBAR_PARTS& p) override;
  void DrawBackgroundV(CDC* pDC, CTKScrollBase* pScroll, const TK_SCROLLBAR_PARTS& p) override;
  void DrawArrowButtonsH(CDC* pDC, CTKScrollBase* pScroll, const TK_SCROLLBAR_PARTS& p) override;
  void DrawArrowButtonsV(CDC* pDC, CTKScrollBase* pScroll, const TK_SCROLLBAR_PARTS& p) override;
  void DrawArrowGlyphsH(CDC* pDC, CTKScrollBase* pScroll, const TK_SCROLLBAR_PARTS& p) override;
  void DrawArrowGlyphsV(CDC* pDC, CTKScrollBase* pScroll, const TK_SCROLLBAR_PARTS& p) override;
  void DrawThumbH(CDC* pDC, CTKScrollBase* pScroll, const TK_SCROLLBAR_PARTS& p) override;
  void DrawThumbV(CDC* pDC, CTKScrollBase* pScroll, const TK_SCROLLBAR_PARTS& p) override;
  void DrawSizeGrip(CDC* pDC, CTKScrollBase* pScroll) override;

  /// The nine colours for a hot part, a pressed part and the enabled state.
  virtual void GetPartColors(int nHot, int nPressed, BOOL bEnabled, PART_COLORS* pColors) const;

  /// The colour of a state row and column.
  COLORREF m_clr[STATE_COUNT][COL_COUNT] = {};

 protected:
  PART_COLORS m_parts = {};
  BOOL m_bEnabled = FALSE;
};
