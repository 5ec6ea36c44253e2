// Text forms of colours, numbers and lengths.
#include "TKMarkupConverters.h"

#include "TKMarkupColorNames.h"
#include "markup/TKMarkupBuilder.h"
#include "markup/TKMarkupContext.h"
#include "TKMarkupString.h"
#include "TKMarkupValues.h"

#include <limits.h>
#include <math.h>
#include <stdio.h>
#include <wctype.h>

#include <cmath>

BOOL ParseMarkupColor(LPCWSTR lpszText, DWORD* pColor) {
  if (lpszText == nullptr) return FALSE;
  if (lpszText[0] == L'#') {
    unsigned int a = 0xFF, r = 0, g = 0, b = 0;
    const size_t nLength = wcslen(lpszText);
    if (nLength == 7) {
      if (swscanf(lpszText, L"#%2x%2x%2x", &r, &g, &b) != 3) return FALSE;
    } else if (nLength == 9) {
      if (swscanf(lpszText, L"#%2x%2x%2x%2x", &a, &r, &g, &b) != 4) return FALSE;
    } else {
      return FALSE;
    }
    *pColor = (a << 24) | (b << 16) | (g << 8) | r;
    return TRUE;
  }
  if (!((lpszText[0] >= L'A' && lpszText[0] <= L'Z') ||
        (lpszText[0] >= L'a' && lpszText[0] <= L'z')))
    return FALSE;
  return LookupMarkupColorName(lpszText, pColor);
}

BOOL ParseMarkupNumber(LPCWSTR* ppszCursor, double* pValue, WCHAR chSeparator, BOOL bWhole) {
  LPCWSTR p = *ppszCursor;
  while (*p == L' ') ++p;
  bool bNegative = false;
  if (*p == L'-' || *p == L'+') bNegative = *p++ == L'-';
  if (*p == 0) return FALSE;
  double dValue = 0.0;
  double dScale = 0.1;
  bool bPoint = false;
  bool bDigits = false;
  for (; *p != 0 && *p != L' ' && (chSeparator == 0 || *p != chSeparator); ++p) {
    if (*p == L'.') {
      if (bPoint) return FALSE;
      bPoint = true;
    } else if (*p >= L'0' && *p <= L'9') {
      bDigits = true;
      if (!bPoint) {
        dValue = dValue * 10 + (*p - L'0');
      } else {
        dValue += (*p - L'0') * dScale;
        dScale /= 10;
      }
    } else {
      return FALSE;
    }
  }
  // A number too long for a double reads as infinite: no value for layout.
  if (!bDigits || !std::isfinite(dValue)) return FALSE;
  if (*p == L' ') {
    while (*p == L' ') ++p;
    if (chSeparator != 0 && *p == chSeparator) ++p;
  } else if (chSeparator != 0 && *p == chSeparator) {
    ++p;
  }
  while (*p == L' ') ++p;
  if (bWhole && *p != 0) return FALSE;
  *ppszCursor = p;
  *pValue = bNegative ? -dValue : dValue;
  return TRUE;
}

int ReadMarkupInteger(LPCWSTR lpszText) {
  if (lpszText == nullptr) return 0;
  LPCWSTR p = lpszText;
  while (iswspace(*p)) ++p;
  bool bNegative = false;
  if (*p == L'-' || *p == L'+') bNegative = *p++ == L'-';
  long long nValue = 0;
  for (; *p >= L'0' && *p <= L'9'; ++p) {
    nValue = nValue * 10 + (*p - L'0');
    if (nValue > static_cast<long long>(INT_MAX) + 1) nValue = static_cast<long long>(INT_MAX) + 1;
  }
  if (bNegative) nValue = -nValue;
  if (nValue > INT_MAX) return INT_MAX;
  if (nValue < INT_MIN) return INT_MIN;
  return static_cast<int>(nValue);
}

int ScaleMarkupLength(CTKMarkupBuilder* pBuilder, const CTKMarkupDependencyProperty* pProperty,
                      int nValue) {
  CTKMarkupContext* pContext = pBuilder != nullptr ? pBuilder->GetContext() : nullptr;
  if (pContext == nullptr || pProperty == nullptr) return nValue;
  if (pProperty->GetFlags() & TK_MARKUP_SCALE_DPI_X) return pContext->ScaleX(nValue);
  if (pProperty->GetFlags() & TK_MARKUP_SCALE_DPI_Y) return pContext->ScaleY(nValue);
  return nValue;
}

double ScaleMarkupLength(CTKMarkupBuilder* pBuilder, const CTKMarkupDependencyProperty* pProperty,
                         double dValue) {
  CTKMarkupContext* pContext = pBuilder != nullptr ? pBuilder->GetContext() : nullptr;
  if (pContext == nullptr || pProperty == nullptr) return dValue;
  if (pProperty->GetFlags() & TK_MARKUP_SCALE_DPI_X) return pContext->ScaleXDouble(dValue);
  if (pProperty->GetFlags() & TK_MARKUP_SCALE_DPI_Y) return pContext->ScaleYDouble(dValue);
  return dValue;
}

// Lengths are computed wide and kept inside the int range: a huge number
// with a unit must not wrap round into a small or negative length.
int ClampMarkupLength(long long nValue) {
  if (nValue > INT_MAX) return INT_MAX;
  if (nValue < INT_MIN) return INT_MIN;
  return static_cast<int>(nValue);
}

namespace {

// MulDiv's rounding (halves away from zero) without its overflow answer of -1.
long long RoundedDiv(long long nValue, long long nDivisor) {
  return (nValue >= 0 ? nValue + nDivisor / 2 : nValue - nDivisor / 2) / nDivisor;
}

}  // namespace

CTKMarkupObject* ConvertMarkupLength(CTKMarkupBuilder* pBuilder, CTKMarkupObject* pValue,
                                     CTKMarkupDependencyProperty* pProperty) {
  LPCWSTR lpszText = MarkupStringText(pValue);
  if (lpszText == nullptr) return nullptr;
  if (_wcsicmp(lpszText, L"Auto") == 0) return new CTKMarkupInt(INT_MAX);
  const int n = ReadMarkupInteger(lpszText);
  if (n == 0) return new CTKMarkupInt(0);
  long long nLength = n;
  const size_t nChars = wcslen(lpszText);
  if (nChars > 2) {
    LPCWSTR lpszUnit = lpszText + nChars - 2;
    if (_wcsicmp(lpszUnit, L"pt") == 0)
      nLength = RoundedDiv(static_cast<long long>(n) * 96, 72);
    else if (_wcsicmp(lpszUnit, L"in") == 0)
      nLength = static_cast<long long>(n) * 96;
    else if (_wcsicmp(lpszUnit, L"cm") == 0)
      nLength = static_cast<long long>(n * 37.79528);
    else if (_wcsicmp(lpszUnit, L"mm") == 0)
      nLength = static_cast<long long>(n * 3.779528);
  }
  return new CTKMarkupInt(ScaleMarkupLength(pBuilder, pProperty, ClampMarkupLength(nLength)));
}
