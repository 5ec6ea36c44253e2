// Border: layout around its child, drawing and hit testing.
#include "TKMarkupBorder.h"

#include "TKMarkupBrush.h"
#include "markup/TKMarkupDrawingContext.h"
#include "TKMarkupThickness.h"
#include "TKMarkupType.h"
#include "TKMarkupTypeTable.h"

#include <limits.h>

#include <algorithm>

IMPLEMENT_MARKUP_TYPE(CTKMarkupBorder, TKMarkupRow_Border)
IMPLEMENT_MARKUP_FACTORY(CTKMarkupBorder)

CTKMarkupDependencyProperty* CTKMarkupBorder::BackgroundProperty = nullptr;
CTKMarkupDependencyProperty* CTKMarkupBorder::PaddingProperty = nullptr;
CTKMarkupDependencyProperty* CTKMarkupBorder::BorderThicknessProperty = nullptr;
CTKMarkupDependencyProperty* CTKMarkupBorder::BorderBrushProperty = nullptr;
CTKMarkupDependencyProperty* CTKMarkupBorder::CornerRadiusProperty = nullptr;

namespace {

CTKMarkupPropertyMetadata* ThicknessMetadata(DWORD dwFlags) {
  return new CTKMarkupPropertyMetadata(CTKMarkupThickness::GetZero(), dwFlags);
}

// max(0, a - b) without overflow.
int ClampedDifference(int a, int b) {
  const long long nDifference = static_cast<long long>(a) - b;
  return static_cast<int>(std::min<long long>(INT_MAX, std::max<long long>(0, nDifference)));
}

}  // namespace

void CTKMarkupBorder::RegisterMarkupProperties() {
  CTKMarkupType* pOwner = StaticType();
  const DWORD dwScaled = TK_MARKUP_SCALE_DPI_X | TK_MARKUP_SCALE_DPI_Y;
  BackgroundProperty = CTKMarkupDependencyProperty::Register(
      L"Background", CTKMarkupBrush::StaticType(), pOwner,
      new CTKMarkupPropertyMetadata(nullptr, &CTKMarkupBrush::ConvertText,
                                    TK_MARKUP_AFFECTS_RENDER));
  PaddingProperty = CTKMarkupDependencyProperty::Register(
      L"Padding", CTKMarkupThickness::StaticType(), pOwner,
      ThicknessMetadata(dwScaled | TK_MARKUP_AFFECTS_MEASURE));
  BorderThicknessProperty = CTKMarkupDependencyProperty::Register(
      L"BorderThickness", CTKMarkupThickness::StaticType(), pOwner,
      ThicknessMetadata(dwScaled | TK_MARKUP_AFFECTS_MEASURE));
  BorderBrushProperty = CTKMarkupDependencyProperty::Register(
      L"BorderBrush", CTKMarkupBrush::StaticType(), pOwner,
      new CTKMarkupPropertyMetadata(nullptr, &CTKMarkupBrush::ConvertText,
                                    TK_MARKUP_AFFECTS_RENDER));
  CornerRadiusProperty = CTKMarkupDependencyProperty::Register(
      L"CornerRadius", CTKMarkupThickness::StaticType(), pOwner,
      ThicknessMetadata(dwScaled | TK_MARKUP_AFFECTS_RENDER));
}

CTKMarkupThickness* CTKMarkupBorder::GetThickness(CTKMarkupDependencyProperty* pProperty) {
  CTKMarkupThickness* pValue = MarkupCast<CTKMarkupThickness>(GetValue(pProperty));
  if (pValue != nullptr) return pValue;
  // The shared value lives on; the caller gets no reference.
  CTKMarkupThickness* pZero = CTKMarkupThickness::GetZero();
  pZero->Release();
  return pZero;
}

CSize CTKMarkupBorder::MeasureOverride(CTKMarkupDrawingContext* pDC, int nAvailableWidth,
                                       int nAvailableHeight) {
  const CTKMarkupThickness* pBorder = GetBorderThickness();
  const CTKMarkupThickness* pPadding = GetPadding();
  const int nHorizontal =
      pBorder->GetLeft() + pBorder->GetRight() + pPadding->GetLeft() + pPadding->GetRight();
  const int nVertical =
      pBorder->GetTop() + pBorder->GetBottom() + pPadding->GetTop() + pPadding->GetBottom();
  if (GetChild() == nullptr) return CSize(nHorizontal, nVertical);
  // INT_MAX less a few pixels still counts as unbounded below; a negative
  // thickness must not wrap an unbounded size round.
  const int nChildWidth = ClampedDifference(nAvailableWidth, nHorizontal);
  const int nChildHeight = ClampedDifference(nAvailableHeight, nVertical);
  GetChild()->Measure(pDC, nChildWidth, nChildHeight);
  const CSize szChild = GetChild()->GetDesiredSize();
  return CSize(nHorizontal + szChild.cx, nVertical + szChild.cy);
}

CSize CTKMarkupBorder::ArrangeOverride(int nFinalWidth, int nFinalHeight) {
  if (GetChild() != nullptr) {
    RECT rc = {0, 0, nFinalWidth, nFinalHeight};
    rc = CTKMarkupThickness::DeflateRect(rc, GetBorderThickness());
    rc = CTKMarkupThickness::DeflateRect(rc, GetPadding());
    GetChild()->Arrange(rc);
  }
  return CSize(nFinalWidth, nFinalHeight);
}

void CTKMarkupBorder::OnRender(CTKMarkupDrawingContext* pDC) {
  const CSize szRender = GetRenderSize();
  CTKMarkupBrush* pBorderBrush = GetBorderBrush();
  CTKMarkupBrush* pBackground = GetBackground();
  if (szRender.cx <= 0 || szRender.cy <= 0) return;
  if (pBorderBrush == nullptr && pBackground == nullptr) return;

  const CTKMarkupThickness* pCorner = GetCornerRadius();
  const bool bRounded = pCorner->GetLeft() != 0 || pCorner->GetTop() != 0 ||
                        pCorner->GetRight() != 0 || pCorner->GetBottom() != 0;
  double radii[8] = {};
  const int corners[4] = {pCorner->GetLeft(), pCorner->GetTop(), pCorner->GetRight(),
                          pCorner->GetBottom()};
  for (int i = 0; i < 4; ++i) radii[2 * i] = radii[2 * i + 1] = corners[i];

  const CTKMarkupThickness* pBorder = GetBorderThickness();
  const bool bHasBorder = pBorder->GetLeft() != 0 || pBorder->GetTop() != 0 ||
                          pBorder->GetRight() != 0 || pBorder->GetBottom() != 0;
  if (bHasBorder && pBorderBrush != nullptr) {
    pDC->DrawFrame(CRect(0, 0, szRender.cx, szRender.cy), pBorderBrush, pBorder,
                   bRounded ? radii : nullptr);
  }
  if (pBackground == nullptr) return;
  const CRect rcInner(pBorder->GetLeft(), pBorder->GetTop(), szRender.cx - pBorder->GetRight(),
                      szRender.cy - pBorder->GetBottom());
  if (rcInner.Width() <= 0 || rcInner.Height() <= 0) return;
  if (bRounded) {
    const double dInset = pBorder->GetLeft() / 2.0;
    for (double& dRadius : radii) dRadius = std::max(0.0, dRadius - dInset);
  }
  pDC->FillRectangle(rcInner, pBackground, bRounded ? radii : nullptr);
}

CTKMarkupInputElement* CTKMarkupBorder::InputHitTestOverride(int, int) {
  return GetBackground() != nullptr ? this : nullptr;
}

CTKMarkupBrush* CTKMarkupBorder::GetBackground() {
  return MarkupCast<CTKMarkupBrush>(GetValue(BackgroundProperty));
}

void CTKMarkupBorder::SetBackground(CTKMarkupBrush* pBrush) {
  if (pBrush != nullptr) pBrush->AddRef();
  SetValue(BackgroundProperty, pBrush);
}

CTKMarkupBrush* CTKMarkupBorder::GetBorderBrush() {
  return MarkupCast<CTKMarkupBrush>(GetValue(BorderBrushProperty));
}

void CTKMarkupBorder::SetBorderBrush(CTKMarkupBrush* pBrush) {
  if (pBrush != nullptr) pBrush->AddRef();
  SetValue(BorderBrushProperty, pBrush);
}

CTKMarkupThickness* CTKMarkupBorder::GetPadding() { return GetThickness(PaddingProperty); }

void CTKMarkupBorder::SetPadding(CTKMarkupThickness* pPadding) {
  if (pPadding != nullptr) pPadding->AddRef();
  SetValue(PaddingProperty, pPadding);
}

CTKMarkupThickness* CTKMarkupBorder::GetBorderThickness() {
  return GetThickness(BorderThicknessProperty);
}

void CTKMarkupBorder::SetBorderThickness(CTKMarkupThickness* pThickness) {
  if (pThickness != nullptr) pThickness->AddRef();
  SetValue(BorderThicknessProperty, pThickness);
}

CTKMarkupThickness* CTKMarkupBorder::GetCornerRadius() {
  return GetThickness(CornerRadiusProperty);
}

void CTKMarkupBorder::SetCornerRadius(CTKMarkupThickness* pRadius) {
  if (pRadius != nullptr) pRadius->AddRef();
  SetValue(CornerRadiusProperty, pRadius);
}
