// The base of the frames drawn from markup drawings: the borders from six
// border drawings around the client area, then the caption band, its icon,
// buttons and text.
#pragma once

#include "themes/TKFramePaintManagerBase.h"

class CTKMarkupThemePart;

/// Owned by its command-bars paint manager like every frame theme.
class CTKRibbonMarkupFrameTheme : public CTKFramePaintManagerBase {
 public:
  /// The border drawings a theme hands out.
  enum FramePartKind {
    framePartTop = 0,
    framePartLeft = 1,
    framePartLeftCaption = 2,   ///< the left border beside the caption
    framePartRight = 3,
    framePartRightCaption = 4,  ///< the right border beside the caption
    framePartBottom = 5
  };

  explicit CTKRibbonMarkupFrameTheme(CTKPaintManagerBase* pOwner);

  /// Nothing for the resource and ribbon themes (ids 5 and 6), whose image
  /// frames these are not, nor for the flat families unless the loaded theme
  /// text names them; else the borders, and the caption when the hook draws it.
  void DrawFrame(CDC* pDC, CTKCommandBarsFrameHook* pHook) override;
  /// The six border drawings, each into its strip of the window.
  virtual void DrawFrameBorders(CDC* pDC, CTKCommandBarsFrameHook* pHook);
  /// The drawing of a border kind, or null (nothing is drawn there).
  virtual CTKMarkupThemePart* GetFramePart(int nKind, BOOL bActive) = 0;

 protected:
  /// Whether a frame of the owner's theme is drawn at all.
  BOOL IsFrameDrawn() const;
};
