// Point values: text forms, bounds and stretching.
#include "TKMarkupPoint.h"

#include "markup/TKMarkupBuilder.h"
#include "markup/TKMarkupContext.h"
#include "TKMarkupConverters.h"
#include "TKMarkupString.h"
#include "TKMarkupType.h"
#include "TKMarkupTypeTable.h"

#include <limits.h>

IMPLEMENT_MARKUP_TYPE(CTKMarkupPoint, TKMarkupRow_Point)
IMPLEMENT_MARKUP_FACTORY(CTKMarkupPoint)
IMPLEMENT_MARKUP_TYPE(CTKMarkupPointCollection, TKMarkupRow_PointCollection)
IMPLEMENT_MARKUP_FACTORY(CTKMarkupPointCollection)

CTKMarkupObject* CTKMarkupPoint::ConvertFrom(CTKMarkupBuilder* pBuilder, CTKMarkupObject* pValue) {
  LPCWSTR p = MarkupStringText(pValue);
  double x = 0.0, y = 0.0;
  if (p == nullptr || !ParseMarkupNumber(&p, &x, L',', FALSE) ||
      !ParseMarkupNumber(&p, &y, 0, TRUE))
    return nullptr;
  CTKMarkupContext* pContext = pBuilder != nullptr ? pBuilder->GetContext() : nullptr;
  CTKMarkupDependencyProperty* pProperty = GetConvertingProperty();
  DWORD dwFlags = pProperty != nullptr ? pProperty->GetFlags() : 0;
  if (pContext != nullptr && (dwFlags & TK_MARKUP_SCALE_DPI_X)) x = pContext->ScaleXDouble(x);
  if (pContext != nullptr && (dwFlags & TK_MARKUP_SCALE_DPI_Y)) y = pContext->ScaleYDouble(y);
  return new CTKMarkupPoint(x, y);
}

CTKMarkupPointCollection::CTKMarkupPointCollection() : m_rcBounds{0, 0, 0, 0} {}

CTKMarkupPointCollection::CTKMarkupPointCollection(const CArray<POINT, POINT>& points)
    : m_rcBounds{0, 0, 0, 0} {
  m_points.Copy(points);
  ComputeBounds();
}

void CTKMarkupPointCollection::ComputeBounds() {
  m_rcBounds = RECT{0, 0, 0, 0};
  for (INT_PTR i = 0; i < m_points.GetSize(); ++i) {
    const POINT& pt = m_points[i];
    if (i == 0) {
      m_rcBounds = RECT{pt.x, pt.y, pt.x, pt.y};
      continue;
    }
    if (pt.x < m_rcBounds.left) m_rcBounds.left = pt.x;
    if (pt.y < m_rcBounds.top) m_rcBounds.top = pt.y;
    if (pt.x > m_rcBounds.right) m_rcBounds.right = pt.x;
    if (pt.y > m_rcBounds.bottom) m_rcBounds.bottom = pt.y;
  }
}

void CTKMarkupPointCollection::Stretch(CArray<POINT, POINT>& points, int nWidth,
                                       int nHeight) const {
  points.Copy(m_points);
  const int nSpanX = m_rcBounds.right - m_rcBounds.left;
  const int nSpanY = m_rcBounds.bottom - m_rcBounds.top;
  if (nSpanX == 0 && nSpanY == 0) return;
  for (INT_PTR i = 0; i < points.GetSize(); ++i) {
    if (nSpanX != 0)
      points[i].x = static_cast<LONG>(static_cast<long long>(points[i].x - m_rcBounds.left) *
                                      nWidth / nSpanX);
    if (nSpanY != 0)
      points[i].y = static_cast<LONG>(static_cast<long long>(points[i].y - m_rcBounds.top) *
                                      nHeight / nSpanY);
  }
}

namespace {

bool IsBlank(WCHAR ch) { return ch == L' ' || ch == L'\t' || ch == L'\r' || ch == L'\n'; }

// One integer of a point list: blanks, an optional minus, digits, ended by
// the end of the text or by a blank or comma (consumed). Values beyond the
// int range stop at its ends rather than wrapping.
bool ReadListInteger(LPCWSTR& p, int* pValue) {
  while (IsBlank(*p)) ++p;
  bool bNegative = *p == L'-';
  if (bNegative) ++p;
  if (*p < L'0' || *p > L'9') return false;
  long long nValue = 0;
  for (; *p >= L'0' && *p <= L'9'; ++p) {
    if (nValue <= INT_MAX) nValue = nValue * 10 + (*p - L'0');
  }
  if (*p != 0) {
    if (!IsBlank(*p) && *p != L',') return false;
    ++p;
  }
  if (bNegative) nValue = -nValue;
  *pValue = nValue > INT_MAX ? INT_MAX : (nValue < INT_MIN ? INT_MIN : static_cast<int>(nValue));
  return true;
}

}  // namespace

CTKMarkupObject* CTKMarkupPointCollection::ConvertFrom(CTKMarkupBuilder* pBuilder,
                                                       CTKMarkupObject* pValue) {
  LPCWSTR p = MarkupStringText(pValue);
  if (p == nullptr) return nullptr;
  CTKMarkupContext* pContext = pBuilder != nullptr ? pBuilder->GetContext() : nullptr;
  CTKMarkupPointCollection* pResult = new CTKMarkupPointCollection;
  while (*p != 0) {
    POINT pt;
    int x = 0, y = 0;
    if (!ReadListInteger(p, &x) || !ReadListInteger(p, &y)) {
      pResult->Release();
      return nullptr;
    }
    while (IsBlank(*p)) ++p;
    pt.x = pContext != nullptr ? pContext->ScaleX(x) : x;
    pt.y = pContext != nullptr ? pContext->ScaleY(y) : y;
    pResult->m_points.Add(pt);
  }
  pResult->ComputeBounds();
  return pResult;
}
