// COleVariant: construction, assignment, comparison, conversion and its
// archive form.
#include "afxdisp.h"

#include <string.h>

namespace {

void CheckResult(HRESULT hr) {
  if (FAILED(hr)) AfxThrowOleException(hr);
}

// Bytes of the value that a scalar VARTYPE uses in the VARIANT.
UINT ScalarSize(VARTYPE vt) {
  switch (vt) {
    case VT_I1:
    case VT_UI1:
      return 1;
    case VT_I2:
    case VT_UI2:
    case VT_BOOL:
      return 2;
    case VT_I4:
    case VT_UI4:
    case VT_INT:
    case VT_UINT:
    case VT_R4:
    case VT_ERROR:
      return 4;
    case VT_I8:
    case VT_UI8:
    case VT_R8:
    case VT_CY:
    case VT_DATE:
      return 8;
    default:
      return 0;
  }
}

}  // namespace

COleVariant::COleVariant(const VARIANT& varSrc) {
  VariantInit(this);
  CheckResult(VariantCopy(this, const_cast<VARIANT*>(&varSrc)));
}

COleVariant::COleVariant(LPCVARIANT pSrc) {
  VariantInit(this);
  CheckResult(VariantCopy(this, const_cast<VARIANT*>(pSrc)));
}

COleVariant::COleVariant(const COleVariant& varSrc)
    : COleVariant(static_cast<const VARIANT&>(varSrc)) {}

COleVariant::COleVariant(LPCSTR lpszSrc) {
  VariantInit(this);
  *this = lpszSrc;
}

COleVariant::COleVariant(LPCWSTR lpszSrc) {
  VariantInit(this);
  *this = lpszSrc;
}

COleVariant::COleVariant(const CString& strSrc) : COleVariant(strSrc.GetString()) {}

COleVariant::COleVariant(BYTE nSrc) {
  vt = VT_UI1;
  bVal = nSrc;
}

COleVariant::COleVariant(short nSrc, VARTYPE vtSrc) {
  if (vtSrc == VT_BOOL) {
    vt = VT_BOOL;
    boolVal = nSrc ? VARIANT_TRUE : VARIANT_FALSE;
  } else {
    vt = VT_I2;
    iVal = nSrc;
  }
}

COleVariant::COleVariant(long lSrc, VARTYPE vtSrc) {
  if (vtSrc == VT_BOOL) {
    vt = VT_BOOL;
    boolVal = lSrc ? VARIANT_TRUE : VARIANT_FALSE;
  } else {
    vt = vtSrc == VT_ERROR ? VT_ERROR : VT_I4;
    lVal = lSrc;
  }
}

COleVariant::COleVariant(int nSrc, VARTYPE vtSrc) : COleVariant(static_cast<long>(nSrc), vtSrc) {}

COleVariant::COleVariant(LONGLONG nSrc) {
  vt = VT_I8;
  llVal = nSrc;
}

COleVariant::COleVariant(ULONGLONG nSrc) {
  vt = VT_UI8;
  ullVal = nSrc;
}

COleVariant::COleVariant(float fltSrc) {
  vt = VT_R4;
  fltVal = fltSrc;
}

COleVariant::COleVariant(double dblSrc, VARTYPE vtSrc) {
  vt = vtSrc == VT_DATE ? VT_DATE : VT_R8;
  dblVal = dblSrc;
}

COleVariant::COleVariant(const COleDateTime& dateSrc) {
  vt = VT_DATE;
  date = dateSrc.m_dt;
}

const COleVariant& COleVariant::operator=(const VARIANT& varSrc) {
  if (&varSrc != this) CheckResult(VariantCopy(this, const_cast<VARIANT*>(&varSrc)));
  return *this;
}

const COleVariant& COleVariant::operator=(LPCVARIANT pSrc) { return *this = *pSrc; }

const COleVariant& COleVariant::operator=(const COleVariant& varSrc) {
  return *this = static_cast<const VARIANT&>(varSrc);
}

const COleVariant& COleVariant::operator=(LPCSTR lpszSrc) {
  Clear();
  vt = VT_BSTR;
  bstrVal = AfxDispAllocString(lpszSrc);
  if (bstrVal == nullptr) {
    vt = VT_EMPTY;
    AfxThrowMemoryException();
  }
  return *this;
}

const COleVariant& COleVariant::operator=(LPCWSTR lpszSrc) {
  Clear();
  vt = VT_BSTR;
  bstrVal = SysAllocString(lpszSrc != nullptr ? lpszSrc : L"");
  if (bstrVal == nullptr) {
    vt = VT_EMPTY;
    AfxThrowMemoryException();
  }
  return *this;
}

const COleVariant& COleVariant::operator=(const CString& strSrc) {
  return *this = strSrc.GetString();
}

const COleVariant& COleVariant::operator=(BYTE nSrc) {
  Clear();
  vt = VT_UI1;
  bVal = nSrc;
  return *this;
}

// Assigning a number keeps a numeric type that the variant already has
// (a VT_BOOL stays a boolean), otherwise takes the number's own type.
const COleVariant& COleVariant::operator=(short nSrc) {
  if (vt == VT_BOOL) {
    boolVal = nSrc ? VARIANT_TRUE : VARIANT_FALSE;
  } else {
    Clear();
    vt = VT_I2;
    iVal = nSrc;
  }
  return *this;
}

const COleVariant& COleVariant::operator=(long lSrc) {
  if (vt == VT_BOOL) {
    boolVal = lSrc ? VARIANT_TRUE : VARIANT_FALSE;
  } else if (vt == VT_ERROR) {
    scode = lSrc;
  } else {
    Clear();
    vt = VT_I4;
    lVal = lSrc;
  }
  return *this;
}

const COleVariant& COleVariant::operator=(int nSrc) { return *this = static_cast<long>(nSrc); }

const COleVariant& COleVariant::operator=(LONGLONG nSrc) {
  Clear();
  vt = VT_I8;
  llVal = nSrc;
  return *this;
}

const COleVariant& COleVariant::operator=(ULONGLONG nSrc) {
  Clear();
  vt = VT_UI8;
  ullVal = nSrc;
  return *this;
}

const COleVariant& COleVariant::operator=(float fltSrc) {
  Clear();
  vt = VT_R4;
  fltVal = fltSrc;
  return *this;
}

const COleVariant& COleVariant::operator=(double dblSrc) {
  if (vt != VT_DATE) {
    Clear();
    vt = VT_R8;
  }
  dblVal = dblSrc;
  return *this;
}

const COleVariant& COleVariant::operator=(const COleDateTime& dateSrc) {
  Clear();
  vt = VT_DATE;
  date = dateSrc.m_dt;
  return *this;
}

BOOL COleVariant::operator==(const VARIANT& varSrc) const {
  if (&varSrc == this) return TRUE;
  if (vt != varSrc.vt) return FALSE;
  switch (vt) {
    case VT_EMPTY:
    case VT_NULL:
      return TRUE;
    case VT_BSTR: {
      UINT n = SysStringByteLen(bstrVal);
      return n == SysStringByteLen(varSrc.bstrVal) && memcmp(bstrVal, varSrc.bstrVal, n) == 0;
    }
    case VT_DISPATCH:
    case VT_UNKNOWN:
      return punkVal == varSrc.punkVal;
    default: {
      UINT n = ScalarSize(vt);
      if (n != 0) return memcmp(&llVal, &varSrc.llVal, n) == 0;
      return VarCmp(const_cast<COleVariant*>(this), const_cast<VARIANT*>(&varSrc),
                    LOCALE_USER_DEFAULT, 0) == VARCMP_EQ;
    }
  }
}

void COleVariant::Clear() { CheckResult(VariantClear(this)); }

void COleVariant::ChangeType(VARTYPE vartype, LPVARIANT pSrc) {
  if (pSrc == nullptr) pSrc = this;
  if (pSrc == this && vt == vartype) return;
  CheckResult(VariantChangeType(this, pSrc, 0, vartype));
}

void COleVariant::Attach(VARIANT& varSrc) {
  Clear();
  memcpy(static_cast<VARIANT*>(this), &varSrc, sizeof(VARIANT));
  varSrc.vt = VT_EMPTY;
}

VARIANT COleVariant::Detach() {
  VARIANT result = *this;
  vt = VT_EMPTY;
  return result;
}

void COleVariant::SetString(LPCSTR lpszSrc, VARTYPE vtSrc) {
  if (vtSrc != VT_BSTR) AfxThrowInvalidArgException();
  *this = lpszSrc;
}

// The archive form -------------------------------------------------------------------

CArchive& AFXAPI operator<<(CArchive& ar, COleVariant varSrc) {
  ar << static_cast<WORD>(varSrc.vt);
  if (varSrc.vt == VT_EMPTY || varSrc.vt == VT_NULL) return ar;
  if (varSrc.vt == VT_BSTR) return ar << CStringW(varSrc.bstrVal, SysStringLen(varSrc.bstrVal));
  UINT n = ScalarSize(varSrc.vt);
  if (n == 0) AfxThrowOleException(DISP_E_TYPEMISMATCH);  // objects and arrays have no stored form
  ar.Write(&varSrc.llVal, n);
  return ar;
}

CArchive& AFXAPI operator>>(CArchive& ar, COleVariant& varSrc) {
  WORD wType = 0;
  ar >> wType;
  varSrc.Clear();
  VARTYPE vt = static_cast<VARTYPE>(wType);
  if (vt == VT_EMPTY || vt == VT_NULL) {
    varSrc.vt = vt;
  } else if (vt == VT_BSTR) {
    CStringW text;
    ar >> text;
    varSrc = text.GetString();
  } else {
    UINT n = ScalarSize(vt);
    if (n == 0) AfxThrowArchiveException(CArchiveException::badSchema);
    varSrc.llVal = 0;
    if (ar.Read(&varSrc.llVal, n) != n) AfxThrowArchiveException(CArchiveException::endOfFile);
    varSrc.vt = vt;
  }
  return ar;
}
