// The exchange's base operations: defaults, blobs as text, classes by name,
// object instances, archives in blobs, counts and the schema.
#include "common/TKPropExchange.h"

#include <stdlib.h>
#include <string.h>

IMPLEMENT_DYNAMIC(CTKPropExchange, CCmdTarget)

CTKPropExchange::CTKPropExchange(BOOL bLoading) : m_bLoading(bLoading) {}

void CTKPropExchange::InheritFrom(const CTKPropExchange* pParent) {
  m_bChildSection = TRUE;
  m_nSchema = pParent->m_nSchema;
  m_dwData = pParent->m_dwData;
  m_bEmptySection = pParent->m_bEmptySection;
  m_bUseDefaultOnLoad = pParent->m_bUseDefaultOnLoad;
  m_bUseDefaultOnSave = pParent->m_bUseDefaultOnSave;
}

int PASCAL CTKPropExchange::GetVariantTypeSize(VARTYPE vt) {
  switch (vt) {
    case VT_UI1:
      return sizeof(BYTE);
    case VT_I2:
      return sizeof(short);
    case VT_I4:
      return sizeof(int);
    case VT_BOOL:
      return sizeof(BOOL);
    case VT_R4:
      return sizeof(float);
    case VT_R8:
      return sizeof(double);
    case VT_CY:
      return sizeof(CY);
    case VT_DATE:
      return sizeof(COleDateTime);
    case VT_BSTR:
      return sizeof(BSTR);
    case VT_VARIANT:
      return sizeof(VARIANT);
    case VT_TK_RECT:
      return sizeof(RECT);
    case VT_TK_SIZE:
      return sizeof(SIZE);
    default:
      return 0;
  }
}

BOOL PASCAL CTKPropExchange::IsSupportedType(VARTYPE vt) {
  return vt == VT_LPSTR || GetVariantTypeSize(vt) != 0;
}

namespace {

BOOL IsBytewise(VARTYPE vt) {
  switch (vt) {
    case VT_UI1:
    case VT_I2:
    case VT_I4:
    case VT_BOOL:
    case VT_R4:
    case VT_R8:
    case VT_CY:
    case VT_TK_RECT:
    case VT_TK_SIZE:
      return TRUE;
    default:
      return FALSE;
  }
}

BOOL DatesEqual(const COleDateTime& a, const COleDateTime& b) {
  if (a.GetStatus() != b.GetStatus()) return FALSE;
  if (a.GetStatus() == COleDateTime::null) return TRUE;
  return a.GetStatus() == COleDateTime::valid && a.m_dt == b.m_dt;
}

}  // namespace

BOOL PASCAL CTKPropExchange::CopyDefaultValue(VARTYPE vtProp, void* pvProp, const void* pvDefault) {
  if (pvDefault == nullptr || pvProp == nullptr) return FALSE;
  if (IsBytewise(vtProp)) {
    memcpy(pvProp, pvDefault, GetVariantTypeSize(vtProp));
    return TRUE;
  }
  switch (vtProp) {
    case VT_DATE:
      *static_cast<COleDateTime*>(pvProp) = *static_cast<const COleDateTime*>(pvDefault);
      return TRUE;
    case VT_BSTR:
      *static_cast<BSTR*>(pvProp) = SysAllocString(*static_cast<const BSTR*>(pvDefault));
      return TRUE;
    case VT_VARIANT:
      try {
        *static_cast<COleVariant*>(pvProp) = *static_cast<const COleVariant*>(pvDefault);
      } catch (CException* e) {
        e->Delete();
        return FALSE;
      }
      return TRUE;
    case VT_LPSTR:
      *static_cast<CString*>(pvProp) = *static_cast<const CString*>(pvDefault);
      return TRUE;
    default:
      return FALSE;
  }
}

BOOL PASCAL CTKPropExchange::IsValueEqualToDefault(VARTYPE vtProp, const void* pvProp,
                                                   const void* pvDefault) {
  if (pvProp == pvDefault) return TRUE;
  if (pvProp == nullptr || pvDefault == nullptr) return FALSE;
  if (IsBytewise(vtProp)) return memcmp(pvProp, pvDefault, GetVariantTypeSize(vtProp)) == 0;
  switch (vtProp) {
    case VT_DATE:
      return DatesEqual(*static_cast<const COleDateTime*>(pvProp),
                        *static_cast<const COleDateTime*>(pvDefault));
    case VT_BSTR: {
      BSTR a = *static_cast<const BSTR*>(pvProp);
      BSTR b = *static_cast<const BSTR*>(pvDefault);
      return wcscmp(a != nullptr ? a : L"", b != nullptr ? b : L"") == 0;
    }
    case VT_VARIANT:
      return *static_cast<const COleVariant*>(pvProp) ==
             *static_cast<const COleVariant*>(pvDefault);
    case VT_LPSTR:
      return *static_cast<const CString*>(pvProp) == *static_cast<const CString*>(pvDefault);
    default:
      return FALSE;
  }
}

BOOL CTKPropExchange::ExchangeBlob(LPCTSTR pszPropName, BYTE** ppData, DWORD* pcbData) {
  if (ppData == nullptr || pcbData == nullptr) return FALSE;
  if (IsStoring()) {
    CString strText = EncodeBlobAsText(*ppData, *pcbData);
    CString strDefault;
    return ExchangeProp(pszPropName, VT_LPSTR, &strText, &strDefault);
  }
  CString strText;
  if (!ExchangeProp(pszPropName, VT_LPSTR, &strText, nullptr)) return FALSE;
  return DecodeBlobFromText(strText, ppData, pcbData);
}

BOOL CTKPropExchange::ExchangeRuntimeClass(LPCTSTR pszPropName, CRuntimeClass*& pClass,
                                           CRuntimeClass* pDefaultClass) {
  if (pDefaultClass == nullptr) return FALSE;
  if (IsStoring()) {
    CString strName = pClass != nullptr ? pClass->m_lpszClassName : "";
    CString strDefault = pDefaultClass->m_lpszClassName;
    return ExchangeProp(pszPropName, VT_LPSTR, &strName, &strDefault);
  }
  CString strName;
  if (!ExchangeProp(pszPropName, VT_LPSTR, &strName, nullptr)) {
    pClass = pDefaultClass;
    return TRUE;
  }
  pClass = CRuntimeClass::FromName(strName.GetString());
  return pClass != nullptr;
}

BOOL CTKPropExchange::ExchangeObjectInstance(CObject*& pObject, CRuntimeClass* pObjectRuntime) {
  if (IsStoring()) {
    if (pObject == nullptr) return FALSE;
    CRuntimeClass* pClass = pObject->GetRuntimeClass();
    return ExchangeRuntimeClass("Class", pClass, pObjectRuntime);
  }
  CRuntimeClass* pClass = nullptr;
  if (!ExchangeRuntimeClass("Class", pClass, pObjectRuntime) || pClass == nullptr) return FALSE;
  pObject = nullptr;
  CObject* pNew = pClass->CreateObject();
  if (pNew == nullptr) return FALSE;
  if (!pNew->IsKindOf(pObjectRuntime)) {
    delete pNew;
    return FALSE;
  }
  pObject = pNew;
  return TRUE;
}

CArchive* CTKPropExchange::GetArchive(LPCTSTR pszPropName) {
  if (IsStoring()) {
    CMemFile* pFile = new CMemFile(1024);
    return new CArchive(pFile, CArchive::store, 4096);
  }
  BYTE* pData = nullptr;
  DWORD cbData = 0;
  if (!ExchangeBlob(pszPropName, &pData, &cbData) || pData == nullptr || cbData == 0) {
    free(pData);
    return nullptr;
  }
  CMemFile* pFile = new CMemFile(pData, cbData);
  return new CArchive(pFile, CArchive::load, 4096);
}

void CTKPropExchange::ReleaseArchive(LPCTSTR pszPropName, CArchive* pArchive) {
  if (pArchive == nullptr) return;
  CMemFile* pFile = DYNAMIC_DOWNCAST(CMemFile, pArchive->GetFile());
  if (pFile == nullptr) return;
  if (IsStoring()) {
    pArchive->Flush();
    DWORD cbData = static_cast<DWORD>(pFile->GetPosition());
    BYTE* pData = pFile->Detach();
    ExchangeBlob(pszPropName, &pData, &cbData);
    pArchive->Abort();
    pFile->Close();
    free(pData);
  } else {
    pArchive->Abort();
    BYTE* pData = pFile->Detach();
    pFile->Close();
    free(pData);
  }
  delete pFile;
  delete pArchive;
}

void CTKPropExchange::EmptySection() { m_bEmptySection = TRUE; }

void CTKPropExchange::WriteCount(DWORD dwCount) {
  int nCount = static_cast<int>(dwCount);
  int nDefault = 0;
  ExchangeProp("Count", VT_I4, &nCount, &nDefault);
}

DWORD CTKPropExchange::ReadCount() {
  int nCount = 0;
  int nDefault = 0;
  ExchangeProp("Count", VT_I4, &nCount, &nDefault);
  return static_cast<DWORD>(nCount);
}

BOOL CTKPropExchange::WriteBlob(LPCTSTR pszPropName, BYTE* pData, DWORD nBytes) {
  return ExchangeBlob(pszPropName, &pData, &nBytes);
}

DWORD CTKPropExchange::ReadBlob(LPCTSTR pszPropName, BYTE* pBuffer, DWORD nBytes) {
  if (pBuffer == nullptr) return 0;
  return ExchangeBlob(pszPropName, &pBuffer, &nBytes) ? nBytes : 0;
}

BOOL CTKPropExchange::SupportsDefaults() { return TRUE; }

BOOL CTKPropExchange::SupportsBlobs() { return FALSE; }

BOOL CTKPropExchange::OnBeforeExchange() {
  m_bInitialized = TRUE;
  return TRUE;
}

CTKPropExchangeEnumerator* CTKPropExchange::GetEnumerator(LPCTSTR pszSection) {
  return new CTKPropExchangeEnumerator(this, pszSection);
}

DWORD CTKPropExchange::CountStoredSections(LPCTSTR) { return static_cast<DWORD>(-1); }

void CTKPropExchange::ExchangeSchema() {
  int nDefault = 32;
  ExchangeProp("Schema", VT_I4, &m_nSchema, &nDefault);
}
