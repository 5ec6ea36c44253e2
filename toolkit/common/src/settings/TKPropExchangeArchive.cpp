// The archive back end of the settings exchange.
#include "common/TKPropExchangeArchive.h"

#include <stdlib.h>

#include <algorithm>

IMPLEMENT_DYNAMIC(CTKPropExchangeArchive, CTKPropExchange)

namespace {

// Blocks of unknown trust are read in pieces of this size, so that a damaged
// count costs no more memory than the bytes that are really there.
const DWORD kReadChunk = 64 * 1024;

template <typename T>
void Exchange(CArchive& ar, void* pvProp) {
  T& value = *static_cast<T*>(pvProp);
  if (ar.IsStoring())
    ar << value;
  else
    ar >> value;
}

void ExchangeCurrency(CArchive& ar, CY& cy) {
  if (ar.IsStoring()) {
    ar << static_cast<DWORD>(cy.Lo) << static_cast<LONG>(cy.Hi);
  } else {
    DWORD lo;
    LONG hi;
    ar >> lo >> hi;
    cy.Lo = lo;
    cy.Hi = hi;
  }
}

// Reads `cbData` bytes into a new malloc block, growing it only as the bytes
// arrive. Null when the stream ends first.
BYTE* ReadNewBlock(CArchive& ar, DWORD cbData) {
  BYTE* pData = static_cast<BYTE*>(malloc(std::max<DWORD>(1, std::min(cbData, kReadChunk))));
  DWORD done = 0;
  while (pData != nullptr && done < cbData) {
    DWORD n = std::min(cbData - done, kReadChunk);
    if (done != 0) {
      BYTE* pGrown = static_cast<BYTE*>(realloc(pData, done + n));
      if (pGrown == nullptr) break;
      pData = pGrown;
    }
    if (ar.Read(pData + done, n) != n) break;
    done += n;
  }
  if (done == cbData) return pData;
  free(pData);
  return nullptr;
}

}  // namespace

CTKPropExchangeArchive::CTKPropExchangeArchive(CArchive& ar)
    : CTKPropExchange(ar.IsLoading()), m_ar(ar) {}

BOOL CTKPropExchangeArchive::ExchangeProp(LPCTSTR, VARTYPE vtProp, void* pvProp, const void*) {
  if (!OnBeforeExchange() || pvProp == nullptr) return FALSE;
  switch (vtProp) {
    case VT_I2:
      Exchange<short>(m_ar, pvProp);
      break;
    case VT_I4:
    case VT_BOOL:
      Exchange<int>(m_ar, pvProp);
      break;
    case VT_R4:
      Exchange<float>(m_ar, pvProp);
      break;
    case VT_R8:
      Exchange<double>(m_ar, pvProp);
      break;
    case VT_CY:
      ExchangeCurrency(m_ar, *static_cast<CY*>(pvProp));
      break;
    case VT_DATE:
      Exchange<COleDateTime>(m_ar, pvProp);
      break;
    case VT_VARIANT:
      Exchange<COleVariant>(m_ar, pvProp);
      break;
    case VT_UI1:
      Exchange<BYTE>(m_ar, pvProp);
      break;
    case VT_LPSTR:
      Exchange<CString>(m_ar, pvProp);
      break;
    case VT_TK_RECT:
      Exchange<RECT>(m_ar, pvProp);
      break;
    case VT_TK_SIZE:
      Exchange<SIZE>(m_ar, pvProp);
      break;
    default:
      // Wide strings and unknown codes take no room, so the stream stays in step.
      break;
  }
  return TRUE;
}

BOOL CTKPropExchangeArchive::ExchangeBlob(LPCTSTR, BYTE** ppData, DWORD* pcbData) {
  if (!OnBeforeExchange() || ppData == nullptr || pcbData == nullptr) return FALSE;
  if (IsStoring()) {
    m_ar.WriteCount(*pcbData);
    if (*pcbData != 0) m_ar.Write(*ppData, *pcbData);
    return TRUE;
  }
  DWORD_PTR nCount = m_ar.ReadCount();
  if (nCount > 0xFFFFFFFFu) return FALSE;
  DWORD cbData = static_cast<DWORD>(nCount);
  if (*ppData == nullptr) {
    BYTE* pData = ReadNewBlock(m_ar, cbData);
    if (pData == nullptr) return FALSE;
    *ppData = pData;
    *pcbData = cbData;
    return TRUE;
  }
  if (*pcbData < cbData) return FALSE;
  return m_ar.Read(*ppData, cbData) == cbData;
}

BOOL CTKPropExchangeArchive::ExchangeRuntimeClass(LPCTSTR, CRuntimeClass*& pClass,
                                                  CRuntimeClass* pDefaultClass) {
  if (!OnBeforeExchange()) return FALSE;
  if (IsStoring()) {
    if (pClass == nullptr) return FALSE;
    m_ar.WriteClass(pClass);
    return TRUE;
  }
  UINT nSchema = 0;
  pClass = m_ar.ReadClass(pDefaultClass, &nSchema);
  if (pClass == nullptr) return FALSE;
  m_nSchema = static_cast<int>(nSchema);
  return TRUE;
}

BOOL CTKPropExchangeArchive::ExchangeObjectInstance(CObject*& pObject,
                                                    CRuntimeClass* pObjectRuntime) {
  if (!CTKPropExchange::ExchangeObjectInstance(pObject, pObjectRuntime)) return FALSE;
  // Numbered as CArchive numbers the objects it reads and writes, so that
  // later references to this object through the archive resolve.
  m_ar.MapObject(pObject);
  return TRUE;
}

CArchive* CTKPropExchangeArchive::GetArchive(LPCTSTR) { return &m_ar; }

void CTKPropExchangeArchive::ReleaseArchive(LPCTSTR, CArchive*) {}

CTKPropExchange* CTKPropExchangeArchive::GetSection(LPCTSTR) {
  CTKPropExchangeArchive* pSection = new CTKPropExchangeArchive(m_ar);
  pSection->InheritFrom(this);
  return pSection;
}

void CTKPropExchangeArchive::WriteCount(DWORD dwCount) { m_ar.WriteCount(dwCount); }

DWORD CTKPropExchangeArchive::ReadCount() { return static_cast<DWORD>(m_ar.ReadCount()); }

BOOL CTKPropExchangeArchive::WriteBlob(LPCTSTR, BYTE* pData, DWORD nBytes) {
  if (nBytes != 0) m_ar.Write(pData, nBytes);
  return TRUE;
}

DWORD CTKPropExchangeArchive::ReadBlob(LPCTSTR, BYTE* pBuffer, DWORD nBytes) {
  if (pBuffer == nullptr) return 0;
  return m_ar.Read(pBuffer, nBytes);
}

BOOL CTKPropExchangeArchive::SupportsDefaults() { return FALSE; }

BOOL CTKPropExchangeArchive::SupportsBlobs() { return TRUE; }

void CTKPropExchangeArchive::ExchangeSchema() {
  if (IsStoring()) {
    m_ar << SchemaMarker << m_nSchema;
    return;
  }
  // Look at the next word without taking it: the archive hands what it read
  // ahead back to the file, which is then read directly and put back.
  m_ar.Flush();
  CFile* pFile = m_ar.GetFile();
  ULONGLONG nPosition = pFile->GetPosition();
  DWORD dwMarker = 0;
  UINT nRead = pFile->Read(&dwMarker, sizeof dwMarker);
  pFile->Seek(static_cast<LONGLONG>(nPosition), CFile::begin);
  if (nRead == sizeof dwMarker && dwMarker == SchemaMarker) {
    m_ar >> dwMarker >> m_nSchema;
  } else {
    m_nSchema = HeaderlessSchema;
  }
}
