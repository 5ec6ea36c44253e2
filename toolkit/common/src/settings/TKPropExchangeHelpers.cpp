// The typed helpers every persistable object calls, including the pixel
// measures kept at 96 DPI.
#include "common/TKPropExchange.h"

#include "common/TKDpiHelper.h"

BOOL AFXAPI ExchangeByteProp(CTKPropExchange* px, LPCTSTR pszPropName, BYTE& nValue,
                             BYTE nDefault) {
  return px != nullptr && px->ExchangeProp(pszPropName, VT_UI1, &nValue, &nDefault);
}

BOOL AFXAPI ExchangeShortProp(CTKPropExchange* px, LPCTSTR pszPropName, short& sValue,
                              short sDefault) {
  return px != nullptr && px->ExchangeProp(pszPropName, VT_I2, &sValue, &sDefault);
}

BOOL AFXAPI ExchangeIntNoDefault(CTKPropExchange* px, LPCTSTR pszPropName, int& nValue) {
  return px != nullptr && px->ExchangeProp(pszPropName, VT_I4, &nValue, nullptr);
}

BOOL AFXAPI ExchangeIntProp(CTKPropExchange* px, LPCTSTR pszPropName, int& nValue, int nDefault) {
  return px != nullptr && px->ExchangeProp(pszPropName, VT_I4, &nValue, &nDefault);
}

BOOL AFXAPI ExchangeBoolProp(CTKPropExchange* px, LPCTSTR pszPropName, BOOL& bValue,
                             BOOL bDefault) {
  return px != nullptr && px->ExchangeProp(pszPropName, VT_BOOL, &bValue, &bDefault);
}

BOOL AFXAPI ExchangeStringNoDefault(CTKPropExchange* px, LPCTSTR pszPropName, CString& strValue) {
  return px != nullptr && px->ExchangeProp(pszPropName, VT_LPSTR, &strValue, nullptr);
}

BOOL AFXAPI ExchangeStringProp(CTKPropExchange* px, LPCTSTR pszPropName, CString& strValue,
                               LPCTSTR pszDefault) {
  if (px == nullptr) return FALSE;
  CString strDefault = pszDefault;
  return px->ExchangeProp(pszPropName, VT_LPSTR, &strValue, &strDefault);
}

BOOL AFXAPI ExchangeSizeProp(CTKPropExchange* px, LPCTSTR pszPropName, CSize& szValue,
                             CSize szDefault) {
  return px != nullptr && px->ExchangeProp(pszPropName, VT_TK_SIZE, &szValue, &szDefault);
}

namespace {

enum Axis { AxisX, AxisY };

int Scale(Axis axis, int n) {
  return axis == AxisX ? TKDpiHelper()->ScaleX(n) : TKDpiHelper()->ScaleY(n);
}

int Unscale(Axis axis, int n) {
  return axis == AxisX ? TKDpiHelper()->UnscaleX(n) : TKDpiHelper()->UnscaleY(n);
}

BOOL ExchangeDpiInt(Axis axis, CTKPropExchange* px, LPCTSTR pszPropName, int& nValue,
                    int nDefault) {
  if (px == nullptr) return FALSE;
  if (px->IsLoading()) {
    if (!px->ExchangeProp(pszPropName, VT_I4, &nValue, &nDefault)) return FALSE;
    nValue = Scale(axis, nValue);
    return TRUE;
  }
  // Always written: the default is a design value, the variable a screen one.
  int nStored = Unscale(axis, nValue);
  return px->ExchangeProp(pszPropName, VT_I4, &nStored, nullptr);
}

}  // namespace

BOOL AFXAPI ExchangeDpiXProp(CTKPropExchange* px, LPCTSTR pszPropName, int& nValue, int nDefault) {
  return ExchangeDpiInt(AxisX, px, pszPropName, nValue, nDefault);
}

BOOL AFXAPI ExchangeDpiYProp(CTKPropExchange* px, LPCTSTR pszPropName, int& nValue, int nDefault) {
  return ExchangeDpiInt(AxisY, px, pszPropName, nValue, nDefault);
}

BOOL AFXAPI ExchangeDpiSizeProp(CTKPropExchange* px, LPCTSTR pszPropName, CSize& szValue,
                                CSize szDefault) {
  if (px == nullptr) return FALSE;
  if (px->IsLoading()) {
    if (!px->ExchangeProp(pszPropName, VT_TK_SIZE, &szValue, &szDefault)) return FALSE;
    szValue = CSize(Scale(AxisX, szValue.cx), Scale(AxisY, szValue.cy));
    return TRUE;
  }
  CSize szStored(Unscale(AxisX, szValue.cx), Unscale(AxisY, szValue.cy));
  return px->ExchangeProp(pszPropName, VT_TK_SIZE, &szStored, &szDefault);
}

BOOL AFXAPI ExchangeDpiRectProp(CTKPropExchange* px, LPCTSTR pszPropName, CRect& rcValue,
                                CRect rcDefault) {
  if (px == nullptr) return FALSE;
  if (px->IsLoading()) {
    if (!px->ExchangeProp(pszPropName, VT_TK_RECT, &rcValue, &rcDefault)) return FALSE;
    rcValue = CRect(Scale(AxisX, rcValue.left), Scale(AxisY, rcValue.top),
                    Scale(AxisX, rcValue.right), Scale(AxisY, rcValue.bottom));
    return TRUE;
  }
  const LONG kNone = static_cast<LONG>(0x80000000);
  CRect rcStored = rcValue;
  if (!(rcValue.left == kNone && rcValue.top == kNone && rcValue.right == kNone &&
        rcValue.bottom == kNone)) {
    rcStored = CRect(Unscale(AxisX, rcValue.left), Unscale(AxisY, rcValue.top),
                     Unscale(AxisX, rcValue.right), Unscale(AxisY, rcValue.bottom));
  }
  return px->ExchangeProp(pszPropName, VT_TK_RECT, &rcStored, &rcDefault);
}

BOOL AFXAPI ExchangeRuntimeClassProp(CTKPropExchange* px, LPCTSTR pszPropName,
                                     CRuntimeClass*& pClass, CRuntimeClass* pDefaultClass) {
  return px != nullptr && px->ExchangeRuntimeClass(pszPropName, pClass, pDefaultClass);
}

BOOL AFXAPI ExchangeBinaryProp(CTKPropExchange* px, LPCTSTR pszPropName, BYTE** ppData,
                               DWORD* pcbData) {
  return px != nullptr && px->ExchangeBlob(pszPropName, ppData, pcbData);
}

BOOL AFXAPI ExchangeSerializableProp(CTKPropExchange* px, LPCTSTR pszPropName, CObject* pObject) {
  if (px == nullptr || pObject == nullptr) return FALSE;
  CArchive* pArchive = px->GetArchive(pszPropName);
  if (pArchive == nullptr) return FALSE;
  BOOL bResult = TRUE;
  try {
    pObject->Serialize(*pArchive);
  } catch (CArchiveException* e) {
    e->Delete();
    bResult = FALSE;
  } catch (COleException* e) {
    e->Delete();
    bResult = FALSE;
  } catch (CException*) {
    px->ReleaseArchive(pszPropName, pArchive);
    throw;
  }
  px->ReleaseArchive(pszPropName, pArchive);
  return bResult;
}
