// The simple value classes: equality, shared instances and their text forms.
#include "TKMarkupValues.h"

#include "markup/TKMarkupBuilder.h"
#include "TKMarkupConverters.h"
#include "TKMarkupString.h"
#include "TKMarkupType.h"
#include "TKMarkupTypeTable.h"

IMPLEMENT_MARKUP_TYPE(CTKMarkupInt, TKMarkupRow_Int)
IMPLEMENT_MARKUP_FACTORY(CTKMarkupInt)
IMPLEMENT_MARKUP_TYPE(CTKMarkupDouble, TKMarkupRow_Double)
IMPLEMENT_MARKUP_FACTORY(CTKMarkupDouble)
IMPLEMENT_MARKUP_TYPE(CTKMarkupEnum, TKMarkupRow_Enum)
IMPLEMENT_MARKUP_FACTORY(CTKMarkupEnum)
IMPLEMENT_MARKUP_TYPE(CTKMarkupBool, TKMarkupRow_Bool)
IMPLEMENT_MARKUP_FACTORY(CTKMarkupBool)
IMPLEMENT_MARKUP_TYPE(CTKMarkupColor, TKMarkupRow_Color)
IMPLEMENT_MARKUP_FACTORY(CTKMarkupColor)
IMPLEMENT_MARKUP_TYPE(CTKMarkupColorKey, TKMarkupRow_ColorKey)
IMPLEMENT_MARKUP_FACTORY(CTKMarkupColorKey)

namespace {

// Value classes compare exactly: a subclass never equals its base's value.
template <class T>
const T* SameClass(const CTKMarkupObject* pThis, const CTKMarkupObject* pOther) {
  return pOther != nullptr && pOther->GetType() == pThis->GetType() ? static_cast<const T*>(pOther)
                                                                    : nullptr;
}

}  // namespace

BOOL CTKMarkupInt::IsEqual(const CTKMarkupObject* pOther) const {
  const CTKMarkupInt* p = SameClass<CTKMarkupInt>(this, pOther);
  return p != nullptr && p->m_nValue == m_nValue;
}

CTKMarkupObject* CTKMarkupInt::ConvertFrom(CTKMarkupBuilder* pBuilder, CTKMarkupObject* pValue) {
  LPCWSTR lpszText = MarkupStringText(pValue);
  if (lpszText == nullptr) return nullptr;
  int nValue = ScaleMarkupLength(pBuilder, GetConvertingProperty(), ReadMarkupInteger(lpszText));
  return new CTKMarkupInt(nValue);
}

BOOL CTKMarkupDouble::IsEqual(const CTKMarkupObject* pOther) const {
  const CTKMarkupDouble* p = SameClass<CTKMarkupDouble>(this, pOther);
  return p != nullptr && p->m_dValue == m_dValue;
}

CTKMarkupObject* CTKMarkupDouble::ConvertFrom(CTKMarkupBuilder* pBuilder, CTKMarkupObject* pValue) {
  LPCWSTR lpszText = MarkupStringText(pValue);
  double dValue = 0.0;
  if (lpszText == nullptr || !ParseMarkupNumber(&lpszText, &dValue, 0, TRUE)) return nullptr;
  return new CTKMarkupDouble(ScaleMarkupLength(pBuilder, GetConvertingProperty(), dValue));
}

BOOL CTKMarkupEnum::IsEqual(const CTKMarkupObject* pOther) const {
  const CTKMarkupEnum* p = SameClass<CTKMarkupEnum>(this, pOther);
  return p != nullptr && p->m_nValue == m_nValue;
}

CTKMarkupEnum* CTKMarkupEnum::CreateValue(int nValue) {
  static CTKMarkupAutoPtr<CTKMarkupEnum> s_shared[8];
  if (nValue < 0 || nValue > 7) return new CTKMarkupEnum(nValue);
  if (s_shared[nValue] == nullptr) s_shared[nValue].Assign(new CTKMarkupEnum(nValue));
  return s_shared[nValue].AddRefAndGet();
}

BOOL CTKMarkupBool::IsEqual(const CTKMarkupObject* pOther) const {
  const CTKMarkupBool* p = SameClass<CTKMarkupBool>(this, pOther);
  return p != nullptr && p->m_bValue == m_bValue;
}

CTKMarkupBool* CTKMarkupBool::CreateValue(BOOL bValue) {
  static CTKMarkupAutoPtr<CTKMarkupBool> s_true;
  static CTKMarkupAutoPtr<CTKMarkupBool> s_false;
  CTKMarkupAutoPtr<CTKMarkupBool>& shared = bValue ? s_true : s_false;
  if (shared == nullptr) shared.Assign(new CTKMarkupBool(bValue));
  return shared.AddRefAndGet();
}

CTKMarkupObject* CTKMarkupBool::ConvertFrom(CTKMarkupBuilder*, CTKMarkupObject* pValue) {
  LPCWSTR lpszText = MarkupStringText(pValue);
  if (lpszText == nullptr) return nullptr;
  if (_wcsicmp(lpszText, L"True") == 0) return CreateTrueValue();
  if (_wcsicmp(lpszText, L"False") == 0) return CreateFalseValue();
  return nullptr;
}

BOOL CTKMarkupColor::IsEqual(const CTKMarkupObject* pOther) const {
  const CTKMarkupColor* p = SameClass<CTKMarkupColor>(this, pOther);
  return p != nullptr && p->m_clrValue == m_clrValue;
}

CTKMarkupObject* CTKMarkupColor::ConvertFrom(CTKMarkupBuilder*, CTKMarkupObject* pValue) {
  DWORD clrValue = 0;
  if (!ParseMarkupColor(MarkupStringText(pValue), &clrValue)) return nullptr;
  return new CTKMarkupColor(static_cast<BYTE>(clrValue >> 24), clrValue);
}

void CTKMarkupColor::SetContentObject(CTKMarkupBuilder* pBuilder, CTKMarkupObject* pContent) {
  DWORD clrValue = 0;
  if (!ParseMarkupColor(MarkupStringText(pContent), &clrValue)) {
    CTKMarkupObject::SetContentObject(pBuilder, pContent);
    return;
  }
  m_clrValue = clrValue;
}
