// CTKMarkupWrapPanel: children in lines that wrap at the panel's edge, left
// to right (the default) or top to bottom.
#pragma once

#include "TKMarkupStackPanel.h"

/// A line breaks only when it would become longer than the panel; a child
/// longer than the panel sits on a line of its own. ItemWidth and
/// ItemHeight, when set, replace every child's desired size.
class CTKMarkupWrapPanel : public CTKMarkupPanel {
  DECLARE_MARKUP_TYPE()
  DECLARE_MARKUP_FACTORY()

 public:
  /// Horizontal when unset; any value but Horizontal counts as vertical.
  int GetOrientation();
  void SetOrientation(int nOrientation);
  /// FALSE when unset.
  BOOL GetItemWidth(int* pnWidth);
  BOOL GetItemHeight(int* pnHeight);

  CSize MeasureOverride(CTKMarkupDrawingContext* pDC, int nAvailableWidth,
                        int nAvailableHeight) override;
  CSize ArrangeOverride(int nFinalWidth, int nFinalHeight) override;
  /// Places the children from `nFirst` up to `nEnd` (exclusive) on one line
  /// at `nCrossOffset`, each with the line's full thickness.
  void ArrangeLine(int nCrossOffset, int nThickness, int nFirst, int nEnd);

  static CTKMarkupDependencyProperty* OrientationProperty;
  static CTKMarkupDependencyProperty* ItemHeightProperty;
  static CTKMarkupDependencyProperty* ItemWidthProperty;
  static void RegisterMarkupProperties();

 protected:
  long DispGetOrientation() { return GetOrientation(); }
  void DispSetOrientation(long nOrientation) { SetOrientation(nOrientation); }
  DECLARE_DISPATCH_MAP()

 private:
  /// The size a child takes on a line: the item size where set, else its
  /// desired size.
  CSize GetItemSize(CTKMarkupUIElement* pChild);
};
