// The grid element: its definitions, attached cell properties, script
// members, and the measure and arrange that feed CTKMarkupGridLayout.
#include "TKMarkupGrid.h"

#include "markup/TKMarkupBuilder.h"
#include "TKMarkupDefinitionBase.h"
#include "TKMarkupDefinitionCollection.h"
#include "TKMarkupTypeTable.h"
#include "TKMarkupValues.h"

#include <algorithm>

IMPLEMENT_MARKUP_TYPE(CTKMarkupGrid, TKMarkupRow_Grid)
IMPLEMENT_MARKUP_FACTORY(CTKMarkupGrid)

CTKMarkupDependencyProperty* CTKMarkupGrid::ColumnDefinitionsProperty = nullptr;
CTKMarkupDependencyProperty* CTKMarkupGrid::RowDefinitionsProperty = nullptr;
CTKMarkupDependencyProperty* CTKMarkupGrid::ColumnProperty = nullptr;
CTKMarkupDependencyProperty* CTKMarkupGrid::RowProperty = nullptr;
CTKMarkupDependencyProperty* CTKMarkupGrid::ColumnSpanProperty = nullptr;
CTKMarkupDependencyProperty* CTKMarkupGrid::RowSpanProperty = nullptr;

BEGIN_DISPATCH_MAP(CTKMarkupGrid, CTKMarkupPanel)
DISP_FUNCTION_ID(CTKMarkupGrid, "SetColumn", 600, DispSetColumn, VT_EMPTY, VTS_DISPATCH VTS_I4)
DISP_FUNCTION_ID(CTKMarkupGrid, "SetColumnSpan", 601, DispSetColumnSpan, VT_EMPTY,
                 VTS_DISPATCH VTS_I4)
DISP_FUNCTION_ID(CTKMarkupGrid, "SetRow", 602, DispSetRow, VT_EMPTY, VTS_DISPATCH VTS_I4)
DISP_FUNCTION_ID(CTKMarkupGrid, "SetRowSpan", 603, DispSetRowSpan, VT_EMPTY, VTS_DISPATCH VTS_I4)
DISP_FUNCTION_ID(CTKMarkupGrid, "GetColumn", 604, DispGetColumn, VT_I4, VTS_DISPATCH)
DISP_FUNCTION_ID(CTKMarkupGrid, "GetColumnSpan", 605, DispGetColumnSpan, VT_I4, VTS_DISPATCH)
DISP_FUNCTION_ID(CTKMarkupGrid, "GetRow", 606, DispGetRow, VT_I4, VTS_DISPATCH)
DISP_FUNCTION_ID(CTKMarkupGrid, "GetRowSpan", 607, DispGetRowSpan, VT_I4, VTS_DISPATCH)
DISP_PROPERTY_EX_ID(CTKMarkupGrid, "ColumnDefinitions", 608, DispGetColumnDefinitions,
                    SetNotSupported, VT_DISPATCH)
DISP_PROPERTY_EX_ID(CTKMarkupGrid, "RowDefinitions", 609, DispGetRowDefinitions, SetNotSupported,
                    VT_DISPATCH)
END_DISPATCH_MAP()

// The grid's children as the layout sees them.
class CTKMarkupGrid::CChildren : public ITKMarkupGridChildren {
 public:
  CChildren(CTKMarkupGrid* pGrid, CTKMarkupDrawingContext* pDC) : m_pGrid(pGrid), m_pDC(pDC) {}
  int GetChildCount() override { return m_pGrid->GetChildren()->GetCount(); }
  BOOL GetChildCell(int nSlot, int* pnColumn, int* pnRow, int* pnColumnSpan,
                    int* pnRowSpan) override {
    CTKMarkupUIElement* pChild = m_pGrid->GetChild(nSlot);
    if (pChild == nullptr) return FALSE;
    *pnColumn = GetColumn(pChild);
    *pnRow = GetRow(pChild);
    *pnColumnSpan = GetColumnSpan(pChild);
    *pnRowSpan = GetRowSpan(pChild);
    return TRUE;
  }
  SIZE MeasureChild(int nSlot, int nWidth, int nHeight) override {
    CTKMarkupUIElement* pChild = m_pGrid->GetChild(nSlot);
    pChild->Measure(m_pDC, nWidth, nHeight);
    return pChild->GetDesiredSize();
  }

 private:
  CTKMarkupGrid* m_pGrid;
  CTKMarkupDrawingContext* m_pDC;
};

CTKMarkupGrid::CTKMarkupGrid()
    : m_pRows(new CTKMarkupRowDefinitionCollection),
      m_pColumns(new CTKMarkupColumnDefinitionCollection),
      m_pEffectiveColumns(nullptr),
      m_pEffectiveRows(nullptr) {
  m_pRows->SetParent(this);
  m_pColumns->SetParent(this);
}

CTKMarkupGrid::~CTKMarkupGrid() {
  ReleaseEffectiveDefinitions();
  for (CTKMarkupCollection* pCollection : {static_cast<CTKMarkupCollection*>(m_pRows),
                                           static_cast<CTKMarkupCollection*>(m_pColumns)}) {
    if (pCollection->GetParent() == this) pCollection->SetParent(nullptr);
    pCollection->Release();
  }
}

void CTKMarkupGrid::SetPropertyObject(CTKMarkupBuilder* pBuilder,
                                      CTKMarkupDependencyProperty* pProperty,
                                      CTKMarkupObject* pValue) {
  if (pProperty != nullptr && pProperty == ColumnDefinitionsProperty) {
    auto* pColumns = MarkupCast<CTKMarkupColumnDefinitionCollection>(pValue);
    if (pColumns == nullptr)
      CTKMarkupBuilder::ThrowBuilderError("CTKMarkupColumnDefinitionCollection class expected");
    pColumns->AddRef();
    if (m_pColumns->GetParent() == this) m_pColumns->SetParent(nullptr);
    m_pColumns->Release();
    m_pColumns = pColumns;
    m_pColumns->SetParent(this);
    return;
  }
  if (pProperty != nullptr && pProperty == RowDefinitionsProperty) {
    auto* pRows = MarkupCast<CTKMarkupRowDefinitionCollection>(pValue);
    if (pRows == nullptr)
      CTKMarkupBuilder::ThrowBuilderError("CTKMarkupRowDefinitionCollection class expected");
    pRows->AddRef();
    if (m_pRows->GetParent() == this) m_pRows->SetParent(nullptr);
    m_pRows->Release();
    m_pRows = pRows;
    m_pRows->SetParent(this);
    return;
  }
  CTKMarkupPanel::SetPropertyObject(pBuilder, pProperty, pValue);
}

// Layout --------------------------------------------------------------------------------

BOOL CTKMarkupGrid::HasDefinitions() const {
  return m_pColumns->GetCount() > 0 || m_pRows->GetCount() > 0;
}

void CTKMarkupGrid::ReleaseEffectiveDefinitions() {
  for (CTKMarkupDefinitionCollection** ppDefinitions : {&m_pEffectiveColumns, &m_pEffectiveRows}) {
    if (*ppDefinitions != nullptr) (*ppDefinitions)->Release();
    *ppDefinitions = nullptr;
  }
}

void CTKMarkupGrid::PrepareEffectiveDefinitions() {
  ReleaseEffectiveDefinitions();
  if (m_pColumns->GetCount() > 0) {
    m_pColumns->AddRef();
    m_pEffectiveColumns = m_pColumns;
  } else {
    m_pEffectiveColumns = new CTKMarkupColumnDefinitionCollection;
    m_pEffectiveColumns->Add(new CTKMarkupColumnDefinition);
  }
  if (m_pRows->GetCount() > 0) {
    m_pRows->AddRef();
    m_pEffectiveRows = m_pRows;
  } else {
    m_pEffectiveRows = new CTKMarkupRowDefinitionCollection;
    m_pEffectiveRows->Add(new CTKMarkupRowDefinition);
  }
}

TKMarkupGridDefinitions CTKMarkupGrid::LayoutOf(CTKMarkupDefinitionCollection* pDefinitions) {
  TKMarkupGridDefinitions defs;
  for (int i = 0; i < pDefinitions->GetCount(); ++i)
    defs.push_back(pDefinitions->GetDefinition(i)->PrepareLayout());
  return defs;
}

CSize CTKMarkupGrid::MeasureOverride(CTKMarkupDrawingContext* pDC, int nAvailableWidth,
                                     int nAvailableHeight) {
  if (!HasDefinitions()) {
    ReleaseEffectiveDefinitions();
    m_layout.Reset();
    CSize desired(0, 0);
    for (int i = 0; i < GetChildren()->GetCount(); ++i) {
      CTKMarkupUIElement* pChild = GetChild(i);
      if (pChild == nullptr) continue;
      pChild->Measure(pDC, nAvailableWidth, nAvailableHeight);
      desired.cx = std::max(desired.cx, pChild->GetDesiredSize().cx);
      desired.cy = std::max(desired.cy, pChild->GetDesiredSize().cy);
    }
    return desired;
  }
  PrepareEffectiveDefinitions();
  CChildren children(this, pDC);
  return m_layout.Measure(LayoutOf(m_pEffectiveColumns), LayoutOf(m_pEffectiveRows), &children,
                          nAvailableWidth, nAvailableHeight);
}

CSize CTKMarkupGrid::ArrangeOverride(int nFinalWidth, int nFinalHeight) {
  const BOOL bCells = HasDefinitions() && m_layout.HasCells() && m_pEffectiveColumns != nullptr &&
                      m_pEffectiveRows != nullptr;
  if (bCells) {
    m_layout.Arrange(LayoutOf(m_pEffectiveColumns), LayoutOf(m_pEffectiveRows), nFinalWidth,
                     nFinalHeight);
  }
  for (int i = 0; i < GetChildren()->GetCount(); ++i) {
    CTKMarkupUIElement* pChild = GetChild(i);
    if (pChild == nullptr) continue;
    CRect rect(0, 0, nFinalWidth, nFinalHeight);
    if (bCells) m_layout.GetCellRect(i, &rect);
    pChild->Arrange(rect);
  }
  return CSize(nFinalWidth, nFinalHeight);
}

// Attached cell properties --------------------------------------------------------------

namespace {

int ReadInt(CTKMarkupObject* pElement, CTKMarkupDependencyProperty* pProperty, int nDefault) {
  if (pElement == nullptr) return nDefault;
  CTKMarkupInt* pValue = MarkupCast<CTKMarkupInt>(pElement->GetValue(pProperty));
  return pValue != nullptr ? pValue->GetValue() : nDefault;
}

int ReadSpan(CTKMarkupObject* pElement, CTKMarkupDependencyProperty* pProperty) {
  const int nSpan = ReadInt(pElement, pProperty, 1);
  return nSpan > 0 ? nSpan : 1;
}

void WriteInt(CTKMarkupObject* pElement, CTKMarkupDependencyProperty* pProperty, int nValue) {
  if (pElement != nullptr) pElement->SetValue(pProperty, new CTKMarkupInt(nValue));
}

// Scripts must pass a markup element; null is refused like a foreign object.
CTKMarkupObject* ElementFromDispatch(LPDISPATCH pElement) {
  if (pElement == nullptr) AfxThrowOleException(E_INVALIDARG);
  return MarkupObjectFromDispatch(pElement, FALSE);
}

}  // namespace

int CTKMarkupGrid::GetColumn(CTKMarkupObject* pElement) {
  return ReadInt(pElement, ColumnProperty, 0);
}
int CTKMarkupGrid::GetRow(CTKMarkupObject* pElement) { return ReadInt(pElement, RowProperty, 0); }
int CTKMarkupGrid::GetColumnSpan(CTKMarkupObject* pElement) {
  return ReadSpan(pElement, ColumnSpanProperty);
}
int CTKMarkupGrid::GetRowSpan(CTKMarkupObject* pElement) {
  return ReadSpan(pElement, RowSpanProperty);
}
void CTKMarkupGrid::SetColumn(CTKMarkupObject* pElement, int nValue) {
  WriteInt(pElement, ColumnProperty, nValue);
}
void CTKMarkupGrid::SetRow(CTKMarkupObject* pElement, int nValue) {
  WriteInt(pElement, RowProperty, nValue);
}
void CTKMarkupGrid::SetColumnSpan(CTKMarkupObject* pElement, int nValue) {
  WriteInt(pElement, ColumnSpanProperty, nValue);
}
void CTKMarkupGrid::SetRowSpan(CTKMarkupObject* pElement, int nValue) {
  WriteInt(pElement, RowSpanProperty, nValue);
}

void CTKMarkupGrid::OnCellChanged(CTKMarkupObject* pObject, const TK_MARKUP_PROPERTY_CHANGE&) {
  CTKMarkupUIElement* pElement = MarkupCast<CTKMarkupUIElement>(pObject);
  if (pElement == nullptr) return;
  if (CTKMarkupGrid* pGrid = MarkupCast<CTKMarkupGrid>(pElement->GetVisualParent()))
    pGrid->InvalidateMeasure();
}

void CTKMarkupGrid::RegisterMarkupProperties() {
  ColumnDefinitionsProperty = CTKMarkupDependencyProperty::Register(
      L"ColumnDefinitions", CTKMarkupColumnDefinitionCollection::StaticType(), StaticType());
  RowDefinitionsProperty = CTKMarkupDependencyProperty::Register(
      L"RowDefinitions", CTKMarkupRowDefinitionCollection::StaticType(), StaticType());
  const auto attached = [](LPCWSTR lpszName) {
    return CTKMarkupDependencyProperty::RegisterAttached(
        lpszName, CTKMarkupInt::StaticType(), StaticType(),
        new CTKMarkupPropertyMetadata(nullptr, &CTKMarkupGrid::OnCellChanged, 0));
  };
  ColumnProperty = attached(L"Column");
  RowProperty = attached(L"Row");
  ColumnSpanProperty = attached(L"ColumnSpan");
  RowSpanProperty = attached(L"RowSpan");
}

// Script members ------------------------------------------------------------------------

void CTKMarkupGrid::DispSetColumn(LPDISPATCH pElement, long nValue) {
  SetColumn(ElementFromDispatch(pElement), nValue);
}
void CTKMarkupGrid::DispSetColumnSpan(LPDISPATCH pElement, long nValue) {
  SetColumnSpan(ElementFromDispatch(pElement), nValue);
}
void CTKMarkupGrid::DispSetRow(LPDISPATCH pElement, long nValue) {
  SetRow(ElementFromDispatch(pElement), nValue);
}
void CTKMarkupGrid::DispSetRowSpan(LPDISPATCH pElement, long nValue) {
  SetRowSpan(ElementFromDispatch(pElement), nValue);
}
long CTKMarkupGrid::DispGetColumn(LPDISPATCH pElement) {
  return GetColumn(ElementFromDispatch(pElement));
}
long CTKMarkupGrid::DispGetColumnSpan(LPDISPATCH pElement) {
  return GetColumnSpan(ElementFromDispatch(pElement));
}
long CTKMarkupGrid::DispGetRow(LPDISPATCH pElement) {
  return GetRow(ElementFromDispatch(pElement));
}
long CTKMarkupGrid::DispGetRowSpan(LPDISPATCH pElement) {
  return GetRowSpan(ElementFromDispatch(pElement));
}
LPDISPATCH CTKMarkupGrid::DispGetColumnDefinitions() { return m_pColumns->GetIDispatch(TRUE); }
LPDISPATCH CTKMarkupGrid::DispGetRowDefinitions() { return m_pRows->GetIDispatch(TRUE); }
