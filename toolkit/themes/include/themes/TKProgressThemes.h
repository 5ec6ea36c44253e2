// The progress-bar looks of the image themes and of the flat Office 2013 and
// Visual Studio 2015 themes.
#pragma once

#include "commandbars/TKPaintManagerParts.h"
#include "common/TKPaintManagerColor.h"

/// The theme images "PROGRESSTRACK" and "PROGRESSCHUNK", whose last four
/// columns are the bar's leading edge. Nothing while no theme text is loaded.
class CTKProgressResourceTheme : public CTKProgressPaintManager {
 public:
  /// The bar is 12 scaled pixels high.
  explicit CTKProgressResourceTheme(CTKPaintManager* pOwner);
  /// A bar narrower than the chunk shows the chunk's right-hand end.
  void DrawProgress(CDC* pDC, CTKProgressBase* pProgress) override;
};

/// Flat: a framed back and a bar two device pixels in, in the colours of
/// "CommandBars.ProgressBar".
class CTKProgressThemeOffice2013 : public CTKProgressPaintManager {
 public:
  using CTKProgressPaintManager::CTKProgressPaintManager;
  void RefreshMetrics() override;
  void DrawProgress(CDC* pDC, CTKProgressBase* pProgress) override;

  CTKPaintManagerColor m_clrBorder;
  CTKPaintManagerColor m_clrBar;
  CTKPaintManagerColor m_clrBack;
};

/// The Office 2013 look, read from the dark theme's text.
class CTKProgressThemeVisualStudio2015 : public CTKProgressThemeOffice2013 {
 public:
  using CTKProgressThemeOffice2013::CTKProgressThemeOffice2013;
};
