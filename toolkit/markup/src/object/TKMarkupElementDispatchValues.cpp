// Variant values of markup objects for the element dispatch maps.
#include "TKMarkupElementDispatchValues.h"

#include "TKMarkupString.h"

VARIANT MarkupObjectToVariant(CTKMarkupObject* pValue) {
  VARIANT result;
  VariantInit(&result);
  if (pValue == nullptr) {
    V_VT(&result) = VT_NULL;
  } else if (LPCWSTR lpszText = MarkupStringText(pValue)) {
    V_VT(&result) = VT_BSTR;
    V_BSTR(&result) = SysAllocString(lpszText);
  } else {
    V_VT(&result) = VT_DISPATCH;
    V_DISPATCH(&result) = pValue->GetIDispatch(TRUE);
  }
  return result;
}

CTKMarkupObject* MarkupStringFromVariant(const VARIANT& value) {
  if (V_VT(&value) != VT_BSTR) AfxThrowOleException(DISP_E_TYPEMISMATCH);
  return CTKMarkupString::CreateValue(V_BSTR(&value) != nullptr ? V_BSTR(&value) : L"");
}

LPDISPATCH MarkupObjectDispatch(CTKMarkupObject* pObject) {
  return pObject != nullptr ? pObject->GetIDispatch(TRUE) : nullptr;
}
