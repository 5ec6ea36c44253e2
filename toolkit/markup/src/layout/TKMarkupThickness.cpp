// CTKMarkupThickness: text form with units, the shared zero, deflating.
#include "TKMarkupThickness.h"

#include "markup/TKMarkupBuilder.h"
#include "markup/TKMarkupContext.h"
#include "TKMarkupConverters.h"
#include "markup/TKMarkupDependencyProperty.h"
#include "TKMarkupString.h"
#include "TKMarkupType.h"
#include "TKMarkupTypeTable.h"

#include <stdio.h>
#include <stdlib.h>
#include <wchar.h>

IMPLEMENT_MARKUP_TYPE(CTKMarkupThickness, TKMarkupRow_Thickness)
IMPLEMENT_MARKUP_FACTORY(CTKMarkupThickness)

BEGIN_DISPATCH_MAP(CTKMarkupThickness, CTKMarkupObject)
DISP_PROPERTY_ID(CTKMarkupThickness, "Left", 100, m_nLeft, VT_I4)
DISP_PROPERTY_ID(CTKMarkupThickness, "Top", 101, m_nTop, VT_I4)
DISP_PROPERTY_ID(CTKMarkupThickness, "Right", 102, m_nRight, VT_I4)
DISP_PROPERTY_ID(CTKMarkupThickness, "Bottom", 103, m_nBottom, VT_I4)
END_DISPATCH_MAP()

CTKMarkupThickness* CTKMarkupThickness::GetZero() {
  static CTKMarkupAutoPtr<CTKMarkupThickness> s_zero;
  if (s_zero == nullptr) s_zero.Assign(new CTKMarkupThickness);
  return s_zero.AddRefAndGet();
}

RECT CTKMarkupThickness::DeflateRect(const RECT& rc, const CTKMarkupThickness* pThickness) {
  if (pThickness == nullptr) return rc;
  RECT result;
  result.left = rc.left + pThickness->m_nLeft;
  result.top = rc.top + pThickness->m_nTop;
  result.right = rc.right - pThickness->m_nRight;
  result.bottom = rc.bottom - pThickness->m_nBottom;
  if (result.right < result.left) result.right = result.left;
  if (result.bottom < result.top) result.bottom = result.top;
  return result;
}

BOOL CTKMarkupThickness::IsEqual(const CTKMarkupObject* pOther) const {
  if (pOther == nullptr || !pOther->IsKindOf(StaticType())) return FALSE;
  const CTKMarkupThickness* p = static_cast<const CTKMarkupThickness*>(pOther);
  return p->m_nLeft == m_nLeft && p->m_nTop == m_nTop && p->m_nRight == m_nRight &&
         p->m_nBottom == m_nBottom;
}

namespace {

enum Unit { kNoUnit, kPoints, kInches, kCentimetres, kMillimetres };

Unit UnitOf(LPCWSTR lpszText, size_t nLength) {
  if (nLength <= 2) return kNoUnit;
  LPCWSTR lpszUnit = lpszText + nLength - 2;
  if (_wcsicmp(lpszUnit, L"pt") == 0) return kPoints;
  if (_wcsicmp(lpszUnit, L"in") == 0) return kInches;
  if (_wcsicmp(lpszUnit, L"cm") == 0) return kCentimetres;
  if (_wcsicmp(lpszUnit, L"mm") == 0) return kMillimetres;
  return kNoUnit;
}

// Physical units at 96 pixels per inch, computed wide and kept inside the
// int range as plain lengths are.
int ToPixels(int nValue, Unit unit) {
  const long long n = nValue;
  switch (unit) {
    case kPoints:
      return ClampMarkupLength((n >= 0 ? n * 96 + 36 : n * 96 - 36) / 72);
    case kInches:
      return ClampMarkupLength(n * 96);
    case kCentimetres:
      return ClampMarkupLength(static_cast<long long>(n * 37.79528));
    case kMillimetres:
      return ClampMarkupLength(static_cast<long long>(n * 3.779528));
    default:
      return nValue;
  }
}

LPCWSTR FourValueFormat(Unit unit) {
  switch (unit) {
    case kPoints:
      return L"%ipt, %ipt, %ipt, %ipt";
    case kInches:
      return L"%iin, %iin, %iin, %iin";
    case kCentimetres:
      return L"%icm, %icm, %icm, %icm";
    case kMillimetres:
      return L"%imm, %imm, %imm, %imm";
    default:
      return L"%i, %i, %i, %i";
  }
}

}  // namespace

CTKMarkupObject* CTKMarkupThickness::ConvertFrom(CTKMarkupBuilder* pBuilder,
                                                 CTKMarkupObject* pValue) {
  LPCWSTR lpszText = MarkupStringText(pValue);
  if (lpszText == nullptr) return nullptr;
  const Unit unit = UnitOf(lpszText, wcslen(lpszText));
  CTKMarkupContext* pContext = pBuilder != nullptr ? pBuilder->GetContext() : nullptr;
  CTKMarkupDependencyProperty* pProperty = GetConvertingProperty();
  const DWORD dwFlags = pProperty != nullptr ? pProperty->GetFlags() : 0;
  const bool bScaleX = pContext != nullptr && (dwFlags & TK_MARKUP_SCALE_DPI_X);
  const bool bScaleY = pContext != nullptr && (dwFlags & TK_MARKUP_SCALE_DPI_Y);

  if (wcschr(lpszText, L',') == nullptr) {
    const int nValue = ToPixels(ReadMarkupInteger(lpszText), unit);
    return new CTKMarkupThickness(bScaleX ? pContext->ScaleX(nValue) : nValue,
                                  bScaleY ? pContext->ScaleY(nValue) : nValue);
  }
  int n[4] = {};
  if (swscanf(lpszText, FourValueFormat(unit), &n[0], &n[1], &n[2], &n[3]) != 4) return nullptr;
  for (int& nSide : n) nSide = ToPixels(nSide, unit);
  if (bScaleX) {
    n[0] = pContext->ScaleX(n[0]);
    n[2] = pContext->ScaleX(n[2]);
  }
  if (bScaleY) {
    n[1] = pContext->ScaleY(n[1]);
    n[3] = pContext->ScaleY(n[3]);
  }
  return new CTKMarkupThickness(n[0], n[1], n[2], n[3]);
}
