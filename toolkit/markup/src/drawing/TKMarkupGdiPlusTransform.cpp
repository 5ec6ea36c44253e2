// The GDI+ transforms: each one a few matrix steps, every step multiplied in
// front so that the last step listed acts first on the drawn points.
#include "TKMarkupGdiPlusTransform.h"

#include "TKMarkupTransformationMatrix.h"
#include "TKMarkupType.h"
#include "TKMarkupTypeTable.h"

using namespace Gdiplus;

IMPLEMENT_MARKUP_TYPE(CTKMarkupGdiPlusTranslateTransform, TKMarkupRow_GdiPlusTranslateTransform)
IMPLEMENT_MARKUP_FACTORY(CTKMarkupGdiPlusTranslateTransform)
IMPLEMENT_MARKUP_TYPE(CTKMarkupGdiPlusSkewTransform, TKMarkupRow_GdiPlusSkewTransform)
IMPLEMENT_MARKUP_FACTORY(CTKMarkupGdiPlusSkewTransform)
IMPLEMENT_MARKUP_TYPE(CTKMarkupGdiPlusScaleTransform, TKMarkupRow_GdiPlusScaleTransform)
IMPLEMENT_MARKUP_FACTORY(CTKMarkupGdiPlusScaleTransform)
IMPLEMENT_MARKUP_TYPE(CTKMarkupGdiPlusRotateTransform, TKMarkupRow_GdiPlusRotateTransform)
IMPLEMENT_MARKUP_FACTORY(CTKMarkupGdiPlusRotateTransform)

CTKMarkupTransformationMatrix* CTKMarkupGdiPlusTransformObjectImpl::TransformGdiPlusMatrix(
    CTKMarkupTransformationMatrix* pCurrent) {
  if (pCurrent == nullptr ||
      !pCurrent->IsKindOf(RUNTIME_CLASS(CTKMarkupGdiPlusTransformationMatrix)))
    return nullptr;
  auto* pGdiPlus = static_cast<CTKMarkupGdiPlusTransformationMatrix*>(pCurrent);
  CTKMarkupGdiPlusApi* pApi = pGdiPlus->GetApi();
  GpMatrix* pClone = nullptr;
  if (pGdiPlus->GetNativeMatrix() == nullptr ||
      pApi->GdipCloneMatrix(pGdiPlus->GetNativeMatrix(), &pClone) != Ok || pClone == nullptr)
    return nullptr;
  if (!ApplyTransform(pApi, pClone)) {
    pApi->GdipDeleteMatrix(pClone);
    return nullptr;
  }
  return new CTKMarkupGdiPlusTransformationMatrix(pApi, pClone);
}

namespace {

REAL F(double dValue) { return static_cast<REAL>(dValue); }

// Runs `step` between moving the centre to the origin and back.
template <class Step>
BOOL AboutCentre(CTKMarkupGdiPlusApi* pApi, GpMatrix* pMatrix, double cx, double cy, Step step) {
  return pApi->GdipTranslateMatrix(pMatrix, F(cx), F(cy), MatrixOrderPrepend) == Ok &&
         step() == Ok &&
         pApi->GdipTranslateMatrix(pMatrix, F(-cx), F(-cy), MatrixOrderPrepend) == Ok;
}

}  // namespace

BOOL CTKMarkupGdiPlusTranslateTransform::ApplyTransform(CTKMarkupGdiPlusApi* pApi,
                                                        GpMatrix* pMatrix) {
  return pApi->GdipTranslateMatrix(pMatrix, F(GetX()), F(GetY()), MatrixOrderPrepend) == Ok;
}

BOOL CTKMarkupGdiPlusSkewTransform::ApplyTransform(CTKMarkupGdiPlusApi* pApi, GpMatrix* pMatrix) {
  // The shear factor is the angle over 45 degrees, not its tangent.
  return AboutCentre(pApi, pMatrix, GetCenterX(), GetCenterY(), [&] {
    return pApi->GdipShearMatrix(pMatrix, F(GetAngleX() / 45.0), F(GetAngleY() / 45.0),
                                 MatrixOrderPrepend);
  });
}

BOOL CTKMarkupGdiPlusScaleTransform::ApplyTransform(CTKMarkupGdiPlusApi* pApi, GpMatrix* pMatrix) {
  return AboutCentre(pApi, pMatrix, GetCenterX(), GetCenterY(), [&] {
    return pApi->GdipScaleMatrix(pMatrix, F(GetScaleX()), F(GetScaleY()), MatrixOrderPrepend);
  });
}

BOOL CTKMarkupGdiPlusRotateTransform::ApplyTransform(CTKMarkupGdiPlusApi* pApi, GpMatrix* pMatrix) {
  return AboutCentre(pApi, pMatrix, GetCenterX(), GetCenterY(), [&] {
    return pApi->GdipRotateMatrix(pMatrix, F(GetAngle()), MatrixOrderPrepend);
  });
}
