// CTKMarkupButton: the push button, drawn through the "BUTTON" visual style or
// with the classic system colours, or with frame colours derived from its
// Background.
#pragma once

#include "TKMarkupButtonBase.h"

/// Lengths are 96-DPI units scaled with the context: 4 units of chrome
/// around the content plus the Padding.
class CTKMarkupButton : public CTKMarkupButtonBase {
  DECLARE_MARKUP_TYPE()
  DECLARE_MARKUP_FACTORY()

 public:
  CSize MeasureOverride(CTKMarkupDrawingContext* pDC, int nAvailableWidth,
                        int nAvailableHeight) override;
  /// A pressed button drawn classically shows its content one unit right
  /// and down.
  CSize ArrangeOverride(int nFinalWidth, int nFinalHeight) override;
  void OnRender(CTKMarkupDrawingContext* pDC) override;
  void OnRenderFocusVisual(CTKMarkupDrawingContext* pDC) override;

  /// The face, light, shadow and dark colours of a Background colour.
  static void GetFrameColors(COLORREF clrFace, COLORREF* pLight, COLORREF* pShadow,
                             COLORREF* pDark);
};
