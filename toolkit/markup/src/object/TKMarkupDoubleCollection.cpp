// CTKMarkupDoubleCollection: number lists and their text form.
#include "TKMarkupDoubleCollection.h"

#include "TKMarkupString.h"
#include "TKMarkupType.h"
#include "TKMarkupTypeTable.h"

IMPLEMENT_MARKUP_TYPE(CTKMarkupDoubleCollection, TKMarkupRow_DoubleCollection)
IMPLEMENT_MARKUP_FACTORY(CTKMarkupDoubleCollection)

BEGIN_DISPATCH_MAP(CTKMarkupDoubleCollection, CTKMarkupObject)
DISP_PROPERTY_EX(CTKMarkupDoubleCollection, "Count", DispGetCount, SetNotSupported, VT_I4)
DISP_FUNCTION(CTKMarkupDoubleCollection, "Item", DispItem, VT_R8, VTS_I4)
DISP_FUNCTION(CTKMarkupDoubleCollection, "Add", DispAdd, VT_EMPTY, VTS_R8)
DISP_FUNCTION(CTKMarkupDoubleCollection, "Clear", DispClear, VT_EMPTY, VTS_NONE)
DISP_FUNCTION(CTKMarkupDoubleCollection, "RemoveAt", DispRemoveAt, VT_EMPTY, VTS_I4)
END_DISPATCH_MAP()

float CTKMarkupDoubleCollection::GetItem(int nIndex) const {
  if (nIndex < 0 || nIndex >= GetCount()) AfxThrowInvalidArgException();
  return m_values[nIndex];
}

void CTKMarkupDoubleCollection::Add(double dValue) {
  m_values.push_back(static_cast<float>(dValue));
}

void CTKMarkupDoubleCollection::RemoveAt(int nIndex) {
  if (nIndex >= 0 && nIndex < GetCount()) m_values.erase(m_values.begin() + nIndex);
}

void CTKMarkupDoubleCollection::RemoveAll() { m_values.clear(); }

namespace {

bool IsBlank(WCHAR ch) { return ch == L' '; }

// One number of a list: an optional minus, digits with at most one point,
// ended by a blank, a comma (consumed) or the end of the text.
bool ReadListNumber(LPCWSTR& p, float* pValue) {
  bool bNegative = false;
  if (*p == L'-') {
    bNegative = true;
    ++p;
  }
  double dValue = 0.0;
  double dScale = 0.1;  // the weight of the next digit after the point
  bool bPoint = false;
  int nChars = 0;
  for (; *p != 0 && !IsBlank(*p) && *p != L','; ++p, ++nChars) {
    if (*p == L'.') {
      if (bPoint) return false;
      bPoint = true;
    } else if (*p >= L'0' && *p <= L'9') {
      if (!bPoint) {
        dValue = dValue * 10 + (*p - L'0');
      } else {
        dValue += (*p - L'0') * dScale;
        dScale /= 10;
      }
    } else {
      return false;
    }
  }
  if (nChars == 0) return false;
  if (*p == L',') ++p;
  *pValue = static_cast<float>(bNegative ? -dValue : dValue);
  return true;
}

}  // namespace

CTKMarkupObject* CTKMarkupDoubleCollection::ConvertFrom(CTKMarkupBuilder*,
                                                        CTKMarkupObject* pValue) {
  LPCWSTR p = MarkupStringText(pValue);
  if (p == nullptr) return nullptr;
  std::vector<float> values;
  while (*p != 0) {
    while (IsBlank(*p)) ++p;
    if (*p == 0) break;
    float fValue = 0;
    if (!ReadListNumber(p, &fValue)) return nullptr;
    values.push_back(fValue);
    while (IsBlank(*p)) ++p;
  }
  return new CTKMarkupDoubleCollection(values);
}
