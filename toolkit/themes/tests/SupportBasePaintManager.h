// The themes' test paint manager as the glyph, special-control, caption and
// animation tests use it: all of that drawing is the base's own; only the
// controls' glyphs and texts come in black ink, as the tests draw what they
// expect, with no faces under them.
#pragma once

#include "SupportThemePaintManager.h"

class CBaseGlyphsPaintManager : public CTestThemePaintManager {
 public:
  COLORREF GetControlTextColor(CTKControl*) override { return 0; }
  /// No faces: the glyphs stand alone on the surface.
  void DrawRectangle(CDC*, CRect, BOOL, BOOL, BOOL, BOOL, BOOL, int, int) override {}
};
