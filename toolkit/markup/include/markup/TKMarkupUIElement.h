// CTKMarkupUIElement: a visual that takes part in the two-pass layout
// (measure, then arrange) with caching and invalidation, and carries the
// Visibility, ClipToBounds, Focusable, IsEnabled and RenderTransform
// properties.
#pragma once

#include "markup/TKMarkupVisual.h"

/// Values of Visibility.
enum TKMarkupVisibility {
  TKMarkupVisibility_Visible = 0,
  TKMarkupVisibility_Hidden = 1,
  TKMarkupVisibility_Collapsed = 2
};

/// Sizes are device pixels; INT_MAX means unbounded. A fresh element has its
/// measure and arrange invalid, so the first Arrange measures if nobody did.
class CTKMarkupUIElement : public CTKMarkupVisual {
  DECLARE_MARKUP_TYPE()

 public:
  CTKMarkupUIElement();
  /// A render-transform holder that outlives the element forgets it.
  ~CTKMarkupUIElement() override;

  /// Not Visible: an empty clip (the element keeps its space, draws nothing).
  BOOL GetLayoutClip(RECT* prcClip) override;
  /// With a RenderTransform and a back end that keeps matrices: installs the
  /// drawing context's matrix with the transform applied and keeps it as the
  /// element's matrix (for hit tests and repaint areas). Otherwise the
  /// element forgets any matrix of an earlier render.
  TK_MARKUP_RENDER_TRANSFORM PushRenderTransform(CTKMarkupDrawingContext* pDC) override;
  /// Puts the drawing context's earlier matrix back and deletes it.
  void PopRenderTransform(CTKMarkupDrawingContext* pDC,
                          const TK_MARKUP_RENDER_TRANSFORM& record) override;

  // Slots

  /// Arranges again at the last final rectangle and repaints (not before
  /// the first arrange; during its own arrange it is left to the next pass).
  virtual void UpdateArrange();
  /// Asks the context to repaint the element; nothing without a context.
  virtual void InvalidateVisual();
  /// UpdateMeasure with a new drawing context on the element's context.
  virtual void InvalidateMeasure();
  /// Places the element: here only the render size (right - left, bottom - top).
  virtual void ArrangeInternal(int nLeft, int nTop, int nRight, int nBottom);
  /// The desired size for the available size; (0, 0) here.
  virtual CSize MeasureInternal(CTKMarkupDrawingContext* pDC, int nAvailableWidth,
                                int nAvailableHeight);
  /// Measures again at the last available size; when the desired size
  /// changed the request climbs to the visual parent, at the root to the
  /// context's UpdateLayout; otherwise the element is arranged again and
  /// repainted.
  virtual void UpdateMeasure(CTKMarkupDrawingContext* pDC);
  /// The size the content needs for the available size.
  virtual CSize MeasureOverride(CTKMarkupDrawingContext* pDC, int nAvailableWidth,
                                int nAvailableHeight) = 0;
  /// The size the content uses of the final size.
  virtual CSize ArrangeOverride(int nFinalWidth, int nFinalHeight) = 0;

  // The layout protocol

  /// Cached per available size; a Collapsed element desires (0, 0).
  void Measure(CTKMarkupDrawingContext* pDC, int nAvailableWidth, int nAvailableHeight);
  /// Skips ArrangeInternal when neither the rectangle nor the measure changed.
  void Arrange(const RECT& rcFinal);

  CSize GetDesiredSize() const { return m_szDesired; }
  const CRect& GetFinalRect() const { return m_rcFinal; }
  CSize GetLastAvailableSize() const { return m_szLastAvailable; }
  BOOL IsMeasureValid() const { return !m_bMeasureInvalid; }
  BOOL IsArrangeValid() const { return !m_bArrangeInvalid; }
  /// The next Arrange places the element again, even at the same rectangle.
  void InvalidateArrangement() { m_bArrangeInvalid = TRUE; }

  // Typed accessors

  BOOL GetClipToBounds();
  void SetClipToBounds(BOOL bClip);
  TKMarkupVisibility GetVisibility();
  void SetVisibility(TKMarkupVisibility nVisibility);
  BOOL GetFocusable();
  BOOL GetIsEnabled();
  /// The render transform object, or null.
  CTKMarkupObject* GetRenderTransform();

  static CTKMarkupDependencyProperty* ClipToBoundsProperty;
  static CTKMarkupDependencyProperty* VisibilityProperty;
  static CTKMarkupDependencyProperty* FocusableProperty;
  static CTKMarkupDependencyProperty* IsEnabledProperty;
  static CTKMarkupDependencyProperty* RenderTransformProperty;

  static void RegisterMarkupProperties();

 protected:
  CSize m_szDesired;
  CRect m_rcFinal;

 private:
  BOOL m_bMeasureForced;
  BOOL m_bMeasureInvalid;
  CSize m_szLastAvailable;
  BOOL m_bArrangeDirty;
  BOOL m_bArrangeInvalid;
  BOOL m_bInArrange;
  BOOL m_bInMeasure;
  /// A measure or arrange was asked for while this element or a descendant
  /// was being laid out: the cached results are not to be trusted, and the
  /// outermost element asks the context for a new pass when it is done.
  BOOL m_bLayoutPending;

  /// Marks this element and its visual ancestors for the next pass.
  void DeferLayoutRequest();
  BOOL IsAncestorInLayout() const;

  // Automation for scripts (TKMarkupUIElementDispatch.cpp)
 protected:
  BOOL DispGetClipToBounds();
  void DispSetClipToBounds(BOOL bClip);
  long DispGetVisibility();
  void DispSetVisibility(long nVisibility);
  BOOL DispGetFocusable();
  void DispSetFocusable(BOOL bFocusable);
  BOOL DispGetIsEnabled();
  void DispSetIsEnabled(BOOL bEnabled);
  LPDISPATCH DispGetRenderTransform();
  DECLARE_DISPATCH_MAP()
};
