// The text forms of grid lengths.
#include "TKMarkupGridLength.h"

#include "markup/TKMarkupBuilder.h"
#include "markup/TKMarkupContext.h"
#include "TKMarkupConverters.h"
#include "TKMarkupString.h"
#include "TKMarkupTypeTable.h"

IMPLEMENT_MARKUP_TYPE(CTKMarkupGridLength, TKMarkupRow_GridLength)
IMPLEMENT_MARKUP_FACTORY(CTKMarkupGridLength)

CTKMarkupObject* CTKMarkupGridLength::ConvertFrom(CTKMarkupBuilder* pBuilder,
                                                  CTKMarkupObject* pValue) {
  LPCWSTR lpszText = MarkupStringText(pValue);
  if (lpszText == nullptr) return nullptr;
  if (wcslen(lpszText) == 4 && _wcsicmp(lpszText, L"Auto") == 0)
    return new CTKMarkupGridLength(1.0, TKGridUnit_Auto);
  if (wcscmp(lpszText, L"*") == 0) return new CTKMarkupGridLength(1.0, TKGridUnit_Star);
  const BOOL bStar = wcschr(lpszText, L'*') != nullptr;
  double dValue = 0.0;
  LPCWSTR lpszCursor = lpszText;
  if (!ParseMarkupNumber(&lpszCursor, &dValue, L'*', TRUE)) return nullptr;
  if (bStar) return new CTKMarkupGridLength(dValue, TKGridUnit_Star);
  CTKMarkupContext* pContext = pBuilder != nullptr ? pBuilder->GetContext() : GetContext();
  if (pContext != nullptr) dValue = pContext->ScaleXDouble(dValue);
  return new CTKMarkupGridLength(dValue, TKGridUnit_Pixel);
}
