// Row and column definitions of a grid: the user's size (Height or Width, a
// grid length), its minimum and maximum, and the layout state the grid's
// passes keep in each definition.
#pragma once

#include "TKMarkupFrameworkContentElement.h"
#include "TKMarkupGridLayout.h"

class CTKMarkupGridLength;

/// The common part of rows and columns; the is-column flag chooses which of
/// the Min/Max/size properties the accessors read. A change of any of them
/// re-measures the grid that holds the definition's collection.
class CTKMarkupDefinitionBase : public CTKMarkupFrameworkContentElement {
  DECLARE_MARKUP_TYPE()

 public:
  explicit CTKMarkupDefinitionBase(BOOL bIsColumn = FALSE);
  /// The factory of the "DefinitionBase" tag: a row-like definition.
  static CTKMarkupObject* CreateInstance(CTKMarkupContext* pContext);

  BOOL IsColumn() const { return m_bIsColumn; }
  /// MinWidth or MinHeight; 0 when unset.
  int GetUserMinSize();
  /// MaxWidth or MaxHeight; INT_MAX when unset.
  int GetUserMaxSize();
  BOOL HasUserMaxSize();
  /// Width or Height (the default is one star); never null for rows and
  /// columns, null for a bare DefinitionBase.
  CTKMarkupGridLength* GetUserSize();

  /// The layout state; Prepare copies the user's values into it first.
  TK_MARKUP_GRID_DEFINITION* PrepareLayout();
  TK_MARKUP_GRID_DEFINITION* GetLayout() { return &m_layout; }

  /// Re-measures the grid that holds the changed definition.
  static void OnDefinitionChanged(CTKMarkupObject* pObject,
                                  const TK_MARKUP_PROPERTY_CHANGE& change);

 protected:
  CTKMarkupDependencyProperty* SizeProperty() const;
  CTKMarkupDependencyProperty* MinProperty() const;
  CTKMarkupDependencyProperty* MaxProperty() const;

  // Script members shared by rows and columns.
  long DispGetSize();
  void DispSetSize(long nSize);
  long DispGetMin();
  void DispSetMin(long nMin);
  long DispGetMax();
  void DispSetMax(long nMax);
  long DispGetUnitType();
  void DispSetUnitType(long nUnitType);

 private:
  BOOL m_bIsColumn;
  TK_MARKUP_GRID_DEFINITION m_layout;
};

/// A row: Height, MinHeight, MaxHeight.
class CTKMarkupRowDefinition : public CTKMarkupDefinitionBase {
  DECLARE_MARKUP_TYPE()
  DECLARE_MARKUP_FACTORY()

 public:
  CTKMarkupRowDefinition() : CTKMarkupDefinitionBase(FALSE) {}

  static CTKMarkupDependencyProperty* HeightProperty;
  static CTKMarkupDependencyProperty* MinHeightProperty;
  static CTKMarkupDependencyProperty* MaxHeightProperty;
  static void RegisterMarkupProperties();

 protected:
  DECLARE_DISPATCH_MAP()
};

/// A column: Width, MinWidth, MaxWidth.
class CTKMarkupColumnDefinition : public CTKMarkupDefinitionBase {
  DECLARE_MARKUP_TYPE()
  DECLARE_MARKUP_FACTORY()

 public:
  CTKMarkupColumnDefinition() : CTKMarkupDefinitionBase(TRUE) {}

  static CTKMarkupDependencyProperty* WidthProperty;
  static CTKMarkupDependencyProperty* MinWidthProperty;
  static CTKMarkupDependencyProperty* MaxWidthProperty;
  static void RegisterMarkupProperties();

 protected:
  DECLARE_DISPATCH_MAP()
};
