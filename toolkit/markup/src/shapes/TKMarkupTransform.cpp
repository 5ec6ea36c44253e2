// The plain transforms: their values, script properties, and the re-measure
// of the element whose render transform holds them.
#include "TKMarkupTransform.h"

#include "TKMarkupRenderTransform.h"
#include "TKMarkupType.h"
#include "TKMarkupTypeTable.h"
#include "TKMarkupValues.h"

IMPLEMENT_MARKUP_TYPE(CTKMarkupTransform, TKMarkupRow_Transform)
IMPLEMENT_MARKUP_TYPE(CTKMarkupTranslateTransform, TKMarkupRow_TranslateTransform)
IMPLEMENT_MARKUP_FACTORY(CTKMarkupTranslateTransform)
IMPLEMENT_MARKUP_TYPE(CTKMarkupSkewTransform, TKMarkupRow_SkewTransform)
IMPLEMENT_MARKUP_FACTORY(CTKMarkupSkewTransform)
IMPLEMENT_MARKUP_TYPE(CTKMarkupScaleTransform, TKMarkupRow_ScaleTransform)
IMPLEMENT_MARKUP_FACTORY(CTKMarkupScaleTransform)
IMPLEMENT_MARKUP_TYPE(CTKMarkupRotateTransform, TKMarkupRow_RotateTransform)
IMPLEMENT_MARKUP_FACTORY(CTKMarkupRotateTransform)

CTKMarkupDependencyProperty* CTKMarkupTranslateTransform::XProperty = nullptr;
CTKMarkupDependencyProperty* CTKMarkupTranslateTransform::YProperty = nullptr;
CTKMarkupDependencyProperty* CTKMarkupSkewTransform::AngleXProperty = nullptr;
CTKMarkupDependencyProperty* CTKMarkupSkewTransform::AngleYProperty = nullptr;
CTKMarkupDependencyProperty* CTKMarkupSkewTransform::CenterXProperty = nullptr;
CTKMarkupDependencyProperty* CTKMarkupSkewTransform::CenterYProperty = nullptr;
CTKMarkupDependencyProperty* CTKMarkupScaleTransform::ScaleXProperty = nullptr;
CTKMarkupDependencyProperty* CTKMarkupScaleTransform::ScaleYProperty = nullptr;
CTKMarkupDependencyProperty* CTKMarkupScaleTransform::CenterXProperty = nullptr;
CTKMarkupDependencyProperty* CTKMarkupScaleTransform::CenterYProperty = nullptr;
CTKMarkupDependencyProperty* CTKMarkupRotateTransform::AngleProperty = nullptr;
CTKMarkupDependencyProperty* CTKMarkupRotateTransform::CenterXProperty = nullptr;
CTKMarkupDependencyProperty* CTKMarkupRotateTransform::CenterYProperty = nullptr;

namespace {

// Lengths along x or y are scaled by the DPI when read from text; angles are
// not.
CTKMarkupDependencyProperty* RegisterDouble(LPCWSTR lpszName, CTKMarkupType* pOwner,
                                            DWORD dwFlags) {
  return CTKMarkupDependencyProperty::Register(
      lpszName, CTKMarkupDouble::StaticType(), pOwner,
      dwFlags != 0 ? new CTKMarkupPropertyMetadata(nullptr, dwFlags) : nullptr);
}

}  // namespace

// Base ----------------------------------------------------------------------------------

CTKMarkupTransformationMatrix* CTKMarkupTransform::TransformMatrix(CTKMarkupTransformationMatrix*) {
  return nullptr;
}

void CTKMarkupTransform::SetOwner(CTKMarkupDependencyProperty*, CTKMarkupObject* pOwner) {
  m_pOwner = pOwner;
}

void CTKMarkupTransform::OnPropertyChanged(CTKMarkupDependencyProperty* pProperty,
                                           CTKMarkupObject* pOldValue, CTKMarkupObject* pNewValue) {
  if (auto* pHolder = MarkupCast<CTKMarkupRenderTransform>(m_pOwner)) pHolder->OnTransformChanged();
  CTKMarkupObject::OnPropertyChanged(pProperty, pOldValue, pNewValue);
}

double CTKMarkupTransform::GetDouble(CTKMarkupDependencyProperty* pProperty) const {
  CTKMarkupObject* pValue = const_cast<CTKMarkupTransform*>(this)->GetValue(pProperty);
  return pValue != nullptr ? static_cast<CTKMarkupDouble*>(pValue)->GetValue() : 0.0;
}

void CTKMarkupTransform::SetDouble(CTKMarkupDependencyProperty* pProperty, double dValue) {
  SetValue(pProperty, new CTKMarkupDouble(dValue));
}

// Translate -----------------------------------------------------------------------------

BEGIN_DISPATCH_MAP(CTKMarkupTranslateTransform, CTKMarkupObject)
DISP_PROPERTY_EX(CTKMarkupTranslateTransform, "X", GetX, SetX, VT_R8)
DISP_PROPERTY_EX(CTKMarkupTranslateTransform, "Y", GetY, SetY, VT_R8)
END_DISPATCH_MAP()

void CTKMarkupTranslateTransform::RegisterMarkupProperties() {
  XProperty = RegisterDouble(L"X", StaticType(), TK_MARKUP_SCALE_DPI_X);
  YProperty = RegisterDouble(L"Y", StaticType(), TK_MARKUP_SCALE_DPI_Y);
}

// Skew ----------------------------------------------------------------------------------

BEGIN_DISPATCH_MAP(CTKMarkupSkewTransform, CTKMarkupObject)
DISP_PROPERTY_EX(CTKMarkupSkewTransform, "AngleX", GetAngleX, SetAngleX, VT_R8)
DISP_PROPERTY_EX(CTKMarkupSkewTransform, "AngleY", GetAngleY, SetAngleY, VT_R8)
DISP_PROPERTY_EX(CTKMarkupSkewTransform, "CenterX", GetCenterX, SetCenterX, VT_R8)
DISP_PROPERTY_EX(CTKMarkupSkewTransform, "CenterY", GetCenterY, SetCenterY, VT_R8)
END_DISPATCH_MAP()

void CTKMarkupSkewTransform::RegisterMarkupProperties() {
  AngleXProperty = RegisterDouble(L"AngleX", StaticType(), 0);
  AngleYProperty = RegisterDouble(L"AngleY", StaticType(), 0);
  CenterXProperty = RegisterDouble(L"CenterX", StaticType(), TK_MARKUP_SCALE_DPI_X);
  CenterYProperty = RegisterDouble(L"CenterY", StaticType(), TK_MARKUP_SCALE_DPI_Y);
}

// Scale ---------------------------------------------------------------------------------

BEGIN_DISPATCH_MAP(CTKMarkupScaleTransform, CTKMarkupObject)
DISP_PROPERTY_EX(CTKMarkupScaleTransform, "ScaleX", GetScaleX, SetScaleX, VT_R8)
DISP_PROPERTY_EX(CTKMarkupScaleTransform, "ScaleY", GetScaleY, SetScaleY, VT_R8)
DISP_PROPERTY_EX(CTKMarkupScaleTransform, "CenterX", GetCenterX, SetCenterX, VT_R8)
DISP_PROPERTY_EX(CTKMarkupScaleTransform, "CenterY", GetCenterY, SetCenterY, VT_R8)
END_DISPATCH_MAP()

void CTKMarkupScaleTransform::RegisterMarkupProperties() {
  ScaleXProperty = RegisterDouble(L"ScaleX", StaticType(), TK_MARKUP_SCALE_DPI_X);
  ScaleYProperty = RegisterDouble(L"ScaleY", StaticType(), TK_MARKUP_SCALE_DPI_Y);
  CenterXProperty = RegisterDouble(L"CenterX", StaticType(), TK_MARKUP_SCALE_DPI_X);
  CenterYProperty = RegisterDouble(L"CenterY", StaticType(), TK_MARKUP_SCALE_DPI_Y);
}

// Rotate --------------------------------------------------------------------------------

BEGIN_DISPATCH_MAP(CTKMarkupRotateTransform, CTKMarkupObject)
DISP_PROPERTY_EX(CTKMarkupRotateTransform, "Angle", GetAngle, SetAngle, VT_R8)
DISP_PROPERTY_EX(CTKMarkupRotateTransform, "CenterX", GetCenterX, SetCenterX, VT_R8)
DISP_PROPERTY_EX(CTKMarkupRotateTransform, "CenterY", GetCenterY, SetCenterY, VT_R8)
END_DISPATCH_MAP()

void CTKMarkupRotateTransform::RegisterMarkupProperties() {
  AngleProperty = RegisterDouble(L"Angle", StaticType(), 0);
  CenterXProperty = RegisterDouble(L"CenterX", StaticType(), TK_MARKUP_SCALE_DPI_X);
  CenterYProperty = RegisterDouble(L"CenterY", StaticType(), TK_MARKUP_SCALE_DPI_Y);
}
