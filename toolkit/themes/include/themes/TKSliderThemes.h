// The slider looks: drawn circles and a pentagon thumb (the base theme's),
// theme images, and flat lines in the Office 2013 and Visual Studio 2015
// colours. Sliders are horizontal; a vertical one draws nothing.
#pragma once

#include <vector>

#include "commandbars/TKSliderPaintManager.h"
#include "common/TKPaintManagerColor.h"

class CTKPaintManagerBase;

/// What every slider look reads of its bar before drawing.
struct TK_SLIDER_LAYOUT {
  CRect rcBar;
  CRect rcMinus;  ///< the minus button
  CRect rcPlus;   ///< the plus button
  /// The thumb's extent along the bar (empty when hidden).
  int xThumbStart, xThumbEnd;
  BOOL bThumbVisible;
};

/// FALSE for a vertical bar or one less than a pixel high. The thumb shows on
/// an enabled bar; a thumb past the plus button sits, empty, at the end of
/// the minus button.
BOOL CalcSliderLayout(CTKScrollBase* pScroll, TK_SLIDER_LAYOUT* pLayout);
/// The offsets into a track span `nSpan` wide of the ticks that lie within
/// it; FALSE when the bar has no ticks or an empty range, so that one tick
/// marks the middle instead.
BOOL CalcSliderTickOffsets(CTKScrollBase* pScroll, int nSpan, std::vector<int>* pOffsets);

class CTKSliderThemeOffice2007System : public CTKSliderPaintManager {
 public:
  explicit CTKSliderThemeOffice2007System(CTKPaintManagerBase* pOwner);
  void DrawScrollBar(CDC* pDC, CTKScrollBase* pScroll) override;

 protected:
  void DrawTick(CDC* pDC, int x, int y, COLORREF clrShadow, COLORREF clrHighlight);
  void DrawButton(CDC* pDC, const CRect& rc, BOOL bHot, BOOL bPressed, BOOL bPlus, COLORREF clrFace,
                  COLORREF clrShadow, COLORREF clrHighlight);
  void DrawThumb(CDC* pDC, const TK_SLIDER_LAYOUT& layout, BOOL bHot, BOOL bPressed,
                 COLORREF clrFace, COLORREF clrShadow, COLORREF clrHighlight);

  CTKPaintManagerBase* m_pOwner;
};

/// "SLIDERTRACK", "SLIDERTICK", "SLIDERUP", "SLIDERDOWN" and "SLIDERTHUMB".
class CTKSliderResourceTheme : public CTKSliderPaintManager {
 public:
  using CTKSliderPaintManager::CTKSliderPaintManager;
  /// Buttons and bar as big as a state of "SLIDERUP", when there is one.
  void RefreshMetrics() override;
  void DrawScrollBar(CDC* pDC, CTKScrollBase* pScroll) override;
};

/// Flat lines: a minus, a plus, the track and a block thumb.
class CTKSliderThemeOffice2013 : public CTKSliderPaintManager {
 public:
  using CTKSliderPaintManager::CTKSliderPaintManager;
  /// The colours of "CommandBars.Slider".
  void RefreshMetrics() override;
  /// Bars of kind 7 are drawn in the slider colour, others in the scroll-bar one.
  void DrawScrollBar(CDC* pDC, CTKScrollBase* pScroll) override;

  CTKPaintManagerColor m_clrSlider;
  CTKPaintManagerColor m_clrScrollBar;
  CTKPaintManagerColor m_clrHighlight;
};

/// The Office 2013 look, read from the dark theme's text.
class CTKSliderThemeVisualStudio2015 : public CTKSliderThemeOffice2013 {
 public:
  using CTKSliderThemeOffice2013::CTKSliderThemeOffice2013;
};
