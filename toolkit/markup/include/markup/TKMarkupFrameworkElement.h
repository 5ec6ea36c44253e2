// CTKMarkupFrameworkElement: the base of every element that takes part in
// layout. It wraps the subclasses' MeasureOverride and ArrangeOverride with
// margins, explicit sizes, min/max limits, alignment and the clip that
// results when content does not fit its slot.
#pragma once

#include "markup/TKMarkupUIElement.h"

class CTKMarkupThickness;

/// Values of HorizontalAlignment and VerticalAlignment (Left/Top 0,
/// Center 1, Right/Bottom 2, Stretch 3).
enum TKMarkupAlignment {
  TKMarkupAlignment_Near = 0,
  TKMarkupAlignment_Center = 1,
  TKMarkupAlignment_Far = 2,
  TKMarkupAlignment_Stretch = 3
};

/// Lengths are device pixels; INT_MAX is "Auto" in Width and Height and
/// "unbounded" in maxima and available sizes (any available size above
/// 0x3FFFFFFF counts as unbounded).
class CTKMarkupFrameworkElement : public CTKMarkupUIElement {
  DECLARE_MARKUP_TYPE()
  DECLARE_MARKUP_FACTORY()

 public:
  CTKMarkupFrameworkElement();

  /// The object's handling, the style's triggers, then a new measure for
  /// properties that affect arrange, measure or render.
  void OnPropertyChanged(CTKMarkupDependencyProperty* pProperty, CTKMarkupObject* pOldValue,
                         CTKMarkupObject* pNewValue) override;
  /// Empty when not Visible; otherwise the slot (ClipToBounds, or content
  /// that did not fit) limited by the effective maxima, or no clip.
  BOOL GetLayoutClip(RECT* prcClip) override;
  /// Margins, alignment and limits around ArrangeOverride; sets the render
  /// size and the visual offset.
  void ArrangeInternal(int nLeft, int nTop, int nRight, int nBottom) override;
  /// Margins and limits around MeasureOverride; the desired size includes
  /// the margins and never exceeds the available size.
  CSize MeasureInternal(CTKMarkupDrawingContext* pDC, int nAvailableWidth,
                        int nAvailableHeight) override;
  /// (0, 0).
  CSize MeasureOverride(CTKMarkupDrawingContext* pDC, int nAvailableWidth,
                        int nAvailableHeight) override;
  /// The size given.
  CSize ArrangeOverride(int nFinalWidth, int nFinalHeight) override;

  /// The offset of content of the ink size inside the client area, by the
  /// alignments (Stretch centres, or keeps to the left/top when the ink is
  /// larger than the client area).
  CPoint ComputeAlignmentOffset(int nClientWidth, int nClientHeight, int nInkWidth, int nInkHeight);

  // Typed accessors

  /// Never null: the shared zero thickness when unset (no reference).
  CTKMarkupThickness* GetMargin();
  void SetMargin(CTKMarkupThickness* pMargin);
  TKMarkupAlignment GetHorizontalAlignment();
  void SetHorizontalAlignment(TKMarkupAlignment nAlignment);
  TKMarkupAlignment GetVerticalAlignment();
  void SetVerticalAlignment(TKMarkupAlignment nAlignment);
  /// INT_MAX when unset.
  int GetWidth();
  void SetWidth(int nWidth);
  int GetHeight();
  void SetHeight(int nHeight);
  /// 0 when unset.
  int GetMinWidth();
  void SetMinWidth(int nWidth);
  int GetMinHeight();
  void SetMinHeight(int nHeight);
  /// INT_MAX when unset.
  int GetMaxWidth();
  void SetMaxWidth(int nWidth);
  int GetMaxHeight();
  void SetMaxHeight(int nHeight);
  CTKMarkupObject* GetTag();

  /// Whether the last layout found content that does not fit.
  BOOL NeedsClip() const { return m_bNeedsClip; }

  static CTKMarkupDependencyProperty* MarginProperty;
  static CTKMarkupDependencyProperty* HorizontalAlignmentProperty;
  static CTKMarkupDependencyProperty* VerticalAlignmentProperty;
  static CTKMarkupDependencyProperty* WidthProperty;
  static CTKMarkupDependencyProperty* HeightProperty;
  static CTKMarkupDependencyProperty* MinWidthProperty;
  static CTKMarkupDependencyProperty* MinHeightProperty;
  static CTKMarkupDependencyProperty* MaxWidthProperty;
  static CTKMarkupDependencyProperty* MaxHeightProperty;
  static CTKMarkupDependencyProperty* TagProperty;

  static void RegisterMarkupProperties();

 private:
  BOOL m_bNeedsClip;
  CSize m_szUnclipped;
  BOOL m_bUnclippedValid;
  int m_nMaxHeight;
  int m_nMinHeight;
  int m_nMaxWidth;
  int m_nMinWidth;

  void ComputeMinMax();
  int GetIntValue(CTKMarkupDependencyProperty* pProperty, int nDefault);
  void SetIntValue(CTKMarkupDependencyProperty* pProperty, int nValue);

  // Automation for scripts (TKMarkupFrameworkElementDispatch.cpp)
 protected:
  long DispGetMinWidth();
  void DispSetMinWidth(long nValue);
  long DispGetWidth();
  void DispSetWidth(long nValue);
  long DispGetMaxWidth();
  void DispSetMaxWidth(long nValue);
  long DispGetMinHeight();
  void DispSetMinHeight(long nValue);
  long DispGetHeight();
  void DispSetHeight(long nValue);
  long DispGetMaxHeight();
  void DispSetMaxHeight(long nValue);
  LPDISPATCH DispGetMargin();
  void DispSetMargin(LPDISPATCH pMargin);
  long DispGetHorizontalAlignment();
  void DispSetHorizontalAlignment(long nAlignment);
  long DispGetVerticalAlignment();
  void DispSetVerticalAlignment(long nAlignment);
  VARIANT DispGetTag();
  void DispSetTag(const VARIANT& value);
  DECLARE_DISPATCH_MAP()
};
