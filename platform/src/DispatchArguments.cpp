// Argument and result conversion for the dispatch-map thunks.
#include "afxcmdtarget.h"

#include <string.h>

AfxDispArgs::~AfxDispArgs() {
  for (VARIANT& v : m_values) VariantClear(&v);
}

namespace {

const VARIANT kNothing = {};  // VT_EMPTY

// A by-reference argument whose variable the member's result can go to.
bool IsWritableReference(const VARIANT& v) {
  return (V_VT(&v) & VT_BYREF) != 0 && V_BYREF(&v) != nullptr;
}

}  // namespace

HRESULT AfxDispArgs::Prepare(const AFX_DISPCALL& call, LPCSTR lpszParams) {
  const DISPPARAMS& params = *call.pParams;
  const size_t nParams = strlen(lpszParams);
  if (params.cArgs != nParams) return DISP_E_BADPARAMCOUNT;
  m_values.resize(nParams);
  m_texts.resize(nParams);
  m_scalars.assign(nParams, 0);
  m_callerRefs.assign(nParams, nullptr);
  for (VARIANT& v : m_values) VariantInit(&v);
  // rgvarg holds the arguments last one first.
  for (size_t i = 0; i < nParams; ++i) {
    const UINT nArg = static_cast<UINT>(nParams - 1 - i);
    const BYTE nParam = static_cast<BYTE>(lpszParams[i]);
    VARIANT& arg = params.rgvarg[nArg];
    const VARIANT* pSource = &arg;
    if (nParam & VT_MFCBYREF) {
      if (IsWritableReference(arg)) m_callerRefs[i] = &arg;
      // A script's null in place of a variable: the member starts from nothing.
      if (V_VT(&arg) == VT_NULL) pSource = &kNothing;
    }
    HRESULT hr = Coerce(i, *pSource, nParam & ~VT_MFCBYREF);
    if (FAILED(hr)) {
      if (call.puArgErr != nullptr) *call.puArgErr = nArg;
      return hr;
    }
  }
  return S_OK;
}

HRESULT AfxDispArgs::PrepareValue(const AFX_DISPCALL& call, VARTYPE vt) {
  if (call.pParams->cArgs != 1) return DISP_E_BADPARAMCOUNT;
  m_values.resize(1);
  m_texts.resize(1);
  m_scalars.assign(1, 0);
  m_callerRefs.assign(1, nullptr);
  VariantInit(&m_values[0]);
  HRESULT hr = Coerce(0, call.pParams->rgvarg[0], vt);
  if (FAILED(hr) && call.puArgErr != nullptr) *call.puArgErr = 0;
  return hr;
}

HRESULT AfxDispArgs::Coerce(size_t i, const VARIANT& src, VARTYPE vt) {
  VARIANT value;
  VariantInit(&value);
  // A null reference reads as nothing.
  if ((V_VT(&src) & VT_BYREF) == 0 || V_BYREF(&src) != nullptr) {
    if (FAILED(VariantCopyInd(&value, const_cast<VARIANT*>(&src)))) return DISP_E_TYPEMISMATCH;
  }
  VARIANT& dst = m_values[i];
  if (vt == VT_VARIANT) {
    dst = value;  // takes over the copy
    return S_OK;
  }
  // Scripts pass null or nothing for "no object".
  if ((vt == VT_DISPATCH || vt == VT_UNKNOWN) &&
      (V_VT(&value) == VT_EMPTY || V_VT(&value) == VT_NULL)) {
    V_VT(&dst) = vt;
    V_UNKNOWN(&dst) = nullptr;
    return S_OK;
  }
  HRESULT hr = VariantChangeType(&dst, &value, 0, vt);
  VariantClear(&value);
  if (FAILED(hr)) return hr == DISP_E_OVERFLOW ? hr : DISP_E_TYPEMISMATCH;
  if (vt == VT_BSTR) m_texts[i] = CString(V_BSTR(&dst));
  return S_OK;
}

LPCSTR AfxDispArgs::Text(size_t i) { return m_texts[i]; }

namespace {

// Stores `value` into the variable a VT_BYREF argument points to, converted
// to that variable's type; a value that does not convert leaves it alone.
void WriteReference(VARIANT& ref, const VARIANT& value) {
  const VARTYPE vt = V_VT(&ref) & ~VT_BYREF;
  if (vt == VT_VARIANT) {
    VARIANT* pVar = V_VARIANTREF(&ref);
    VariantClear(pVar);
    VariantCopy(pVar, const_cast<VARIANT*>(&value));
    return;
  }
  VARIANT converted;
  VariantInit(&converted);
  if (FAILED(VariantChangeType(&converted, const_cast<VARIANT*>(&value), 0, vt))) return;
  size_t nBytes = 0;
  switch (vt) {
    case VT_I1:
    case VT_UI1:
      nBytes = 1;
      break;
    case VT_I2:
    case VT_UI2:
    case VT_BOOL:
      nBytes = 2;
      break;
    case VT_I4:
    case VT_UI4:
    case VT_INT:
    case VT_UINT:
    case VT_R4:
    case VT_ERROR:
      nBytes = 4;
      break;
    case VT_I8:
    case VT_UI8:
    case VT_R8:
    case VT_DATE:
    case VT_CY:
      nBytes = 8;
      break;
    case VT_BSTR:
      SysFreeString(*V_BSTRREF(&ref));
      *V_BSTRREF(&ref) = V_BSTR(&converted);  // the variable takes the string over
      return;
    case VT_DISPATCH:
    case VT_UNKNOWN:
      if (*V_UNKNOWNREF(&ref) != nullptr) (*V_UNKNOWNREF(&ref))->Release();
      *V_UNKNOWNREF(&ref) = V_UNKNOWN(&converted);  // and the reference
      return;
    default:
      break;
  }
  if (nBytes != 0) memcpy(V_BYREF(&ref), &V_UI1(&converted), nBytes);
  VariantClear(&converted);
}

}  // namespace

void AfxDispArgs::WriteBack() {
  for (size_t i = 0; i < m_callerRefs.size(); ++i)
    if (m_callerRefs[i] != nullptr) WriteReference(*m_callerRefs[i], m_values[i]);
}

LONGLONG AfxDispToInteger(const VARIANT& v) {
  switch (V_VT(&v)) {
    case VT_I1:
      return V_I1(&v);
    case VT_UI1:
      return V_UI1(&v);
    case VT_I2:
      return V_I2(&v);
    case VT_UI2:
      return V_UI2(&v);
    case VT_I4:
      return V_I4(&v);
    case VT_UI4:
      return V_UI4(&v);
    case VT_INT:
      return V_INT(&v);
    case VT_UINT:
      return V_UINT(&v);
    case VT_I8:
      return V_I8(&v);
    case VT_UI8:
      return static_cast<LONGLONG>(V_UI8(&v));
    case VT_BOOL:
      return V_BOOL(&v);
    case VT_ERROR:
      return V_ERROR(&v);
    case VT_R4:
      return static_cast<LONGLONG>(V_R4(&v));
    case VT_R8:
      return static_cast<LONGLONG>(V_R8(&v));
    case VT_DATE:
      return static_cast<LONGLONG>(V_DATE(&v));
    default: {
      VARIANT tmp;
      VariantInit(&tmp);
      if (FAILED(VariantChangeType(&tmp, const_cast<VARIANT*>(&v), 0, VT_I8))) return 0;
      return V_I8(&tmp);
    }
  }
}

double AfxDispToReal(const VARIANT& v) {
  switch (V_VT(&v)) {
    case VT_R4:
      return V_R4(&v);
    case VT_R8:
      return V_R8(&v);
    case VT_DATE:
      return V_DATE(&v);
    default:
      return static_cast<double>(AfxDispToInteger(v));
  }
}

BSTR AfxDispAllocString(LPCSTR lpsz) {
  CStringW text(lpsz != nullptr ? lpsz : "");
  return SysAllocStringLen(text.GetString(), text.GetLength());
}

HRESULT AfxDispStoreResult(VARIANT& v, VARTYPE vt, VARIANT* pResult) {
  if (vt != VT_VARIANT && vt != VT_EMPTY && V_VT(&v) != vt) {
    if (FAILED(VariantChangeType(&v, &v, 0, vt))) {
      VariantClear(&v);
      return DISP_E_TYPEMISMATCH;
    }
  }
  if (pResult != nullptr)
    *pResult = v;
  else
    VariantClear(&v);
  return S_OK;
}
