// CTKMarkupPathData: the immutable point list of a path, its bounds,
// stretching, and its conversion from path text.
#include "markup/TKMarkupPathData.h"

#include "markup/TKMarkupDependencyProperty.h"
#include "TKMarkupPathGeometry.h"
#include "TKMarkupString.h"
#include "TKMarkupType.h"
#include "TKMarkupTypeTable.h"

#include <limits.h>
#include <math.h>

IMPLEMENT_MARKUP_TYPE(CTKMarkupPathData, TKMarkupRow_PathData)
IMPLEMENT_MARKUP_FACTORY(CTKMarkupPathData)

CTKMarkupDependencyProperty* CTKMarkupPathData::PathGeometryProperty = nullptr;

namespace {

// Bounds are whole pixels around the points, kept inside the int range so
// that huge coordinates cannot make an undefined conversion.
LONG ClampToLong(double dValue) {
  if (dValue >= static_cast<double>(INT_MAX)) return INT_MAX;
  if (dValue <= static_cast<double>(INT_MIN)) return INT_MIN;
  return static_cast<LONG>(dValue);
}

}  // namespace

CTKMarkupPathData::CTKMarkupPathData()
    : m_rcBounds{0, 0, 0, 0}, m_dwFlags(0), m_nStrokePixelOffsetMode(0) {}

CTKMarkupPathData::CTKMarkupPathData(const MARKUP_POINTF* pPoints, const BYTE* pTypes, int nCount)
    : m_rcBounds{0, 0, 0, 0}, m_dwFlags(0), m_nStrokePixelOffsetMode(0) {
  if (nCount > 0 && pPoints != nullptr && pTypes != nullptr) {
    m_points.assign(pPoints, pPoints + nCount);
    m_types.assign(pTypes, pTypes + nCount);
  }
  ComputeBounds();
}

CTKMarkupPathData::~CTKMarkupPathData() = default;

void CTKMarkupPathData::ComputeBounds() {
  if (m_points.empty()) return;
  float fLeft = m_points[0].x, fTop = m_points[0].y, fRight = fLeft, fBottom = fTop;
  for (const MARKUP_POINTF& pt : m_points) {
    fLeft = pt.x < fLeft ? pt.x : fLeft;
    fTop = pt.y < fTop ? pt.y : fTop;
    fRight = pt.x > fRight ? pt.x : fRight;
    fBottom = pt.y > fBottom ? pt.y : fBottom;
  }
  m_rcBounds.left = ClampToLong(floor(fLeft));
  m_rcBounds.top = ClampToLong(floor(fTop));
  m_rcBounds.right = ClampToLong(ceil(fRight));
  m_rcBounds.bottom = ClampToLong(ceil(fBottom));
}

CTKMarkupPathData* CTKMarkupPathData::Stretch(int nWidth, int nHeight) const {
  std::vector<MARKUP_POINTF> points = m_points;
  const double dSpanX = static_cast<double>(m_rcBounds.right) - m_rcBounds.left;
  const double dSpanY = static_cast<double>(m_rcBounds.bottom) - m_rcBounds.top;
  for (MARKUP_POINTF& pt : points) {
    if (dSpanX != 0.0) pt.x = static_cast<float>(nWidth * (pt.x - m_rcBounds.left) / dSpanX);
    if (dSpanY != 0.0) pt.y = static_cast<float>(nHeight * (pt.y - m_rcBounds.top) / dSpanY);
  }
  CTKMarkupPathData* pResult =
      new CTKMarkupPathData(points.data(), m_types.data(), static_cast<int>(points.size()));
  pResult->m_dwFlags = m_dwFlags;
  return pResult;
}

CTKMarkupObject* CTKMarkupPathData::ConvertFrom(CTKMarkupBuilder* pBuilder,
                                                CTKMarkupObject* pValue) {
  if (pValue == nullptr || !pValue->IsKindOf(CTKMarkupString::StaticType())) return nullptr;
  CTKMarkupString* pString = static_cast<CTKMarkupString*>(pValue);
  CTKMarkupPathDataParser parser;
  parser.Parse(pBuilder, pString->GetTextOrEmpty(), pString->GetLength());
  return parser.GetPathData();
}

void CTKMarkupPathData::RegisterMarkupProperties() {
  PathGeometryProperty = CTKMarkupDependencyProperty::Register(
      L"PathGeometry", CTKMarkupPathGeometry::StaticType(), StaticType());
}

CTKMarkupPathGeometry* CTKMarkupPathData::GetPathGeometry() {
  return static_cast<CTKMarkupPathGeometry*>(GetValue(PathGeometryProperty));
}

void CTKMarkupPathData::SetContentObject(CTKMarkupBuilder* pBuilder, CTKMarkupObject* pContent) {
  if (pContent != nullptr && pContent->IsKindOf(CTKMarkupPathGeometry::StaticType())) {
    pContent->AddRef();
    SetValue(PathGeometryProperty, pContent);
    return;
  }
  CTKMarkupObject::SetContentObject(pBuilder, pContent);
}
