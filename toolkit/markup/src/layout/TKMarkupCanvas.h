// CTKMarkupCanvas: a panel that places its children at absolute positions
// given by the attached properties Canvas.Left, Canvas.Top, Canvas.Right and
// Canvas.Bottom.
#pragma once

#include "TKMarkupPanel.h"

/// Children keep their desired sizes; the canvas desires only the largest
/// child's size, wherever the children are.
class CTKMarkupCanvas : public CTKMarkupPanel {
  DECLARE_MARKUP_TYPE()
  DECLARE_MARKUP_FACTORY()

 public:
  /// Every child measured unbounded.
  CSize MeasureOverride(CTKMarkupDrawingContext* pDC, int nAvailableWidth,
                        int nAvailableHeight) override;
  /// Left wins over Right, Top over Bottom; neither puts the child at 0.
  CSize ArrangeOverride(int nFinalWidth, int nFinalHeight) override;

  /// 0 when unset (or for a null element).
  static int GetLeft(CTKMarkupObject* pElement);
  static int GetTop(CTKMarkupObject* pElement);
  static int GetRight(CTKMarkupObject* pElement);
  static int GetBottom(CTKMarkupObject* pElement);
  /// Stores a new integer value; nothing for a null element.
  static void SetLeft(CTKMarkupObject* pElement, int nValue);
  static void SetTop(CTKMarkupObject* pElement, int nValue);
  static void SetRight(CTKMarkupObject* pElement, int nValue);
  static void SetBottom(CTKMarkupObject* pElement, int nValue);

  static CTKMarkupDependencyProperty* TopProperty;
  static CTKMarkupDependencyProperty* RightProperty;
  static CTKMarkupDependencyProperty* LeftProperty;
  static CTKMarkupDependencyProperty* BottomProperty;
  static void RegisterMarkupProperties();

 protected:
  // Automation: the attached values of an element given as a markup
  // object's IDispatch; null or anything else raises E_INVALIDARG.
  void DispSetLeft(LPDISPATCH pElement, long nValue);
  void DispSetTop(LPDISPATCH pElement, long nValue);
  void DispSetRight(LPDISPATCH pElement, long nValue);
  void DispSetBottom(LPDISPATCH pElement, long nValue);
  long DispGetLeft(LPDISPATCH pElement);
  long DispGetTop(LPDISPATCH pElement);
  long DispGetRight(LPDISPATCH pElement);
  long DispGetBottom(LPDISPATCH pElement);
  DECLARE_DISPATCH_MAP()
};
