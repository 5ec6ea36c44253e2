// CTKMarkupStackPanel: children one after the other, downwards (the
// default) or to the right.
#pragma once

#include "TKMarkupPanel.h"

/// Values of Orientation.
enum TKMarkupOrientation { TKMarkupOrientation_Horizontal = 0, TKMarkupOrientation_Vertical = 1 };

/// Each child gets its desired extent along the stack and the panel's full
/// extent across it, or its desired one when that is larger.
class CTKMarkupStackPanel : public CTKMarkupPanel {
  DECLARE_MARKUP_TYPE()
  DECLARE_MARKUP_FACTORY()

 public:
  /// Vertical when unset; any value but Horizontal counts as vertical.
  int GetOrientation();
  void SetOrientation(int nOrientation);

  CSize MeasureOverride(CTKMarkupDrawingContext* pDC, int nAvailableWidth,
                        int nAvailableHeight) override;
  CSize ArrangeOverride(int nFinalWidth, int nFinalHeight) override;

  static CTKMarkupDependencyProperty* OrientationProperty;
  static void RegisterMarkupProperties();

 protected:
  long DispGetOrientation() { return GetOrientation(); }
  void DispSetOrientation(long nOrientation) { SetOrientation(nOrientation); }
  DECLARE_DISPATCH_MAP()
};
