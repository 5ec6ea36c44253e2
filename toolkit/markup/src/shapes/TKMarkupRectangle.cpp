// CTKMarkupRectangle: measure, corner radii and drawing.
#include "TKMarkupRectangle.h"

#include "markup/TKMarkupDrawingContext.h"
#include "TKMarkupThickness.h"
#include "TKMarkupType.h"
#include "TKMarkupTypeTable.h"
#include "TKMarkupValues.h"

#include <algorithm>

IMPLEMENT_MARKUP_TYPE(CTKMarkupRectangle, TKMarkupRow_Rectangle)
IMPLEMENT_MARKUP_FACTORY(CTKMarkupRectangle)

CTKMarkupDependencyProperty* CTKMarkupRectangle::RadiusXProperty = nullptr;
CTKMarkupDependencyProperty* CTKMarkupRectangle::RadiusYProperty = nullptr;

BEGIN_DISPATCH_MAP(CTKMarkupRectangle, CTKMarkupShape)
DISP_PROPERTY_EX_ID(CTKMarkupRectangle, "RadiusX", 600, DispGetRadiusX, DispSetRadiusX, VT_I4)
DISP_PROPERTY_EX_ID(CTKMarkupRectangle, "RadiusY", 601, DispGetRadiusY, DispSetRadiusY, VT_I4)
END_DISPATCH_MAP()

void CTKMarkupRectangle::RegisterMarkupProperties() {
  RadiusXProperty = CTKMarkupDependencyProperty::Register(
      L"RadiusX", CTKMarkupInt::StaticType(), StaticType(),
      new CTKMarkupPropertyMetadata(nullptr, TK_MARKUP_AFFECTS_RENDER | TK_MARKUP_SCALE_DPI_X));
  RadiusYProperty = CTKMarkupDependencyProperty::Register(
      L"RadiusY", CTKMarkupInt::StaticType(), StaticType(),
      new CTKMarkupPropertyMetadata(nullptr, TK_MARKUP_AFFECTS_RENDER | TK_MARKUP_SCALE_DPI_Y));
}

void CTKMarkupRectangle::SetRadiusX(int nRadius) {
  SetValue(RadiusXProperty, new CTKMarkupInt(nRadius));
}

void CTKMarkupRectangle::SetRadiusY(int nRadius) {
  SetValue(RadiusYProperty, new CTKMarkupInt(nRadius));
}

CSize CTKMarkupRectangle::MeasureOverride(CTKMarkupDrawingContext*, int nAvailableWidth,
                                          int nAvailableHeight) {
  if (!IsStretched()) return CSize(0, 0);
  return StretchToAvailable(CSize(0, 0), nAvailableWidth, nAvailableHeight);
}

BOOL CTKMarkupRectangle::GetCornerRadii(int nWidth, int nHeight, int nThickness, double* pRadii) {
  const double rx = std::min<double>(GetRadiusX(), (nWidth - nThickness) * 0.5);
  const double ry = std::min<double>(GetRadiusY(), (nHeight - nThickness) * 0.5);
  if (!(rx > 0 && ry > 0)) return FALSE;
  // Clockwise from the top-left corner: vertical, horizontal, horizontal,
  // vertical, and so on.
  const double radii[8] = {ry, rx, rx, ry, ry, rx, rx, ry};
  std::copy(radii, radii + 8, pRadii);
  return TRUE;
}

void CTKMarkupRectangle::OnRender(CTKMarkupDrawingContext* pDC) {
  CTKMarkupBrush* pStroke = GetStroke();
  CTKMarkupBrush* pFill = GetFill();
  if (pStroke == nullptr && pFill == nullptr) return;
  const int t = pStroke != nullptr ? GetStrokeThickness() : 0;
  const int w = GetActualWidth(), h = GetActualHeight();
  if (w == 0 || h == 0) return;
  double radii[8];
  const double* pRadii = GetCornerRadii(w, h, t, radii) ? radii : nullptr;

  CTKMarkupShapeSmoothing smoothing(pDC, this);
  if (pFill != nullptr) {
    const int nInset = t / 2;
    pDC->FillRectangle(RECT{nInset, nInset, w - nInset, h - nInset}, pFill, pRadii);
  }
  if (t > 0) {
    CTKMarkupAutoPtr<CTKMarkupThickness> thickness(new CTKMarkupThickness(t, t, t, t));
    pDC->DrawFrame(RECT{0, 0, w, h}, pStroke, thickness, pRadii);
  }
}
