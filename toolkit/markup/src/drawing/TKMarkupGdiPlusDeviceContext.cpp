// CTKMarkupGdiPlusDeviceContext: quality modes, brushes and pens from markup
// values, shapes, paths, clipping and the HDC hand-out.
#include "TKMarkupGdiPlusDeviceContext.h"

#include "TKMarkupBrush.h"
#include "TKMarkupDoubleCollection.h"
#include "TKMarkupPoint.h"
#include "TKMarkupThickness.h"
#include "TKMarkupTransformationMatrix.h"

#include <limits.h>

using namespace Gdiplus;

CTKMarkupGdiPlusDeviceContext::CTKMarkupGdiPlusDeviceContext(GpGraphics* pGraphics, BOOL bBorrowed)
    : CTKMarkupDeviceContext(nullptr, nullptr),
      m_nPixelOffset(PixelOffsetModeDefault),
      m_nSmoothing(SmoothingModeAntiAlias),
      m_nInterpolation(InterpolationModeDefault),
      m_nTextHint(TextRenderingHintSystemDefault),
      m_pApi(TKMarkupGdiPlusApi()),
      m_bBorrowed(bBorrowed),
      m_pGraphics(pGraphics),
      m_pFont(nullptr),
      m_bOwnsFont(FALSE),
      m_pTextBrush(nullptr),
      m_bSolidText(FALSE),
      m_argbText(0),
      m_pStringFormat(nullptr) {
  m_nSmoothingMode = -1;  // so that mode 0 applies its settings
  SetSmoothingMode(0, TRUE);
  GpStringFormat* pGeneric = nullptr;
  if (m_pApi->GdipStringFormatGetGenericTypographic(&pGeneric) == Ok)
    m_pApi->GdipCloneStringFormat(pGeneric, &m_pStringFormat);
  if (m_pStringFormat != nullptr) m_pApi->GdipSetStringFormatFlags(m_pStringFormat, 0x5800);
  m_pApi->GdipSetPageUnit(m_pGraphics, UnitPixel);
}

CTKMarkupGdiPlusDeviceContext::~CTKMarkupGdiPlusDeviceContext() {
  if (m_pFont != nullptr && m_bOwnsFont) m_pApi->GdipDeleteFont(m_pFont);
  if (m_pTextBrush != nullptr) m_pApi->GdipDeleteBrush(m_pTextBrush);
  if (m_pStringFormat != nullptr) m_pApi->GdipDeleteStringFormat(m_pStringFormat);
  if (!m_bBorrowed && m_pGraphics != nullptr) m_pApi->GdipDeleteGraphics(m_pGraphics);
}

ARGB CTKMarkupGdiPlusDeviceContext::ToArgb(DWORD clr) {
  return (clr & 0xFF000000) | ((clr & 0xFF) << 16) | (clr & 0xFF00) | ((clr >> 16) & 0xFF);
}

CTKMarkupTransformationMatrix* CTKMarkupGdiPlusDeviceContext::GetTransformationMatrix() {
  GpMatrix* pMatrix = nullptr;
  if (m_pApi->GdipCreateMatrix(&pMatrix) != Ok || pMatrix == nullptr) return nullptr;
  if (m_pApi->GdipGetWorldTransform(m_pGraphics, pMatrix) != Ok) {
    m_pApi->GdipDeleteMatrix(pMatrix);
    return nullptr;
  }
  return new CTKMarkupGdiPlusTransformationMatrix(m_pApi, pMatrix);
}

void CTKMarkupGdiPlusDeviceContext::SetTransformationMatrix(
    CTKMarkupTransformationMatrix* pMatrix) {
  if (pMatrix == nullptr || !pMatrix->IsKindOf(RUNTIME_CLASS(CTKMarkupGdiPlusTransformationMatrix)))
    return;
  GpMatrix* pNative =
      static_cast<CTKMarkupGdiPlusTransformationMatrix*>(pMatrix)->GetNativeMatrix();
  if (pNative != nullptr) m_pApi->GdipSetWorldTransform(m_pGraphics, pNative);
}

void CTKMarkupGdiPlusDeviceContext::OffsetViewport(const POINT& pt) {
  m_pApi->GdipTranslateWorldTransform(m_pGraphics, static_cast<REAL>(pt.x), static_cast<REAL>(pt.y),
                                      MatrixOrderPrepend);
  HDC hDC = GetDC();
  if (hDC == nullptr) return;
  const POINT offset = LogicalToDevice(pt);
  OffsetViewportOrgEx(hDC, offset.x, offset.y, nullptr);
  ReleaseDC(hDC);
}

int CTKMarkupGdiPlusDeviceContext::SetSmoothingMode(int nMode, BOOL bText) {
  struct Quality {
    SmoothingMode smoothing;
    PixelOffsetMode offset;
    InterpolationMode interpolation;
    bool bTextAntiAlias;
  };
  static const Quality kModes[] = {
      {SmoothingModeAntiAlias, PixelOffsetModeHighQuality, InterpolationModeHighQualityBicubic,
       false},
      {SmoothingModeNone, PixelOffsetModeNone, InterpolationModeLowQuality, false},
      {SmoothingModeHighSpeed, PixelOffsetModeHighSpeed, InterpolationModeLowQuality, false},
      {SmoothingModeHighQuality, PixelOffsetModeHighQuality, InterpolationModeHighQuality, true},
      {SmoothingModeAntiAlias, PixelOffsetModeHighQuality, InterpolationModeHighQualityBicubic,
       true},
  };
  const int nPrevious = m_nSmoothingMode;
  if (nMode < 0 || nMode > 4) return nPrevious;
  const Quality& q = kModes[nMode];
  m_nSmoothing = q.smoothing;
  m_nPixelOffset = q.offset;
  m_nInterpolation = q.interpolation;
  m_nTextHint =
      q.bTextAntiAlias && bText ? TextRenderingHintAntiAlias : TextRenderingHintSystemDefault;
  m_nSmoothingMode = nMode;
  if (nMode != nPrevious) ApplyQuality();
  return nPrevious;
}

void CTKMarkupGdiPlusDeviceContext::ApplyQuality() {
  m_pApi->GdipSetSmoothingMode(m_pGraphics, m_nSmoothing);
  m_pApi->GdipSetPixelOffsetMode(m_pGraphics, m_nPixelOffset);
  m_pApi->GdipSetInterpolationMode(m_pGraphics, m_nInterpolation);
  m_pApi->GdipSetTextRenderingHint(m_pGraphics, m_nTextHint);
}

GpBrush* CTKMarkupGdiPlusDeviceContext::MakeBrush(CTKMarkupBrush* pBrush, const RECT& rc) {
  if (pBrush == nullptr) return nullptr;
  if (pBrush->IsKindOf(CTKMarkupSolidColorBrush::StaticType())) {
    CTKMarkupColor* pColor = static_cast<CTKMarkupSolidColorBrush*>(pBrush)->GetColor();
    GpSolidFill* pFill = nullptr;
    if (pColor == nullptr || m_pApi->GdipCreateSolidFill(ToArgb(pColor->GetValue()), &pFill) != Ok)
      return nullptr;
    return pFill;
  }
  if (!pBrush->IsKindOf(CTKMarkupLinearGradientBrush::StaticType())) return nullptr;
  auto* pGradient = static_cast<CTKMarkupLinearGradientBrush*>(pBrush);
  const std::vector<TK_MARKUP_GRADIENT_STOP> stops = SortedGradientStops(pGradient);
  if (stops.empty()) return nullptr;
  const CTKMarkupPoint* pStart = pGradient->GetStartPoint();
  const CTKMarkupPoint* pEnd = pGradient->GetEndPoint();
  const double w = rc.right - rc.left, h = rc.bottom - rc.top;
  GpPointF start(static_cast<REAL>(rc.left + w * (pStart ? pStart->GetX() : 0.0)),
                 static_cast<REAL>(rc.top + h * (pStart ? pStart->GetY() : 0.0)));
  GpPointF end(static_cast<REAL>(rc.left + w * (pEnd ? pEnd->GetX() : 1.0)),
               static_cast<REAL>(rc.top + h * (pEnd ? pEnd->GetY() : 1.0)));
  const ARGB first = ToArgb(stops.front().clrColor), last = ToArgb(stops.back().clrColor);
  GpLineGradient* pLine = nullptr;
  if (m_pApi->GdipCreateLineBrush(&start, &end, first, last, WrapModeTileFlipXY, &pLine) != Ok)
    return nullptr;
  std::vector<ARGB> colors{first};
  std::vector<REAL> positions{0.0f};
  for (const TK_MARKUP_GRADIENT_STOP& s : stops) {
    colors.push_back(ToArgb(s.clrColor));
    positions.push_back(static_cast<REAL>(s.dOffset));
  }
  colors.push_back(last);
  positions.push_back(1.0f);
  m_pApi->GdipSetLinePresetBlend(pLine, colors.data(), positions.data(),
                                 static_cast<INT>(colors.size()));
  return pLine;
}

GpPen* CTKMarkupGdiPlusDeviceContext::MakePen(const MARKUP_STROKE* pStroke, const RECT& rc) {
  if (pStroke == nullptr || pStroke->pBrush == nullptr) return nullptr;
  const REAL fWidth = static_cast<REAL>(pStroke->nThickness);
  GpPen* pPen = nullptr;
  if (pStroke->pBrush->IsKindOf(CTKMarkupSolidColorBrush::StaticType())) {
    CTKMarkupColor* pColor = static_cast<CTKMarkupSolidColorBrush*>(pStroke->pBrush)->GetColor();
    m_pApi->GdipCreatePen1(ToArgb(pColor != nullptr ? pColor->GetValue() : 0), fWidth, UnitWorld,
                           &pPen);
  } else if (GpBrush* pBrush = MakeBrush(pStroke->pBrush, rc)) {
    m_pApi->GdipCreatePen2(pBrush, fWidth, UnitWorld, &pPen);
    m_pApi->GdipDeleteBrush(pBrush);
  }
  if (pPen == nullptr) return nullptr;
  if (CTKMarkupDoubleCollection* pDashes = pStroke->pDashArray) {
    if (pDashes->GetCount() == 1) {
      const REAL pair[2] = {pDashes->GetItem(0), pDashes->GetItem(0)};
      m_pApi->GdipSetPenDashArray(pPen, pair, 2);
    } else if (pDashes->GetCount() > 1) {
      m_pApi->GdipSetPenDashArray(pPen, pDashes->GetData(), pDashes->GetCount());
    }
  }
  if (pStroke->nLineJoin != 0)
    m_pApi->GdipSetPenLineJoin(pPen, static_cast<LineJoin>(pStroke->nLineJoin));
  if (pStroke->nStartCap != 0)
    m_pApi->GdipSetPenStartCap(pPen, static_cast<LineCap>(pStroke->nStartCap));
  if (pStroke->nEndCap != 0) m_pApi->GdipSetPenEndCap(pPen, static_cast<LineCap>(pStroke->nEndCap));
  return pPen;
}

namespace {

RECT PointsBounds(const POINT* pPoints, int nCount) {
  RECT rc = {INT_MAX, INT_MAX, INT_MIN + 1, INT_MIN + 1};
  for (int i = 0; i < nCount; ++i) {
    rc.left = std::min(rc.left, pPoints[i].x);
    rc.top = std::min(rc.top, pPoints[i].y);
    rc.right = std::max(rc.right, pPoints[i].x);
    rc.bottom = std::max(rc.bottom, pPoints[i].y);
  }
  return rc;
}

}  // namespace

void CTKMarkupGdiPlusDeviceContext::DrawEllipse(const RECT& rc, const MARKUP_STROKE* pStroke,
                                                CTKMarkupBrush* pFill) {
  const int s = pStroke != nullptr ? std::max(pStroke->nThickness, 0) : 0;
  const REAL x = rc.left + s / 2.0f, y = rc.top + s / 2.0f;
  const REAL w = static_cast<REAL>(rc.right - rc.left - s),
             h = static_cast<REAL>(rc.bottom - rc.top - s);
  if (GpBrush* pBrush = MakeBrush(pFill, rc)) {
    m_pApi->GdipFillEllipse(m_pGraphics, pBrush, x, y, w, h);
    m_pApi->GdipDeleteBrush(pBrush);
  }
  if (s <= 0) return;
  if (GpPen* pPen = MakePen(pStroke, rc)) {
    m_pApi->GdipDrawEllipse(m_pGraphics, pPen, x, y, w, h);
    m_pApi->GdipDeletePen(pPen);
  }
}

void CTKMarkupGdiPlusDeviceContext::DrawRectangle(const RECT& rc, CTKMarkupBrush* pBrush,
                                                  const CTKMarkupThickness* pThickness) {
  if (pThickness == nullptr) return;
  GpBrush* pFill = MakeBrush(pBrush, rc);
  if (pFill == nullptr) return;
  const int l = pThickness->GetLeft(), t = pThickness->GetTop();
  const int r = pThickness->GetRight(), b = pThickness->GetBottom();
  const int w = rc.right - rc.left, h = rc.bottom - rc.top;
  if (l > 0) m_pApi->GdipFillRectangleI(m_pGraphics, pFill, rc.left, rc.top, l, h);
  if (r > 0) m_pApi->GdipFillRectangleI(m_pGraphics, pFill, rc.right - r, rc.top, r, h);
  if (t > 0) m_pApi->GdipFillRectangleI(m_pGraphics, pFill, rc.left + l, rc.top, w - l - r, t);
  if (b > 0)
    m_pApi->GdipFillRectangleI(m_pGraphics, pFill, rc.left + l, rc.bottom - b, w - l - r, b);
  m_pApi->GdipDeleteBrush(pFill);
}

void CTKMarkupGdiPlusDeviceContext::FillRectangle(const RECT& rc, CTKMarkupBrush* pBrush) {
  if (GpBrush* pFill = MakeBrush(pBrush, rc)) {
    m_pApi->GdipFillRectangleI(m_pGraphics, pFill, rc.left, rc.top, rc.right - rc.left,
                               rc.bottom - rc.top);
    m_pApi->GdipDeleteBrush(pFill);
  }
}

void CTKMarkupGdiPlusDeviceContext::DrawLine(int x1, int y1, int x2, int y2,
                                             const MARKUP_STROKE* pStroke) {
  if (GpPen* pPen = MakePen(pStroke, RECT{x1, y1, x2, y2})) {
    m_pApi->GdipDrawLineI(m_pGraphics, pPen, x1, y1, x2, y2);
    m_pApi->GdipDeletePen(pPen);
  }
}

void CTKMarkupGdiPlusDeviceContext::Polyline(const POINT* pPoints, int nCount,
                                             const MARKUP_STROKE* pStroke) {
  if (pPoints == nullptr || nCount <= 0) return;
  if (GpPen* pPen = MakePen(pStroke, PointsBounds(pPoints, nCount))) {
    m_pApi->GdipDrawLinesI(m_pGraphics, pPen, reinterpret_cast<const GpPoint*>(pPoints), nCount);
    m_pApi->GdipDeletePen(pPen);
  }
}

void CTKMarkupGdiPlusDeviceContext::Polygon(const POINT* pPoints, int nCount,
                                            const MARKUP_STROKE* pStroke, CTKMarkupBrush* pFill) {
  if (pPoints == nullptr || nCount <= 0) return;
  const int t = pStroke != nullptr ? std::max(pStroke->nThickness, 0) : 0;
  const RECT bounds = PointsBounds(pPoints, nCount);
  const GpPoint* pGpPoints = reinterpret_cast<const GpPoint*>(pPoints);
  if (GpBrush* pBrush = MakeBrush(pFill, bounds)) {
    m_pApi->GdipSetPixelOffsetMode(m_pGraphics, m_nPixelOffset);
    m_pApi->GdipFillPolygonI(m_pGraphics, pBrush, pGpPoints, nCount, FillModeAlternate);
    m_pApi->GdipDeleteBrush(pBrush);
  }
  if (t <= 0) return;
  if (GpPen* pPen = MakePen(pStroke, bounds)) {
    // Odd widths fall on pixel centres without the half-pixel offset.
    m_pApi->GdipSetPixelOffsetMode(m_pGraphics,
                                   t % 2 == 0 ? m_nPixelOffset : PixelOffsetModeDefault);
    m_pApi->GdipDrawPolygonI(m_pGraphics, pPen, pGpPoints, nCount);
    m_pApi->GdipDeletePen(pPen);
  }
}

void CTKMarkupGdiPlusDeviceContext::DrawPath(const CTKMarkupPathData* pPath,
                                             const MARKUP_STROKE* pStroke, CTKMarkupBrush* pFill) {
  if (pPath == nullptr || pPath->GetCount() == 0) return;
  // A curve cut short at the end is left out, as the GDI walk does.
  const BYTE* pTypes = pPath->GetTypes();
  int nCount = pPath->GetCount();
  for (int i = 0; i < nCount; ++i) {
    if ((pTypes[i] & TK_PATH_POINT_TYPE_MASK) != TK_PATH_POINT_BEZIER) continue;
    if (i + 2 >= nCount) {
      nCount = i;
      break;
    }
    i += 2;
  }
  if (nCount == 0) return;
  GpPath* pGpPath = nullptr;
  if (m_pApi->GdipCreatePath2(reinterpret_cast<const GpPointF*>(pPath->GetPoints()), pTypes, nCount,
                              FillModeAlternate, &pGpPath) != Ok ||
      pGpPath == nullptr)
    return;
  const RECT& bounds = pPath->GetBounds();
  if (pFill != nullptr) {
    m_pApi->GdipSetPixelOffsetMode(m_pGraphics, m_nPixelOffset);
    if (GpBrush* pBrush = MakeBrush(pFill, bounds)) {
      m_pApi->GdipFillPath(m_pGraphics, pBrush, pGpPath);
      m_pApi->GdipDeleteBrush(pBrush);
    }
  }
  if (pStroke != nullptr && pStroke->nThickness > 0) {
    const int nMode = pPath->GetStrokePixelOffsetMode();
    m_pApi->GdipSetPixelOffsetMode(
        m_pGraphics, nMode != 0 ? static_cast<PixelOffsetMode>(nMode) : m_nPixelOffset);
    if (GpPen* pPen = MakePen(pStroke, bounds)) {
      m_pApi->GdipDrawPath(m_pGraphics, pPen, pGpPath);
      m_pApi->GdipDeletePen(pPen);
    }
  }
  m_pApi->GdipDeletePath(pGpPath);
}
