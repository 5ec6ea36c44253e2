// CTKMarkupDockPanel: children docked one after the other to the sides of
// the space the earlier ones left; the last child fills the rest.
#pragma once

#include "TKMarkupPanel.h"

/// Values of the attached Dock.
enum TKMarkupDock {
  TKMarkupDock_Left = 0,
  TKMarkupDock_Top = 1,
  TKMarkupDock_Right = 2,
  TKMarkupDock_Bottom = 3
};

/// A child without Dock docks left. A Dock outside Left..Bottom (only
/// scripts can write one) takes the remaining space like the last child.
class CTKMarkupDockPanel : public CTKMarkupPanel {
  DECLARE_MARKUP_TYPE()
  DECLARE_MARKUP_FACTORY()

 public:
  /// True when unset.
  BOOL GetLastChildFill();
  void SetLastChildFill(BOOL bFill);
  /// The Dock of any element; Left when unset or for null.
  static int GetDock(CTKMarkupObject* pElement);
  static void SetDock(CTKMarkupObject* pElement, int nDock);

  CSize MeasureOverride(CTKMarkupDrawingContext* pDC, int nAvailableWidth,
                        int nAvailableHeight) override;
  CSize ArrangeOverride(int nFinalWidth, int nFinalHeight) override;

  static CTKMarkupDependencyProperty* LastChildFillProperty;
  static CTKMarkupDependencyProperty* DockProperty;
  static void RegisterMarkupProperties();

 protected:
  BOOL DispGetLastChildFill() { return GetLastChildFill(); }
  void DispSetLastChildFill(BOOL bFill) { SetLastChildFill(bFill); }
  long DispGetDock(LPDISPATCH pElement);
  void DispSetDock(LPDISPATCH pElement, long nDock);
  DECLARE_DISPATCH_MAP()

 private:
  static void OnDockChanged(CTKMarkupObject* pObject, const TK_MARKUP_PROPERTY_CHANGE& change);
};
