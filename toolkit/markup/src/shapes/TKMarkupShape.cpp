// CTKMarkupShape: fill and stroke properties, their text forms, the pen
// description and the script properties.
#include "TKMarkupShape.h"

#include "TKMarkupBrush.h"
#include "TKMarkupConverters.h"
#include "TKMarkupDoubleCollection.h"
#include "markup/TKMarkupDrawingContext.h"
#include "TKMarkupString.h"
#include "TKMarkupType.h"
#include "TKMarkupTypeTable.h"
#include "TKMarkupValues.h"

#include <limits.h>

IMPLEMENT_MARKUP_TYPE(CTKMarkupShape, TKMarkupRow_Shape)
IMPLEMENT_MARKUP_FACTORY(CTKMarkupShape)

CTKMarkupDependencyProperty* CTKMarkupShape::StrokeMiterLimitProperty = nullptr;
CTKMarkupDependencyProperty* CTKMarkupShape::FillProperty = nullptr;
CTKMarkupDependencyProperty* CTKMarkupShape::StrokeProperty = nullptr;
CTKMarkupDependencyProperty* CTKMarkupShape::StrokeThicknessProperty = nullptr;
CTKMarkupDependencyProperty* CTKMarkupShape::StretchProperty = nullptr;
CTKMarkupDependencyProperty* CTKMarkupShape::StrokeDashArrayProperty = nullptr;
CTKMarkupDependencyProperty* CTKMarkupShape::StrokeStartLineCapProperty = nullptr;
CTKMarkupDependencyProperty* CTKMarkupShape::StrokeEndLineCapProperty = nullptr;
CTKMarkupDependencyProperty* CTKMarkupShape::StrokeLineJoinProperty = nullptr;
CTKMarkupDependencyProperty* CTKMarkupShape::SmoothingModeProperty = nullptr;

BEGIN_DISPATCH_MAP(CTKMarkupShape, CTKMarkupFrameworkElement)
DISP_PROPERTY_EX_ID(CTKMarkupShape, "Fill", 500, DispGetFill, DispSetFill, VT_DISPATCH)
DISP_PROPERTY_EX_ID(CTKMarkupShape, "Stroke", 501, DispGetStroke, DispSetStroke, VT_DISPATCH)
DISP_PROPERTY_EX_ID(CTKMarkupShape, "StrokeThickness", 502, DispGetStrokeThickness,
                    DispSetStrokeThickness, VT_I4)
DISP_PROPERTY_EX_ID(CTKMarkupShape, "StrokeStartLineCap", 503, DispGetStrokeStartLineCap,
                    DispSetStrokeStartLineCap, VT_I4)
DISP_PROPERTY_EX_ID(CTKMarkupShape, "StrokeEndLineCap", 504, DispGetStrokeEndLineCap,
                    DispSetStrokeEndLineCap, VT_I4)
DISP_PROPERTY_EX_ID(CTKMarkupShape, "StrokeLineJoin", 505, DispGetStrokeLineJoin,
                    DispSetStrokeLineJoin, VT_I4)
DISP_PROPERTY_EX_ID(CTKMarkupShape, "StrokeDashArray", 506, DispGetStrokeDashArray,
                    DispSetStrokeDashArray, VT_DISPATCH)
END_DISPATCH_MAP()

namespace {

CTKMarkupPropertyMetadata* Metadata(DWORD dwFlags, TK_MARKUP_CONVERTER pfnConverter = nullptr,
                                    CTKMarkupObject* pDefault = nullptr) {
  return new CTKMarkupPropertyMetadata(pDefault, pfnConverter, dwFlags);
}

}  // namespace

void CTKMarkupShape::RegisterMarkupProperties() {
  CTKMarkupType* pOwner = StaticType();
  CTKMarkupType* pBrush = CTKMarkupBrush::StaticType();
  CTKMarkupType* pEnum = CTKMarkupEnum::StaticType();
  StrokeMiterLimitProperty = CTKMarkupDependencyProperty::Register(
      L"StrokeMiterLimit", CTKMarkupDouble::StaticType(), pOwner, Metadata(0x20));
  FillProperty = CTKMarkupDependencyProperty::Register(
      L"Fill", pBrush, pOwner, Metadata(0x20, &CTKMarkupBrush::ConvertText));
  StrokeProperty = CTKMarkupDependencyProperty::Register(
      L"Stroke", pBrush, pOwner, Metadata(0x20, &CTKMarkupBrush::ConvertText));
  StrokeThicknessProperty = CTKMarkupDependencyProperty::Register(
      L"StrokeThickness", CTKMarkupInt::StaticType(), pOwner, Metadata(0x60));
  StretchProperty = CTKMarkupDependencyProperty::Register(
      L"Stretch", pEnum, pOwner, Metadata(0x20, &ConvertStretch, CTKMarkupEnum::CreateValue(0)));
  StrokeDashArrayProperty = CTKMarkupDependencyProperty::Register(
      L"StrokeDashArray", CTKMarkupDoubleCollection::StaticType(), pOwner, Metadata(0x04));
  StrokeStartLineCapProperty = CTKMarkupDependencyProperty::Register(
      L"StrokeStartLineCap", pEnum, pOwner,
      Metadata(0x20, &ConvertLineCap, CTKMarkupEnum::CreateValue(0)));
  StrokeEndLineCapProperty = CTKMarkupDependencyProperty::Register(
      L"StrokeEndLineCap", pEnum, pOwner,
      Metadata(0x20, &ConvertLineCap, CTKMarkupEnum::CreateValue(0)));
  StrokeLineJoinProperty = CTKMarkupDependencyProperty::Register(
      L"StrokeLineJoin", pEnum, pOwner,
      Metadata(0x20, &ConvertLineJoin, CTKMarkupEnum::CreateValue(0)));
  SmoothingModeProperty = CTKMarkupDependencyProperty::Register(
      L"SmoothingMode", pEnum, pOwner,
      Metadata(0x20, &ConvertSmoothingMode, CTKMarkupEnum::CreateValue(0)));
}

// Accessors -----------------------------------------------------------------------------

int CTKMarkupShape::GetIntValue(CTKMarkupDependencyProperty* pProperty, int nDefault) {
  CTKMarkupObject* pValue = GetValue(pProperty);
  return pValue != nullptr ? static_cast<CTKMarkupInt*>(pValue)->GetValue() : nDefault;
}

int CTKMarkupShape::GetEnumValue(CTKMarkupDependencyProperty* pProperty) {
  CTKMarkupObject* pValue = GetValue(pProperty);
  return pValue != nullptr ? static_cast<CTKMarkupEnum*>(pValue)->GetValue() : 0;
}

CTKMarkupBrush* CTKMarkupShape::GetFill() {
  return static_cast<CTKMarkupBrush*>(GetValue(FillProperty));
}

void CTKMarkupShape::SetFill(CTKMarkupBrush* pBrush) {
  if (pBrush != nullptr) pBrush->AddRef();
  SetValue(FillProperty, pBrush);
}

CTKMarkupBrush* CTKMarkupShape::GetStroke() {
  return static_cast<CTKMarkupBrush*>(GetValue(StrokeProperty));
}

void CTKMarkupShape::SetStroke(CTKMarkupBrush* pBrush) {
  if (pBrush != nullptr) pBrush->AddRef();
  SetValue(StrokeProperty, pBrush);
}

int CTKMarkupShape::GetStrokeThickness() { return GetIntValue(StrokeThicknessProperty, 1); }

void CTKMarkupShape::SetStrokeThickness(int nThickness) {
  SetValue(StrokeThicknessProperty, new CTKMarkupInt(nThickness));
}

int CTKMarkupShape::GetStretch() { return GetEnumValue(StretchProperty); }

CTKMarkupDoubleCollection* CTKMarkupShape::GetStrokeDashArray() {
  return static_cast<CTKMarkupDoubleCollection*>(GetValue(StrokeDashArrayProperty));
}

void CTKMarkupShape::SetStrokeDashArray(CTKMarkupDoubleCollection* pDashes) {
  if (pDashes != nullptr) pDashes->AddRef();
  SetValue(StrokeDashArrayProperty, pDashes);
}

int CTKMarkupShape::GetStrokeStartLineCap() { return GetEnumValue(StrokeStartLineCapProperty); }

void CTKMarkupShape::SetStrokeStartLineCap(int nCap) {
  SetValue(StrokeStartLineCapProperty, CTKMarkupEnum::CreateValue(nCap));
}

int CTKMarkupShape::GetStrokeEndLineCap() { return GetEnumValue(StrokeEndLineCapProperty); }

void CTKMarkupShape::SetStrokeEndLineCap(int nCap) {
  SetValue(StrokeEndLineCapProperty, CTKMarkupEnum::CreateValue(nCap));
}

int CTKMarkupShape::GetStrokeLineJoin() { return GetEnumValue(StrokeLineJoinProperty); }

void CTKMarkupShape::SetStrokeLineJoin(int nJoin) {
  SetValue(StrokeLineJoinProperty, CTKMarkupEnum::CreateValue(nJoin));
}

int CTKMarkupShape::GetSmoothingMode() { return GetEnumValue(SmoothingModeProperty); }

void CTKMarkupShape::GetStrokeStyle(MARKUP_STROKE* pStroke) {
  pStroke->pBrush = GetStroke();
  pStroke->nThickness = pStroke->pBrush != nullptr ? GetStrokeThickness() : 0;
  pStroke->pDashArray = GetStrokeDashArray();
  pStroke->nStartCap = GetStrokeStartLineCap();
  pStroke->nEndCap = GetStrokeEndLineCap();
  pStroke->nLineJoin = GetStrokeLineJoin();
}

CSize CTKMarkupShape::StretchToAvailable(CSize size, int nAvailableWidth, int nAvailableHeight) {
  if (nAvailableWidth != INT_MAX) size.cx = nAvailableWidth;
  if (nAvailableHeight != INT_MAX) size.cy = nAvailableHeight;
  return size;
}

// Scripts -------------------------------------------------------------------------------

LPDISPATCH CTKMarkupShape::DispatchOf(CTKMarkupDependencyProperty* pProperty) {
  CTKMarkupObject* pValue = GetValue(pProperty);
  return pValue != nullptr ? pValue->GetIDispatch(TRUE) : nullptr;
}

void CTKMarkupShape::SetFromDispatch(CTKMarkupDependencyProperty* pProperty, LPDISPATCH pDispatch) {
  CTKMarkupObject* pValue = MarkupObjectFromDispatch(pDispatch, TRUE);
  if (SetValue(pProperty, pValue)) return;
  // An object of another kind is refused rather than stored.
  if (pValue != nullptr) pValue->Release();
  AfxThrowOleException(E_INVALIDARG);
}

LPDISPATCH CTKMarkupShape::DispGetFill() { return DispatchOf(FillProperty); }
void CTKMarkupShape::DispSetFill(LPDISPATCH pDispatch) { SetFromDispatch(FillProperty, pDispatch); }
LPDISPATCH CTKMarkupShape::DispGetStroke() { return DispatchOf(StrokeProperty); }
void CTKMarkupShape::DispSetStroke(LPDISPATCH pDispatch) {
  SetFromDispatch(StrokeProperty, pDispatch);
}
long CTKMarkupShape::DispGetStrokeThickness() { return GetStrokeThickness(); }
void CTKMarkupShape::DispSetStrokeThickness(long nThickness) { SetStrokeThickness(nThickness); }
long CTKMarkupShape::DispGetStrokeStartLineCap() { return GetStrokeStartLineCap(); }
void CTKMarkupShape::DispSetStrokeStartLineCap(long nCap) { SetStrokeStartLineCap(nCap); }
long CTKMarkupShape::DispGetStrokeEndLineCap() { return GetStrokeEndLineCap(); }
void CTKMarkupShape::DispSetStrokeEndLineCap(long nCap) { SetStrokeEndLineCap(nCap); }
long CTKMarkupShape::DispGetStrokeLineJoin() { return GetStrokeLineJoin(); }
void CTKMarkupShape::DispSetStrokeLineJoin(long nJoin) { SetStrokeLineJoin(nJoin); }
LPDISPATCH CTKMarkupShape::DispGetStrokeDashArray() { return DispatchOf(StrokeDashArrayProperty); }
void CTKMarkupShape::DispSetStrokeDashArray(LPDISPATCH pDispatch) {
  SetFromDispatch(StrokeDashArrayProperty, pDispatch);
}

// Smoothing -----------------------------------------------------------------------------

CTKMarkupShapeSmoothing::CTKMarkupShapeSmoothing(CTKMarkupDrawingContext* pDC,
                                                 CTKMarkupShape* pShape)
    : m_pDC(pDC), m_nPrevious(pDC->SetSmoothingMode(pShape->GetSmoothingMode())) {}

CTKMarkupShapeSmoothing::~CTKMarkupShapeSmoothing() { m_pDC->SetSmoothingMode(m_nPrevious); }
