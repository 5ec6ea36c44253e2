// CTKMarkupScrollViewer: one content element seen through a viewport that
// markup scroll bars and the wheel scroll; CTKMarkupScrollBarGripper: the
// square between the two bars.
#pragma once

#include "markup/TKMarkupControl.h"

class CTKMarkupScrollBar;

/// Values of the two visibility properties.
enum TKMarkupScrollBarVisibility {
  TKMarkupScrollBar_Disabled = 0,
  TKMarkupScrollBar_Auto = 1,
  TKMarkupScrollBar_Visible = 2
};

/// Fills its arranged rectangle (in the viewer's coordinates) with the
/// button-face colour.
class CTKMarkupScrollBarGripper : public CTKMarkupUIElement {
  DECLARE_MARKUP_TYPE()
  DECLARE_MARKUP_FACTORY()

 public:
  CSize MeasureOverride(CTKMarkupDrawingContext* pDC, int nAvailableWidth,
                        int nAvailableHeight) override;
  CSize ArrangeOverride(int nFinalWidth, int nFinalHeight) override;
  void OnRender(CTKMarkupDrawingContext* pDC) override;
};

/// Makes, lays out and releases its bars and the gripper itself at each
/// measure; keeps the two offsets (0 or more, corrected at each arrange so
/// that the content's end never scrolls above the viewport's end) and clips
/// its content. Orientation 1 is vertical, 0 horizontal.
class CTKMarkupScrollViewer : public CTKMarkupContentControl {
  DECLARE_MARKUP_TYPE()
  DECLARE_MARKUP_FACTORY()

 public:
  CTKMarkupScrollViewer();
  ~CTKMarkupScrollViewer() override;

  int GetOffset(int nOrientation) const;
  /// 0 without that bar; else what the bar's range and page allow.
  int GetMaxOffset(int nOrientation) const;
  /// Limited to the maximum unless an arrange is pending, then raised to 0;
  /// a change arranges the viewer again and repaints.
  void SetOffset(int nOrientation, int nValue);
  /// A scroll code of one of the bars (SB_ values); FALSE without that bar.
  BOOL Scroll(int nOrientation, int nCode, int nPos);
  /// Creates the bar of that orientation when there is none.
  void EnsureScrollBar(int nOrientation);

  CTKMarkupScrollBar* GetScrollBar(int nOrientation) const {
    return nOrientation ? m_pVerticalBar : m_pHorizontalBar;
  }
  CTKMarkupScrollBarGripper* GetGripper() const { return m_pGripper; }
  TKMarkupScrollBarVisibility GetVerticalScrollBarVisibility();
  TKMarkupScrollBarVisibility GetHorizontalScrollBarVisibility();

  /// 48 units up or down per notch, whatever the delta's size.
  void OnMouseWheel(CTKMarkupMouseWheelEventArgs* pArgs) override;
  CSize MeasureOverride(CTKMarkupDrawingContext* pDC, int nAvailableWidth,
                        int nAvailableHeight) override;
  CSize ArrangeOverride(int nFinalWidth, int nFinalHeight) override;
  int GetVisualChildrenCount() override;
  CTKMarkupVisual* GetVisualChild(int nIndex) override;

  static CTKMarkupDependencyProperty* VerticalScrollBarVisibilityProperty;
  static CTKMarkupDependencyProperty* HorizontalScrollBarVisibilityProperty;
  static void RegisterMarkupProperties();

 protected:
  long DispGetVerticalOffset();
  void DispSetVerticalOffset(long nValue);
  long DispGetHorizontalOffset();
  void DispSetHorizontalOffset(long nValue);
  DECLARE_DISPATCH_MAP()

 private:
  void ReleaseScrollBar(int nOrientation);
  void ArrangeBar(int nOrientation, int nContentExtent, int nViewport, const RECT& rc);

  CTKMarkupScrollBar* m_pVerticalBar;
  CTKMarkupScrollBar* m_pHorizontalBar;
  CTKMarkupScrollBarGripper* m_pGripper;
  int m_nHorizontalOffset;
  int m_nVerticalOffset;
  /// Measured and not arranged since.
  BOOL m_bMeasuredSinceArrange;
};
