// CTKMarkupGrid: the table layout: rows and columns of pixel, auto or star
// sizes, and children placed in cells or ranges of cells through the
// attached Column, Row, ColumnSpan and RowSpan.
#pragma once

#include "TKMarkupGridLayout.h"
#include "TKMarkupPanel.h"

class CTKMarkupColumnDefinitionCollection;
class CTKMarkupDefinitionCollection;
class CTKMarkupRowDefinitionCollection;

/// Without definitions the children lie on top of each other over the whole
/// grid. With definitions every measure rebuilds the effective definitions
/// (a single star row or column stands in for a missing list) and the cell
/// cache that the following arrange uses.
class CTKMarkupGrid : public CTKMarkupPanel {
  DECLARE_MARKUP_TYPE()
  DECLARE_MARKUP_FACTORY()

 public:
  CTKMarkupGrid();
  ~CTKMarkupGrid() override;

  /// Never null; owned by the grid.
  CTKMarkupColumnDefinitionCollection* GetColumnDefinitions() const { return m_pColumns; }
  CTKMarkupRowDefinitionCollection* GetRowDefinitions() const { return m_pRows; }

  /// ColumnDefinitions and RowDefinitions replace the grid's collections
  /// (a value of another class is a builder error); the rest as usual.
  void SetPropertyObject(CTKMarkupBuilder* pBuilder, CTKMarkupDependencyProperty* pProperty,
                         CTKMarkupObject* pValue) override;
  CSize MeasureOverride(CTKMarkupDrawingContext* pDC, int nAvailableWidth,
                        int nAvailableHeight) override;
  CSize ArrangeOverride(int nFinalWidth, int nFinalHeight) override;

  /// The attached values of any element: Column and Row 0 when unset; the
  /// spans 1 when unset or not positive.
  static int GetColumn(CTKMarkupObject* pElement);
  static int GetRow(CTKMarkupObject* pElement);
  static int GetColumnSpan(CTKMarkupObject* pElement);
  static int GetRowSpan(CTKMarkupObject* pElement);
  static void SetColumn(CTKMarkupObject* pElement, int nValue);
  static void SetRow(CTKMarkupObject* pElement, int nValue);
  static void SetColumnSpan(CTKMarkupObject* pElement, int nValue);
  static void SetRowSpan(CTKMarkupObject* pElement, int nValue);

  static CTKMarkupDependencyProperty* ColumnDefinitionsProperty;
  static CTKMarkupDependencyProperty* RowDefinitionsProperty;
  static CTKMarkupDependencyProperty* ColumnProperty;
  static CTKMarkupDependencyProperty* RowProperty;
  static CTKMarkupDependencyProperty* ColumnSpanProperty;
  static CTKMarkupDependencyProperty* RowSpanProperty;
  static void RegisterMarkupProperties();

 protected:
  void DispSetColumn(LPDISPATCH pElement, long nValue);
  void DispSetColumnSpan(LPDISPATCH pElement, long nValue);
  void DispSetRow(LPDISPATCH pElement, long nValue);
  void DispSetRowSpan(LPDISPATCH pElement, long nValue);
  long DispGetColumn(LPDISPATCH pElement);
  long DispGetColumnSpan(LPDISPATCH pElement);
  long DispGetRow(LPDISPATCH pElement);
  long DispGetRowSpan(LPDISPATCH pElement);
  LPDISPATCH DispGetColumnDefinitions();
  LPDISPATCH DispGetRowDefinitions();
  DECLARE_DISPATCH_MAP()

 private:
  class CChildren;

  CTKMarkupRowDefinitionCollection* m_pRows;
  CTKMarkupColumnDefinitionCollection* m_pColumns;
  CTKMarkupDefinitionCollection* m_pEffectiveColumns;
  CTKMarkupDefinitionCollection* m_pEffectiveRows;
  CTKMarkupGridLayout m_layout;

  BOOL HasDefinitions() const;
  void PrepareEffectiveDefinitions();
  void ReleaseEffectiveDefinitions();
  static TKMarkupGridDefinitions LayoutOf(CTKMarkupDefinitionCollection* pDefinitions);
  static void OnCellChanged(CTKMarkupObject* pObject, const TK_MARKUP_PROPERTY_CHANGE& change);
};
